// The timetable in words: times, durations, days, the waiting and the readable timetable.
#include "distribution/UZeitplan.h"

#include "distribution/USuche.h"

#include "planning/UFunctions.h"

TPlanZeilen PlanZeilen(const TVerteilung& verteilung)
{
    TPlanZeilen zeilen;
    for (const TGruppe* gruppe : verteilung)
        zeilen << *gruppe;
    return zeilen;
}

std::unique_ptr<TVerteilung> VerteilungAus(const TPlanZeilen& zeilen)
{
    auto verteilung = std::make_unique<TVerteilung>();
    for (const QList<TKlasse*>& zeile : zeilen) {
        auto gruppe = std::make_unique<TGruppe>();
        for (TKlasse* k : zeile)
            if (k)
                gruppe->append(k);
        if (!gruppe->isEmpty())
            verteilung->Add(std::move(gruppe));
    }
    return verteilung;
}

QString UhrzeitText(int minuten)
{
    return QStringLiteral("%1:%2").arg(minuten / 60, 2, 10, QLatin1Char('0')).arg(minuten % 60, 2, 10, QLatin1Char('0'));
}

QString DauerText(int minuten)
{
    if (minuten < 60)
        return QStringLiteral("%1 min").arg(minuten);
    return QStringLiteral("%1 h %2 min").arg(minuten / 60).arg(minuten % 60, 2, 10, QLatin1Char('0'));
}

QString TagText(double datum)
{
    static const char* const wochentage[] = {"Montag", "Dienstag", "Mittwoch", "Donnerstag",
                                             "Freitag", "Samstag", "Sonntag"};
    const QDate tag = WertZuDatum(datum).date();
    if (!tag.isValid())
        return DatumText(datum);
    return QString::fromUtf8(wochentage[tag.dayOfWeek() - 1]) + QStringLiteral(", ") + DatumText(datum);
}

QString WartezeitText(const TWartezeiten& w)
{
    return QStringLiteral("Wartezeit gesamt %1, vorher %2; längste %3")
        .arg(DauerText(w.Gesamt), DauerText(w.Vorher), DauerText(w.Hoechste));
}

QString NichtUntergebrachtText(const TZeitplan& zeitplan)
{
    if (zeitplan.NichtUntergebracht.isEmpty())
        return {};
    QStringList klassen;
    for (const TKlasse* k : zeitplan.NichtUntergebracht)
        klassen << k->Bezeichnung;
    return QStringLiteral("Die Konferenztage reichen nicht für alle Konferenzen. Ohne Termin: %1").arg(klassen.join(QStringLiteral(", ")));
}

QString ZeitplanText(const TZeitplan& zeitplan)
{
    QString text;
    for (const TPlanTag& tag : zeitplan.Tage) {
        if (!text.isEmpty())
            text += u'\n';
        text += TagText(tag.Datum) + u'\n';
        for (const TZeitfenster& f : tag.Zeitfenster) {
            QStringList termine;
            for (const TTermin& t : f.Konferenzen) {
                QString termin = t.Raum + QStringLiteral(": ") + t.Klasse->Bezeichnung;
                if (t.Ende != f.Ende)
                    termin += QStringLiteral(" (bis %1)").arg(UhrzeitText(t.Ende));
                termine << termin;
            }
            text += QStringLiteral("%1-%2  %3\n").arg(UhrzeitText(f.Beginn), UhrzeitText(f.Ende), termine.join(QStringLiteral("; ")));
        }
    }
    const QString draussen = NichtUntergebrachtText(zeitplan);
    if (!draussen.isEmpty())
        text += u'\n' + draussen + u'\n';
    return text + u'\n' + WartezeitText(zeitplan.Wartezeit) + u'\n';
}

const TTermin* TerminVon(const TZeitplan& zeitplan, const TKlasse* klasse)
{
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& f : tag.Zeitfenster)
            for (const TTermin& t : f.Konferenzen)
                if (t.Klasse == klasse)
                    return &t;
    return nullptr;
}

std::optional<TZeitplan> GehaltenerZeitplan(const TProjektZusatz& zusatz, const TKlassenliste& klassen, double heute)
{
    if (!zusatz.Plan)
        return std::nullopt;
    return ZeitplanBerechnen(zusatz.Plan->Zeilen, WirksameEinstellungen(zusatz.Zeitplan, klassen, heute), TKonfliktArten{});
}
