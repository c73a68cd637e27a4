#pragma once

#include "planning/UClasses.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Data of a project beyond the teachers and classes: the settings of the conference
// afternoon and the plan kept from the result window. A project that has none of them (and
// no teacher marked "darf Konferenzen leiten") is written as version 2, byte for byte as
// before; otherwise as version 3, whose extra sections follow the class list.

// One conference day: its date (days since 30 December 1899) and the time frame in minutes
// since midnight.
struct TKonferenztag
{
    double Datum = 0.0;
    int Beginn = 14 * 60;
    int Ende = 18 * 60;

    bool operator==(const TKonferenztag&) const = default;
};

// A duration of its own for some conferences: Klassen names a class designation or a grade
// level ("Q2", "10").
struct TSonderdauer
{
    QString Klassen;
    int Minuten = 20;

    bool operator==(const TSonderdauer&) const = default;
};

// The timetable settings of a project.
struct TZeitplanEinstellungen
{
    QList<TKonferenztag> Tage;        // empty: one day, the earliest conference date or today
    int Dauer = 20;                   // minutes per conference
    QList<TSonderdauer> Sonderdauern;
    int Wechsel = 5;                  // minutes between two time slots
    QStringList Raeume;               // empty: "Raum 1" ... "Raum N" for the limit N

    bool operator==(const TZeitplanEinstellungen&) const = default;
};

// The plan as the result window showed it: its rows in their order, each row the classes
// of one time slot by column (the column is the room); null marks an empty cell. The
// classes belong to the project's class list.
struct TGehaltenerPlan
{
    int Grenze = 4;                   // the limit of parallel conferences it was made for
    QList<QList<TKlasse*>> Zeilen;

    bool operator==(const TGehaltenerPlan&) const = default;
};

struct TProjektZusatz
{
    std::optional<TZeitplanEinstellungen> Zeitplan;
    std::optional<TGehaltenerPlan> Plan;

    bool Leer() const { return !Zeitplan && !Plan; }
    bool operator==(const TProjektZusatz&) const = default;
};

// Takes the class out of the kept plan (its cell becomes empty; a row left empty goes).
void AusPlanEntfernen(TProjektZusatz& zusatz, const TKlasse* klasse);

// ---- the extra sections of version 3 files, after the class list: a negated count, then
// per section its name (str), its length in bytes (int32) and its content. A reader skips a
// section it does not know; a known one must be read to its last byte.

// True when the project needs version 3: extra data, or a teacher who may chair.
bool BrauchtVersion3(const TLehrerliste& lehrer, const TProjektZusatz& zusatz);
void ZusatzSpeichern(TMyStream& DS, const TLehrerliste& lehrer, const TKlassenliste& klassen,
                     const TProjektZusatz& zusatz);
// Reads the sections; marks the teachers who may chair. Throws a TFehler on damage.
TProjektZusatz ZusatzOeffnen(TMyStream& DS, const TLehrerliste& lehrer, const TKlassenliste& klassen);
