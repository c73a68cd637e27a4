#pragma once

#include "planning/UClasses.h"
#include "planning/UZusatz.h"

#include <QList>
#include <QMap>
#include <QString>

// The timetable of the conference afternoon, worked out from the rows of a plan (each row a
// time slot, each column a room) and the timetable settings. Times are minutes since midnight.

// The rows of a plan as shown: per time slot the classes by column; null marks an empty cell.
using TPlanZeilen = QList<QList<TKlasse*>>;

// One conference: its class, room and time.
struct TTermin
{
    TKlasse* Klasse = nullptr; // not owned
    QString Raum;
    int Spalte = 0;            // the column of the plan, which gives the room
    int Beginn = 0;
    int Ende = 0;
};

// The conferences held at the same time: the slot begins with all of them and ends with
// its longest.
struct TZeitfenster
{
    int Zeile = 0;             // the row of the plan
    int Beginn = 0;
    int Ende = 0;
    QList<TTermin> Konferenzen;
};

struct TPlanTag
{
    double Datum = 0.0;        // days since 30 December 1899
    QList<TZeitfenster> Zeitfenster;
};

// Waiting of the teachers on their days, in minutes: from the start of a teacher's first
// conference of a day to the end of the last, less the time in their own conferences.
struct TWartezeiten
{
    int Gesamt = 0;
    int Hoechste = 0;
    int Vorher = 0;                   // the total of the same slots in the order the search found them
    QMap<QString, int> JeLehrkraft;   // by abbreviation
};

struct TZeitplan
{
    QList<TPlanTag> Tage;
    QList<TKlasse*> NichtUntergebracht; // classes whose slot fits into no day
    int Wechsel = 5;
    TWartezeiten Wartezeit;
};
