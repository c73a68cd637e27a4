#pragma once

#include "ausgabe/UKonferenzliste.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The conferences as iCalendar files (RFC 5545) for calendar programs: times in the zone
// Europe/Berlin with its VTIMEZONE, UTF-8, CR LF, text escaped, lines folded at 75 octets.
//
// Each event's UID is made of the class, the day and the project's identity, so that a
// calendar importing the files of a changed plan again updates its events instead of adding
// them twice. The identity is the name of the project file without folder and extension,
// hashed: the same file gives the same UIDs wherever it lies; a project not saved yet
// counts as "unbenannt".

// The identity of the project file: 12 hexadecimal digits.
QString ProjektKennung(const QString& projektdatei);
// The UID of the conference of that class on that day.
QString KonferenzUid(const QString& kennung, const TKlasse& klasse, double datum);

// The text escaped for a TEXT value: backslash, semicolon, comma and line ends.
QString KalenderMaskieren(const QString& text);
// One content line in UTF-8, folded so that no line exceeds 75 octets (without CR LF) and
// no character is split, with CR LF after each part.
QByteArray KalenderZeile(const QString& zeile);

// One teacher's calendar: one event per conference, the description naming the role.
// stempel is the time of writing (DTSTAMP).
QByteArray LehrkraftKalender(const TLehrkraftPlan& plan, const QString& kennung, const QDateTime& stempel);
// Every conference of the timetable, for the school's calendar.
QByteArray SchulKalender(const TZeitplan& zeitplan, const QString& kennung, const QDateTime& stempel);
