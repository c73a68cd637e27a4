#pragma once

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <QStringConverter>
#include <QStringList>

#include <optional>

// Largest file any reader of the program accepts: project files, imports and templates are
// a few hundred kilobytes at most; anything this large is none of them.
constexpr qint64 HoechsteDateigroesse = 64 * 1024 * 1024;

// One version of a file on disk, as far as another program's write would change it: a write
// through the safe writer gives a new file (inode) with a new modification time.
struct TDateiStand
{
    bool Vorhanden = false;
    qint64 Groesse = 0;
    qint64 Geaendert = 0;  // modification time, nanoseconds
    qint64 Status = 0;     // time of the last status change, nanoseconds
    quint64 Geraet = 0;
    quint64 Knoten = 0;
    bool operator==(const TDateiStand&) const = default;
};
// The file as it is now (links followed); Vorhanden is false when there is none.
TDateiStand DateiStand(const QString& dateiname);

// Why a file is refused as a source or a target: it exists and is no regular file (nor a
// link to one). The empty text for a regular file or a name that does not exist.
QString KeineGewoehnlicheDatei(const QString& dateiname);

enum class TSchreibfehler
{
    Keiner,
    NichtErstellt, // the file could not be created, or the target is a device, a pipe or a folder
    Abgebrochen,   // writing or flushing failed; the previous file is untouched
    Geaendert,     // the file on disk is no longer the one that was read; it stays as it is
};

// "Die Datei wurde inzwischen von einem anderen Programm geändert."
QString GeaendertMeldung();

// Writes the bytes to a temporary file beside the target and renames it over the target
// only after every byte was written and flushed, so a full disk or a crash always leaves
// the previous file. A target that exists and is no regular file is never replaced.
// grund receives the system's reason on failure.
// With erwartet, the rename happens only while the file on disk is still that one (checked
// under a lock file beside it, so that two such writers take turns); neu then receives the
// file as written, for the next save.
TSchreibfehler DateiSicherSchreiben(const QString& dateiname, const QByteArray& bytes, QString* grund = nullptr,
                                    const TDateiStand* erwartet = nullptr, TDateiStand* neu = nullptr);
// As DateiSicherSchreiben; any failure gives "Datei "<file>" kann nicht erstellt werden. <reason>"
// (or GeaendertMeldung), success the empty text.
QString DateiSchreiben(const QString& dateiname, const QByteArray& bytes, const TDateiStand* erwartet = nullptr,
                       TDateiStand* neu = nullptr);
// That message of DateiSchreiben, for a writer that reports an aborted write its own way.
QString NichtErstelltMeldung(const QString& dateiname, const QString& grund);

enum class TLesefehler
{
    Keiner,
    NichtGeoeffnet, // the file could not be opened or read
    ZuGross,        // the file holds more than the limit
};

// Reads the whole file, but stops one byte beyond the limit. Only regular files are read: a
// device or a pipe (which may never end, or never begin) is refused as not opened. stand
// receives the file as it was opened.
TLesefehler DateiBegrenztLesen(const QString& dateiname, QByteArray& bytes, QString* grund = nullptr,
                               qint64 hoechstens = HoechsteDateigroesse, TDateiStand* stand = nullptr);
// As DateiBegrenztLesen with the messages for the user: "Datei <file> kann nicht geöffnet
// werden. <reason>" or the size refusal; the empty text when the file was read.
QString DateiLesen(const QString& dateiname, QByteArray& bytes, qint64 hoechstens = HoechsteDateigroesse,
                   TDateiStand* stand = nullptr);

// The text as a sentence for a message: a full stop is added unless it ends with '.', '!' or
// '?' (the system's reasons come without one); the empty text stays empty.
QString Satz(const QString& text);

// The file name as the user knows it (native separators).
QString Anzeigename(const QString& dateiname);
// The folder of a file as the settings keep it: native separators and a trailing separator.
QString OrdnerVon(const QString& dateiname);
// The user's folder of that kind (documents, desktop), or the home folder where there is none.
QString Standardordner(QStandardPaths::StandardLocation art);

// ---- text files

// The encoding a byte-order mark stands for and the mark's length in bytes.
struct TBomKodierung
{
    QStringConverter::Encoding Kodierung;
    qsizetype Laenge;
};
// The byte-order mark at the start of the bytes (UTF-8, UTF-16 LE or BE); none without one.
std::optional<TBomKodierung> BomKodierung(QByteArrayView bytes);
// Decodes the bytes; false when they hold a sequence the encoding does not allow, which
// text then holds as the replacement character U+FFFD.
bool TextDekodieren(QStringConverter::Encoding kodierung, QByteArrayView bytes, QString& text);
// The text of a text file's bytes: a byte-order mark selects UTF-8 or UTF-16 (either byte
// order) and is not part of the text; without one the bytes are Windows-1252. marke receives
// the mark found (empty without one).
QString TextAusBytes(const QByteArray& bytes, QByteArray* marke = nullptr);
// The inverse: the mark and the text in the encoding it stands for; without a mark, Windows-1252.
QByteArray BytesAusText(const QString& text, const QByteArray& marke = QByteArray());
// Lines end at CR LF, LF or CR; a line end at the very end starts no further line.
QStringList InZeilen(const QString& text);
// Reads a text file as lines (TextAusBytes, InZeilen). Returns the message of DateiLesen,
// or the empty text when the file was read.
QString TextdateiLesen(const QString& dateiname, QStringList& zeilen, qint64 hoechstens = HoechsteDateigroesse);
