#pragma once

#include "planning/UClasses.h"
#include "planning/UDatei.h"
#include "planning/UZusatz.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// A project read from a file: new lists, handed over only when the whole file was read.
struct TProjektErgebnis
{
    std::unique_ptr<TLehrerliste> Lehrer;
    std::unique_ptr<TKlassenliste> Klassen;
    TProjektZusatz Zusatz; // timetable settings and kept plan (version 3)
    int Version = 0;   // format version of the file
    QString Fehler;    // German message for the user; empty when the file was read
    TDateiStand Stand; // the file as it was read: a later save of it checks that it is still so

    bool Ok() const { return Fehler.isEmpty(); }
};

// Reads the project file into new lists; on any failure Fehler names the file and
// Lehrer and Klassen hold nothing. The current project is never touched: the caller
// replaces its lists only when Ok().
TProjektErgebnis ProjektLesen(const QString& dateiname);
TProjektErgebnis ProjektAusBytes(const QByteArray& bytes, const QString& dateiname);

// The bytes of the project file: version 2 when the project uses nothing of version 3
// (no extra data, no teacher who may chair), else version 3.
QByteArray ProjektBytes(const TLehrerliste& lehrer, const TKlassenliste& klassen,
                        const TProjektZusatz& zusatz = TProjektZusatz());
// Writes the project safely (temporary file renamed over the target after every byte was
// written). Returns the German error message, or the empty text on success. With erwartet
// (the Stand of the file as it was read, or of a file not there yet) another program's save
// in between is never overwritten: GeaendertMeldung, and the file stays the other's; neu
// receives the file as written.
QString ProjektSchreiben(const QString& dateiname, const TLehrerliste& lehrer, const TKlassenliste& klassen,
                         const TProjektZusatz& zusatz = TProjektZusatz(), const TDateiStand* erwartet = nullptr,
                         TDateiStand* neu = nullptr);

// The texts of the project that the project file cannot hold as they are, because they have
// characters outside Windows-1252 (written as "?"): abbreviations, names, salutations and
// subjects of the teachers, designations of the classes, salutations and names of the parent
// representatives. Each text once, in the order of the lists.
QStringList NichtSpeicherbareTexte(const TLehrerliste& lehrer, const TKlassenliste& klassen);
// Each such text with the record it belongs to and what the file would hold instead, one
// line each: "Lehrkraft ŁA: Kürzel "ŁA" wird zu "?A"."
QStringList NichtSpeicherbareStellen(const TLehrerliste& lehrer, const TKlassenliste& klassen);
// Abbreviations that differ in the project but would be equal in the file, so that the
// classes (which name their teachers by abbreviation) would read back the wrong teacher:
// one line per stored abbreviation, "Die Kürzel "ŁA" und "ŚA" werden beide zu "?A"."
QStringList GleicheKuerzelImSpeicher(const TLehrerliste& lehrer);
