#include "ausgabe/UKonferenzliste.h"

#include "planning/UFunctions.h"


#include <algorithm>

QString RollenText(TRolle rolle)
{
    switch (rolle) {
    case TRolle::Vorsitz:
        return QStringLiteral("Vorsitz");
    case TRolle::Klassenleitung:
        return QStringLiteral("Klassenleitung");
    case TRolle::Fachlehrkraft:
        break;
    }
    return QStringLiteral("Fachlehrkraft");
}

std::optional<TRolle> RolleIn(const TKlasse& klasse, const TLehrer* lehrer)
{
    if (lehrer == nullptr)
        return std::nullopt;
    if (klasse.Vorsitz == lehrer)
        return TRolle::Vorsitz;
    if (klasse.K_Leitung.contains(lehrer))
        return TRolle::Klassenleitung;
    if (klasse.Unterrichtende.contains(lehrer))
        return TRolle::Fachlehrkraft;
    return std::nullopt;
}

QList<TLehrer*> Teilnehmende(const TKlasse& klasse)
{
    QList<TLehrer*> alle;
    auto hinzu = [&alle](TLehrer* lehrer) {
        if (lehrer != nullptr && !alle.contains(lehrer))
            alle << lehrer;
    };
    hinzu(klasse.Vorsitz);
    for (TLehrer* lehrer : klasse.K_Leitung)
        hinzu(lehrer);
    for (TLehrer* lehrer : klasse.Unterrichtende)
        hinzu(lehrer);
    return alle;
}

QList<TLehrkraftPlan> LehrkraftPlaene(const TZeitplan& zeitplan, const TLehrerliste& lehrer)
{
    QHash<const TLehrer*, QList<TEinsatz>> nachLehrer;
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& fenster : tag.Zeitfenster)
            for (const TTermin& termin : fenster.Konferenzen) {
                if (termin.Klasse == nullptr)
                    continue;
                for (const TLehrer* person : Teilnehmende(*termin.Klasse))
                    nachLehrer[person] << TEinsatz{tag.Datum, termin, *RolleIn(*termin.Klasse, person)};
            }
    QList<TLehrkraftPlan> plaene;
    for (const TLehrer* person : lehrer) {
        QList<TEinsatz> einsaetze = nachLehrer.value(person);
        if (einsaetze.isEmpty())
            continue;
        std::stable_sort(einsaetze.begin(), einsaetze.end(), [](const TEinsatz& a, const TEinsatz& b) {
            return a.Datum != b.Datum ? a.Datum < b.Datum : a.Termin.Beginn < b.Termin.Beginn;
        });
        plaene << TLehrkraftPlan{person, einsaetze};
    }
    return plaene;
}

QStringList RaeumeNachSpalte(const TZeitplan& zeitplan)
{
    QStringList raeume;
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& fenster : tag.Zeitfenster)
            for (const TTermin& termin : fenster.Konferenzen) {
                if (termin.Spalte >= raeume.size())
                    raeume.resize(termin.Spalte + 1);
                raeume[termin.Spalte] = termin.Raum;
            }
    return raeume;
}

QList<TRaumTag> RaumPlaene(const TZeitplan& zeitplan)
{
    const int spalten = static_cast<int>(RaeumeNachSpalte(zeitplan).size());
    QList<TRaumTag> plaene;
    for (const TPlanTag& tag : zeitplan.Tage) {
        QList<TRaumTag> jeSpalte(spalten);
        for (const TZeitfenster& fenster : tag.Zeitfenster)
            for (const TTermin& termin : fenster.Konferenzen) {
                TRaumTag& raum = jeSpalte[termin.Spalte];
                raum.Datum = tag.Datum;
                raum.Raum = termin.Raum;
                raum.Termine << termin;
            }
        for (TRaumTag& raum : jeSpalte) {
            if (raum.Termine.isEmpty())
                continue;
            std::stable_sort(raum.Termine.begin(), raum.Termine.end(),
                             [](const TTermin& a, const TTermin& b) { return a.Beginn < b.Beginn; });
            plaene << raum;
        }
    }
    return plaene;
}

QString Zeitspanne(int beginn, int ende)
{
    return UhrzeitText(beginn) + QChar(0x2013) + UhrzeitText(ende);
}

QString LehrkraftText(const TLehrer* lehrer)
{
    const QString name = LeerzeichenBereinigen(lehrer->Anrede + QLatin1Char(' ') + lehrer->Name);
    return name.isEmpty() ? lehrer->Kuerzel : name + QStringLiteral(" (") + lehrer->Kuerzel + QLatin1Char(')');
}

QString VorsitzText(const TKlasse& klasse)
{
    return klasse.Vorsitz != nullptr ? LehrkraftText(klasse.Vorsitz) : QStringLiteral("nicht festgelegt");
}
