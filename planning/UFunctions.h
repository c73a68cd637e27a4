#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "planning/UClasses.h"

// ---- ordering of classes, teachers and conference groups

// Compares code unit by code unit after folding only the letters a-z to A-Z;
// the shorter string sorts first when one is a prefix of the other.
int TextVergleich(const QString& a, const QString& b);

// Grade level 0 to 13 of a designation (5a, EF, Q1, UIII, O2 ...); 0 when none is recognised.
int Klassenstufe(const QString& bezeichnung);

// Grade level first, then the designation.
int KlassenVergleich(const TKlasse* a, const TKlasse* b);
// Name first, then the abbreviation.
int LehrerVergleich(const TLehrer* a, const TLehrer* b);
// The class order applied to the first classes of two (never empty) groups.
int GruppenVergleich(const TGruppe* a, const TGruppe* b);

// ---- shared text helpers

// "Herr" becomes "Herrn"; every other salutation stays as it is.
QString AnredeGebeugt(const QString& anrede);
// Salutation, blank, name; the empty text for no teacher.
QString LehrerMitAnrede(const TLehrer* lehrer, bool gebeugt);
QString ElternMitAnrede(const TEltern* eltern, bool gebeugt);
// Escapes \ { } and writes every character above 127 as \'hh of its Windows-1252 byte;
// one that Windows-1252 lacks as \uN? (N its signed 16-bit code).
QString RtfMaskieren(const QString& text);
// "1. Halbjahr" (December to March), "2. Halbjahr" (April to November), "__. Halbjahr" without date.
QString HalbjahrText(double datum);
// Splits a list of abbreviations at "/", "," and blanks (comma-text rules with quotes;
// inside quotes "/" is part of the item).
// An empty text leaves the list untouched. True when the list holds an item afterwards.
bool ListeTeilen(const QString& text, QStringList& liste);
// The items of a list split at trenner, each without blanks at its ends; empty ones left out
// ("Aula, ,B 1" gives "Aula", "B 1").
QStringList Namensliste(const QString& text, QChar trenner);
// The largest parent-representative ID over all classes; 0 when there is none.
int HoechsteElternID(const TKlassenliste& klassen);
// The path relative to the program's folder ("./datei.rtf", "../x/datei.rtf"); unchanged
// when there is no relative path.
QString RelativerPfad(const QString& pfad, const QString& programmpfad);
// The abbreviations of the teachers joined by the separator ("AB/CD"); the empty text for none.
QString KuerzelVerbunden(const QList<TLehrer*>& lehrer, const QString& trenner = QStringLiteral("/"));
// The class leaders' abbreviations as the project file stores them: joined by "/"; an
// abbreviation that the splitting would not give back as itself (empty, or holding a blank,
// a control character, a comma, a slash or a quote) in double quotes with inner quotes doubled.
QString LeitungstextBilden(const QList<TLehrer*>& lehrer);
// Trims blanks (U+0020 only) at both ends and reduces inner runs of blanks to one.
QString LeerzeichenBereinigen(const QString& text);

// ---- calendar day values (days since 30 December 1899, time as fraction; 0 = no date)

// The day and time of a value as a UTC date-time, so that no local time zone shifts it:
// read its date() and time(); invalid for values that are no calendar day.
QDateTime WertZuDatum(double wert);
double DatumZuWert(const QDateTime& datum);
double DatumZuWert(const QDate& datum);
// "dd.mm.yyyy"
QString DatumText(double wert);
// A day as the user types it: "22.01.2027", "5.2.2027", "5.2.27" (a two-digit year is one
// of 2000 to 2099) or the digits alone, "22012027" or "220127"; blanks around it do not
// count. Invalid when the text names no day (31.02.2027 included).
QDate DatumLesen(const QString& text);
