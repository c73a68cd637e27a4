#pragma once

#include "planning/UClasses.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringConverter>
#include <QStringView>

#include <array>
#include <optional>

// The teacher list import from delimited text files (CSV exports of spreadsheets and school
// administration programs): reading, repair of umlauts decoded with the wrong character
// set, separator detection, splitting, and the creation of the teachers. The import window
// and "simultano-cli import-csv" both work with these functions.

// Field separators in the order of preference; the first one that occurs in the first
// line wins, however often the others occur.
inline constexpr QStringView Trennzeichenkandidaten = u";\t~#|!:,";

// ---- character-set repair

enum class TReparatur
{
    Keine,
    Utf8, // UTF-8 text that was read as Windows-1252
    Dos,  // DOS (code page 850/437) text that was read as Windows-1252
};

// The repair the lines need: the first line showing a UTF-8 mark (an umlaut or ß as two
// Windows-1252 characters) or, failing that, the DOS ü (U+0081) decides.
TReparatur ReparaturErkennen(const QStringList& zeilen);
// Repairs all lines as ReparaturErkennen decides and returns the decision. A line whose
// bytes are not valid UTF-8 keeps its text in the UTF-8 repair.
TReparatur ZeichensatzReparieren(QStringList& zeilen);

// ---- separators and splitting

struct TTrennung
{
    QChar Trennzeichen = QChar(0); // 0: none found, every line is one field
    bool TrennzeichenGefunden = false;
    QChar Satztrennung;            // removed from the end of every line when declared
    bool SatztrennungGefunden = false;
};

// Finds the separator from the first line. A first line of one candidate, or of two
// (separator and record terminator), only declares them and is removed.
TTrennung TrennzeichenSuchen(QStringList& zeilen);

// Cleans one field and appends it: one enclosing pair of quotes goes (for fields longer
// than one character), then blanks and control characters at both ends; inside, a tab
// becomes a blank and other control characters (NUL among them) are dropped.
void FeldHinzu(QStringList& felder, const QString& feld);
// The fields of one line; separators inside double quotes do not split. A line always
// gives at least one field.
QStringList ZeileZerlegen(const QString& zeile, const TTrennung& trennung);

// ---- the list as the import window shows it

struct TCsvListe
{
    TTrennung Trennung;
    QStringList Kopf;          // the fields of the first line: column captions or first record
    QList<QStringList> Zeilen; // the further lines with at least one non-empty field
    bool mitLeerstring = false; // the first line has an empty field
    bool ohneFeldnamen = false; // the first line is the first record, not field names

    // The records to import: the first line (when it is a record) and the further lines.
    qsizetype Anzahl() const;
    const QStringList& Datensatz(qsizetype i) const;
    QList<QStringList> Datensaetze() const;
};

// Drops empty lines and DOS end-of-file marks (^Z), repairs the character set, finds the
// separator and splits. The first line counts as a record when it has an empty field or
// is the only line.
TCsvListe CsvAusZeilen(QStringList zeilen);
// The text of a file's bytes: by the byte-order mark, UTF-16 recognised without one
// (Utf16OhneMarke), else Windows-1252; then as CsvAusZeilen.
TCsvListe CsvAusBytes(const QByteArray& bytes);
// UTF-16 text without a byte-order mark, told by the NUL bytes of its Latin letters: the
// byte order found, none for other bytes.
std::optional<QStringConverter::Encoding> Utf16OhneMarke(QByteArrayView bytes);
// Reads the file with the shared reader (size limit, regular files only) and CsvAusBytes.
// Returns the German message, or the empty text when it was read.
QString CsvLesen(const QString& dateiname, TCsvListe& liste);

// ---- creating the teachers

// Target slots of the import: for each, the index of the file field assigned to it, or -1.
enum TSlot { SlotKuerzel = 0, SlotName = 1, SlotAnrede = 2 };
using TWahl = std::array<int, 3>;

// The value of a record for a field: the empty text for no field and for a record with
// fewer fields.
QString FeldWert(const QStringList& datensatz, int feld);

// The salutation a gender word stands for: "Frau" for w, weiblich, f and female, "Herr" for
// m, männlich (maennlich) and male, in any letter case; the empty text for any other value.
QString AnredeAusGeschlecht(const QString& wert);

// The first record's salutation when it must be read as a truth value (a non-empty part
// of "truefalsewahrfalsch-0-1", in any letter case, that is no gender word), else the
// empty text.
QString WahrheitswertDerErstenZeile(const QList<QStringList>& datensaetze, int anredeFeld);

// State of one import run into the list it was made for.
struct TLehrerImport
{
    explicit TLehrerImport(const TLehrerliste& liste);

    int Ersetzt = 0;        // counter of replaced abbreviations, shared by the whole run
    QString Wahrheitswert;  // the first record's truth value; empty: no truth mapping
    QString WahrAnrede;     // the salutation that value stands for ("Herr" or "Frau")

    // The abbreviations taken: read from the list at the start, then kept up to date by the
    // run's own appends (a run appends to one list, which changes by nothing else meanwhile).
    QSet<QString> Vergeben;
};

// Creates one teacher from the values of record i and appends it. An empty abbreviation
// becomes the row index; a taken one the next free number of the run's counter ("001").
// A gender word becomes its salutation (AnredeAusGeschlecht), before anything else; with a
// truth mapping the first record's value gives its salutation and every other value the
// other one.
TLehrer* LehrerAnlegen(TLehrerliste& liste, TLehrerImport& lauf, const QString& kuerzel, const QString& name,
                       const QString& anrede, int i);

struct TImportErgebnis
{
    int Angelegt = 0; // teachers appended
    int Ersetzt = 0;  // abbreviations replaced by numbers
};

// Appends one teacher per record that has a name and sorts the list in teacher order.
// wahrAnrede answers the truth-value question of WahrheitswertDerErstenZeile.
TImportErgebnis LehrerImportieren(TLehrerliste& liste, const QList<QStringList>& datensaetze, const TWahl& wahl,
                                  const QString& wahrAnrede = QString());
