#pragma once

#include "planning/UClasses.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The import of the timetabling program's XML export: teachers, classes with their class
// leaders, and the lessons that attach teachers to classes. It builds new lists and never
// touches the current project; the caller replaces its lists with them.

// The grade levels an import admits, both ends included (1 to 13).
struct TStufen
{
    int Von = 1;
    int Bis = 13;
};

// The range offered first: grades 5 to 12 for a Gymnasium, otherwise 1 to 13.
TStufen StufenVorwahl(bool IstGymnasium);

enum class TMehrklassenAntwort { Ja, Nein, Abbrechen };

struct TRueckfrage
{
    TMehrklassenAntwort Antwort = TMehrklassenAntwort::Ja;
    bool Immer = false;       // the answer holds for every further lesson of the subject
    bool AlleFaecher = false; // the answer holds for every further lesson of a subject not answered for good
};

// The two questions an import asks on its way: windows in the program, fixed answers in
// the tests and on the command line.
class IImportFragen
{
public:
    virtual ~IImportFragen() = default;
    // The grade levels to import, asked once after the teachers were read; none when the
    // user cancels the import.
    virtual std::optional<TStufen> Stufenwahl(bool IstGymnasium) = 0;
    // A lesson of the teacher le in the subject fa names the classes kl (the designations
    // inside the grade range, each once, also those of classes that were not imported): is
    // the teacher to attend the conferences of all of them?
    virtual TRueckfrage Mehrklassen(const TLehrer& le, const QString& fa, const QStringList& kl) = 0;
};

// What one import found.
struct TXmlImport
{
    std::unique_ptr<TLehrerliste> Lehrer;   // sorted by name; null when the file could not be read
    std::unique_ptr<TKlassenliste> Klassen; // in class order
    QString Fehler;                         // German message naming the file; empty when it was read
    bool Gefunden = false;                  // teachers or classes were found: the lists may replace the project
    bool Abgebrochen = false;               // the grade-range question was cancelled: the lists are empty and
                                            // the project stays as it was
    QStringList Hinweise;                   // notices for the user, in the order they arose

    bool Ok() const { return Fehler.isEmpty(); }
};

// Shown when the file holds neither teachers nor classes (the project then stays as it was).
extern const QString MeldungNichtsGefunden;
// A notice of the import: the user stopped it in the question about a lesson of several classes.
extern const QString MeldungTeilweiseZugeordnet;
// A notice of the import: no class of the file has a class teacher.
extern const QString MeldungOhneKlassenleitung;

// Reads the export (at most 64 MiB) and asks its questions through fragen.
TXmlImport UntisXmlImportieren(const QString& FileName, IImportFragen& fragen);
// The same for bytes already read; dateiname only names the file in messages.
TXmlImport UntisXmlAusBytes(const QByteArray& bytes, const QString& dateiname, IImportFragen& fragen);

// Splits a list of ids at the separators that stand directly before the next id's prefix
// (a blank; with kommaTrennt also a comma, or a comma and a blank) and removes the prefix
// from the start of each id. Blanks inside an id stay as they are: "CL_3 B CL_4a" gives
// "3 B" and "4a".
QStringList IdsTeilen(const QString& liste, QLatin1StringView praefix, bool kommaTrennt);
