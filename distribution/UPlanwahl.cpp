#include "distribution/UPlanwahl.h"

#include "distribution/UOptimierung.h"
#include "distribution/USuche.h"
#include "distribution/UVerteilung.h"

#include <QSet>

#include <tuple>

namespace {

// A plan's groups as sets of classes, independent of the order of groups and classes.
QSet<QSet<const TKlasse*>> schluessel(const TPlanZeilen& zeilen)
{
    QSet<QSet<const TKlasse*>> gruppen;
    for (const QList<TKlasse*>& zeile : zeilen) {
        QSet<const TKlasse*> gruppe;
        for (const TKlasse* k : zeile)
            gruppe.insert(k);
        gruppen.insert(gruppe);
    }
    return gruppen;
}

// The total waiting, then the largest.
std::tuple<int, int> wartezeit(const TPlanZeilen& zeilen, const TZeitplanEinstellungen& einstellungen,
                               const TKonfliktArten& arten)
{
    const TWartezeiten w = ZeitplanBerechnen(zeilen, einstellungen, arten).Wartezeit;
    return {w.Gesamt, w.Hoechste};
}

bool ebensoGut(TVerteilungsMass mass, TVerteilungsMass bestes, bool spalten)
{
    return mass.Zeilen == bestes.Zeilen && (!spalten || mass.Spalten <= bestes.Spalten);
}

} // namespace

TPlanZeilen PlanMitWenigWarten(TOptimierung& optimierung, TZufall& zufall, bool spalten,
                               const TZeitplanEinstellungen& einstellungen, const TKonfliktArten& arten,
                               long long einheiten)
{
    QList<TPlanZeilen> plaene{PlanZeilen(*optimierung.BesterPlan())};
    QList<QSet<QSet<const TKlasse*>>> gesehen{schluessel(plaene.first())};
    TVerteilungsMass bestes = optimierung.Bestes();
    for (int schritt = 0; schritt < PlanwahlSchritte && plaene.size() < PlanwahlHoechstens; ++schritt) {
        const TVerteilungsMass mass = optimierung.Schritt(zufall);
        if (Besser(optimierung.Bestes(), bestes, spalten)) {
            bestes = optimierung.Bestes();
            plaene = {PlanZeilen(*optimierung.BesterPlan())};
            gesehen = {schluessel(plaene.first())};
            continue;
        }
        if (!ebensoGut(mass, bestes, spalten))
            continue;
        const TPlanZeilen zeilen = PlanZeilen(*optimierung.Plan());
        const QSet<QSet<const TKlasse*>> neu = schluessel(zeilen);
        if (gesehen.contains(neu))
            continue;
        gesehen << neu;
        plaene << zeilen;
    }
    // the best plan ordered as without a choice, so that the choice never waits longer
    const TPlanZeilen erster = ReihenfolgeOptimieren(plaene.first(), einstellungen, arten, einheiten);
    if (plaene.size() == 1)
        return erster;
    TPlanZeilen gewaehlt;
    std::tuple<int, int> wenigstes{0, 0};
    for (qsizetype i = 1; i < plaene.size(); ++i) {
        const TPlanZeilen geordnet =
            ReihenfolgeOptimieren(plaene[i], einstellungen, arten, einheiten / (plaene.size() - 1));
        const std::tuple<int, int> wert = wartezeit(geordnet, einstellungen, arten);
        if (gewaehlt.isEmpty() || wert < wenigstes) {
            gewaehlt = geordnet;
            wenigstes = wert;
        }
    }
    gewaehlt = ReihenfolgeOptimieren(gewaehlt, einstellungen, arten, einheiten);
    return wartezeit(gewaehlt, einstellungen, arten) < wartezeit(erster, einstellungen, arten) ? gewaehlt : erster;
}
