#pragma once

#include "planning/UClasses.h"
#include "planning/UZusatz.h"

#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <optional>

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

// ---- the functions of the timetable (distribution/UZeitplan.cpp and its companions); the
// window, simultano-cli and the outputs all go through them.

struct TKonfliktArten;

// The settings in effect: the project's where it has them, else one day (the earliest
// conference date of the classes, else heute) from 14:00 to 18:00, 20 minutes, 5 minutes
// changeover, no rooms of its own.
TZeitplanEinstellungen WirksameEinstellungen(const std::optional<TZeitplanEinstellungen>& projekt,
                                             const TKlassenliste& klassen, double heute);
// The rooms for a plan of the given limit: the named ones, else "Raum 1" ... "Raum N".
// Fewer named rooms than the limit lower the limit (Raeume.size()).
QStringList Raumnamen(const TZeitplanEinstellungen& einstellungen, int grenze);
// The length of the class's conference: its own duration (by designation, then by grade
// level), else the default.
int Konferenzdauer(const TZeitplanEinstellungen& einstellungen, const TKlasse& klasse);
// The timetable of the rows in their order: times, days, rooms, the classes that fit into no
// day, and the waiting of the teachers (Vorher: the same rows in class order of their first
// classes, the order the search gives them). Who sits in a conference: its teachers, and its
// chair when arten.Vorsitz is set.
TZeitplan ZeitplanBerechnen(const TPlanZeilen& zeilen, const TZeitplanEinstellungen& einstellungen,
                            const TKonfliktArten& arten);
// The order of the rows with the least total waiting (then the least largest waiting)
// found within the work budget; the rows themselves stay as they are.
TPlanZeilen ReihenfolgeOptimieren(const TPlanZeilen& zeilen, const TZeitplanEinstellungen& einstellungen,
                                  const TKonfliktArten& arten, long arbeitseinheiten);
// The timetable as the JSON object of "simultano-cli zeitplan --json" (UTF-8, one line).
QByteArray ZeitplanJson(const TZeitplan& zeitplan, int zeilen, int untergrenze, bool optimal);

// ---- helpers for the window, the command line and the outputs

// The groups of a distribution as rows of a plan, in its order.
TPlanZeilen PlanZeilen(const TVerteilung& verteilung);
// The rows of a plan as a distribution, in their order; empty cells and rows left out.
std::unique_ptr<TVerteilung> VerteilungAus(const TPlanZeilen& zeilen);
// "14:25"
QString UhrzeitText(int minuten);
// "40 min", "1 h 05 min"
QString DauerText(int minuten);
// "Dienstag, 26.01.2027"
QString TagText(double datum);
// "Wartezeit gesamt 14 h 20 min, vorher 31 h 05 min; längste 1 h 40 min"
QString WartezeitText(const TWartezeiten& wartezeit);
// The message for the classes that fit into no day; empty when all fit.
QString NichtUntergebrachtText(const TZeitplan& zeitplan);
// The timetable as readable lines: per day its name, per slot its times and the classes with
// their rooms, then the classes without a place and the waiting.
QString ZeitplanText(const TZeitplan& zeitplan);
// The timetable entry of a class, null when it has none.
const TTermin* TerminVon(const TZeitplan& zeitplan, const TKlasse* klasse);
// The timetable of the plan kept in the project, with the project's settings (heute as in
// WirksameEinstellungen); none without a kept plan. It gives the minutes texts their
// "<Beginn>" and "<Raum>", in the window and on the command line alike.
std::optional<TZeitplan> GehaltenerZeitplan(const TProjektZusatz& zusatz, const TKlassenliste& klassen, double heute);
