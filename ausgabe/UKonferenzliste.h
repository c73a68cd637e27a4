#pragma once

#include "distribution/UZeitplan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The timetable seen by the people and rooms it concerns: each teacher's conferences and
// each room's conferences of a day. The printed pages and the calendar files are made from it.

enum class TRolle
{
    Vorsitz,
    Klassenleitung,
    Fachlehrkraft,
};

// "Vorsitz", "Klassenleitung", "Fachlehrkraft"
QString RollenText(TRolle rolle);
// The role of the teacher in the class's conference (the chair before the class leadership
// before teaching it); none when the teacher does not sit in it.
std::optional<TRolle> RolleIn(const TKlasse& klasse, const TLehrer* lehrer);
// Who sits in the class's conference: the chair, the class leadership, then the teachers,
// each once.
QList<TLehrer*> Teilnehmende(const TKlasse& klasse);

// One conference of a teacher.
struct TEinsatz
{
    double Datum = 0.0;
    TTermin Termin;
    TRolle Rolle = TRolle::Fachlehrkraft;
};

struct TLehrkraftPlan
{
    const TLehrer* Lehrer = nullptr;
    QList<TEinsatz> Einsaetze; // by day and beginning
};

// The plans of the teachers who sit in at least one conference, in the order of the list.
QList<TLehrkraftPlan> LehrkraftPlaene(const TZeitplan& zeitplan, const TLehrerliste& lehrer);

// The conferences of one room on one day, by beginning.
struct TRaumTag
{
    double Datum = 0.0;
    QString Raum;
    QList<TTermin> Termine;
};

// The rooms of the timetable by column: the room of each column that holds a conference.
QStringList RaeumeNachSpalte(const TZeitplan& zeitplan);
// Per day the rooms that are used, in the order of the columns.
QList<TRaumTag> RaumPlaene(const TZeitplan& zeitplan);

// "14:05–14:25"
QString Zeitspanne(int beginn, int ende);
// "Frau Berg (BER)"; the abbreviation alone when the name is empty
QString LehrkraftText(const TLehrer* lehrer);
// The chair as LehrkraftText, or "nicht festgelegt"
QString VorsitzText(const TKlasse& klasse);
