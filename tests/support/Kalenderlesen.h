#pragma once

// Reads iCalendar files with libical, the reference reader the tests compare against.
#include <libical/ical.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

struct TGelesenesEreignis
{
    QString Uid;
    QString Titel;
    QString Ort;
    QString Beschreibung;
    QString Zone;          // the TZID of DTSTART
    QDateTime BeginnUtc;
    QDateTime EndeUtc;
};

struct TGelesenerKalender
{
    bool Gelesen = false;
    int Fehler = 0;        // the parse errors libical marked (X-LIC-ERROR)
    QList<TGelesenesEreignis> Ereignisse;
};

inline QDateTime KalenderZeitUtc(icaltimetype zeit)
{
    return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(zeit, zeit.zone), Qt::UTC);
}

inline TGelesenerKalender KalenderLesen(const QByteArray& text)
{
    TGelesenerKalender kalender;
    icalcomponent* wurzel = icalparser_parse_string(text.constData());
    if (wurzel == nullptr)
        return kalender;
    kalender.Gelesen = icalcomponent_isa(wurzel) == ICAL_VCALENDAR_COMPONENT;
    kalender.Fehler = icalcomponent_count_errors(wurzel);
    for (icalcomponent* e = icalcomponent_get_first_component(wurzel, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(wurzel, ICAL_VEVENT_COMPONENT)) {
        TGelesenesEreignis ereignis;
        ereignis.Uid = QString::fromUtf8(icalcomponent_get_uid(e));
        ereignis.Titel = QString::fromUtf8(icalcomponent_get_summary(e));
        ereignis.Ort = QString::fromUtf8(icalcomponent_get_location(e));
        ereignis.Beschreibung = QString::fromUtf8(icalcomponent_get_description(e));
        const icaltimetype beginn = icalcomponent_get_dtstart(e);
        ereignis.Zone = QString::fromUtf8(icaltime_get_tzid(beginn));
        ereignis.BeginnUtc = KalenderZeitUtc(beginn);
        ereignis.EndeUtc = KalenderZeitUtc(icalcomponent_get_dtend(e));
        kalender.Ereignisse << ereignis;
    }
    icalcomponent_free(wurzel);
    return kalender;
}
