#pragma once

#include "planning/UClasses.h"
#include "planning/UZusatz.h"

#include <QList>
#include <QString>

// The changes a user makes by hand to the teachers, the classes and their conferences.
// Each function keeps the invariants of the lists (no duplicate designations or
// abbreviations, no reference to a teacher who is gone, leaders and chair only among the
// teachers of a class where the class leadership is concerned) and sets Geaendert
// whenever it changed something. The windows call them; they do not change lists themselves.

// ---- classes

// Adds a class of that designation and sorts the classes; null when the designation exists.
TKlasse* KlasseHinzufuegen(TKlassenliste& klassen, const QString& bezeichnung);
// Gives the class a new designation and sorts the classes; false (nothing changed) when
// another class has that designation. Its own designation is accepted and counts as a change.
bool KlasseUmbenennen(TKlassenliste& klassen, TKlasse& klasse, const QString& bezeichnung);
// Destroys the classes with their own lists; the teachers stay. A distribution that shows
// one of them is out of date and is emptied; a kept plan loses their cells.
void KlassenLoeschen(TKlassenliste& klassen, TVerteilung& verteilung, const QList<TKlasse*>& weg,
                     TProjektZusatz* zusatz = nullptr);

// ---- teachers

enum class TKuerzelFehler { Keiner, Vergeben, MitSchraegstrich };

// What speaks against giving a teacher this abbreviation: teachers are found by
// abbreviation, so it must be unique (eigener may keep its own); and a new or changed
// abbreviation may not hold a "/", which would be confusing where the abbreviations of
// several teachers are shown joined by "/" ("AB/CD"). An abbreviation that already holds
// one (imported so) may be kept.
TKuerzelFehler KuerzelPruefen(const TLehrerliste& lehrer, const QString& kuerzel, const TLehrer* eigener = nullptr);
// Adds a teacher and sorts the teachers; the error of KuerzelPruefen, with nothing added,
// when it objects.
TKuerzelFehler LehrerHinzufuegen(TLehrerliste& lehrer, const QString& kuerzel, const QString& anrede,
                                 const QString& name);
// Sets abbreviation, salutation and name and sorts the teachers; the error of
// KuerzelPruefen, with nothing changed, when it objects.
TKuerzelFehler LehrerAendern(TLehrerliste& lehrer, TLehrer& l, const QString& kuerzel, const QString& anrede,
                             const QString& name);
// The mark "darf Konferenzen leiten"; Geaendert only when it changes.
void LeitenSetzen(TLehrer& lehrer, bool darf);
// Removes the teachers from every class (taught, leadership, chair, grade-level leadership)
// and destroys them.
void LehrerLoeschen(TLehrerliste& lehrer, TKlassenliste& klassen, const QList<TLehrer*>& weg);

// ---- who teaches where

// Removes the teachers from the class; they no longer lead it or chair its conference.
void AusKlasseEntfernen(TKlasse& klasse, const QList<TLehrer*>& weg);
// Appends the teachers the class does not have yet and sorts its teachers; the number appended.
int LehrerZuweisen(TKlasse& klasse, const QList<TLehrer*>& lehrer);

enum class TRolle { Lehrkraft, Klassenleitung, Vorsitz };

// The role of a teacher in a class; the chair wins over class leadership.
TRolle Rolle(const TKlasse& klasse, const TLehrer* lehrer);
// The class leadership button: a plain teacher becomes class leader, a class leader a plain
// teacher, and a chair loses the chair.
void KlassenleitungUmschalten(TKlasse& klasse, TLehrer* lehrer);

// ---- conferences

// The chair of every class; null clears it. The chair need not teach the class.
void VorsitzSetzen(const QList<TKlasse*>& klassen, TLehrer* vorsitz);
// The conference date of every class (a calendar day value; 0 clears it).
void DatumSetzen(const QList<TKlasse*>& klassen, double datum);

// ---- parent representatives

// One more than the highest ID of all classes; beyond the largest ID when that is taken,
// which ElternID then refuses.
qint64 NaechsteElternID(const TKlassenliste& klassen);
// The ID of a text: a non-negative integer that the project file can hold, else -1.
int ElternID(const QString& text);
// Appends a representative to the class (id >= 0).
TEltern* ElternHinzufuegen(TKlasse& klasse, const QString& anrede, const QString& name, int id);
// Removes the representative from its class and destroys it; false when it is not there.
bool ElternEntfernen(TKlasse& klasse, const TEltern* eltern);
