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

enum class TSchreibfehler
{
    Keiner,
    NichtErstellt, // the file could not be created
    Abgebrochen,   // writing or flushing failed; the previous file is untouched
};

// Writes the bytes to a temporary file beside the target and renames it over the target
// only after every byte was written and flushed, so a full disk or a crash always leaves
// the previous file. grund receives the system's reason on failure.
TSchreibfehler DateiSicherSchreiben(const QString& dateiname, const QByteArray& bytes, QString* grund = nullptr);
// As DateiSicherSchreiben; any failure gives "Datei "<file>" kann nicht erstellt werden. <reason>",
// success the empty text.
QString DateiSchreiben(const QString& dateiname, const QByteArray& bytes);
// That message of DateiSchreiben, for a writer that reports an aborted write its own way.
QString NichtErstelltMeldung(const QString& dateiname, const QString& grund);

enum class TLesefehler
{
    Keiner,
    NichtGeoeffnet, // the file could not be opened or read
    ZuGross,        // the file holds more than the limit
};

// Reads the whole file, but stops one byte beyond the limit: a device or a pipe may never end.
TLesefehler DateiBegrenztLesen(const QString& dateiname, QByteArray& bytes, QString* grund = nullptr,
                               qint64 hoechstens = HoechsteDateigroesse);
// As DateiBegrenztLesen with the messages for the user: "Datei <file> kann nicht geöffnet
// werden. <reason>" or the size refusal; the empty text when the file was read.
QString DateiLesen(const QString& dateiname, QByteArray& bytes, qint64 hoechstens = HoechsteDateigroesse);

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
