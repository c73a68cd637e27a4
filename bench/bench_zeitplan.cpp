// The order of the time slots against its goal, in one run and one table: on generated
// schools of 30 to 130 classes the total waiting of the teachers in class order (as the
// search gives the slots), after the ordering search of the program, and against a
// reference: every order where there are at most 8 slots, a long annealing run (several
// seeds, a large budget) on the larger ones. Then the choice among several plans with the
// fewest slots: the best ordered waiting of up to K plans against the first plan's, and the
// choice the program makes (PlanMitWenigWarten after a loop of the same budget).
//
//   bench_zeitplan [--referenz EINHEITEN] [--plaene K]
#include "Benchmarkschulen.h"
#include "distribution/UOptimierung.h"
#include "distribution/UPlanwahl.h"
#include "distribution/UReihenfolge.h"
#include "distribution/UZeitplan.h"

#include <QSet>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// One long day, so that no class is left out and only the waiting differs.
TZeitplanEinstellungen langerTag()
{
    TZeitplanEinstellungen e;
    e.Tage = {{46412.0, 7 * 60, 24 * 60}};
    e.Sonderdauern = {{QStringLiteral("Q2"), 30}, {QStringLiteral("Q1"), 30}};
    return e;
}

struct TPlanErgebnis
{
    TPlanZeilen Erster;                 // the first plan with the fewest slots
    QList<TPlanZeilen> Weitere;         // other plans with as few slots, distinct
};

// The optimisation for a fixed work budget; keeps the distinct plans with the fewest slots.
TPlanErgebnis plaeneSuchen(const TSchule& schule, int grenze, long long einheiten, int hoechstens)
{
    TOptimierung optimierung(*schule.Klassen, grenze, false, {});
    TZufall zufall(7);
    TPlanErgebnis ergebnis;
    QSet<QString> gesehen;
    int wenigste = 1 << 30;
    while (optimierung.Arbeit() < einheiten) {
        const TVerteilungsMass mass = optimierung.Schritt(zufall);
        if (mass.Zeilen > wenigste)
            continue;
        const TPlanZeilen zeilen = PlanZeilen(*optimierung.Plan());
        QString schluessel;
        for (const auto& zeile : zeilen) {
            for (const TKlasse* k : zeile)
                schluessel += k->Bezeichnung + u',';
            schluessel += u'|';
        }
        if (mass.Zeilen < wenigste) {
            wenigste = mass.Zeilen;
            gesehen.clear();
            ergebnis = {zeilen, {}};
        } else if (!gesehen.contains(schluessel) && ergebnis.Weitere.size() + 1 < hoechstens) {
            ergebnis.Weitere << zeilen;
        }
        gesehen.insert(schluessel);
    }
    return ergebnis;
}

// The total waiting of the plan the program chooses after a loop of the same budget.
int programmWahl(const TSchule& schule, int grenze, const TZeitplanEinstellungen& e)
{
    TOptimierung optimierung(*schule.Klassen, grenze, false, {});
    TZufall zufall(7);
    OptimierungLaufen(optimierung, zufall, TLaufGrenze(0, 300'000), Wanduhr);
    const TPlanZeilen zeilen = PlanMitWenigWarten(optimierung, zufall, false, e, {}, ReihenfolgeEinheiten);
    return ZeitplanBerechnen(zeilen, e, {}).Wartezeit.Gesamt;
}

int gesamt(const TZeitplanRechnung& r, const std::vector<int>& reihe)
{
    return r.Bewerten(reihe).Gesamt;
}

double prozent(double teil, double ganz)
{
    return ganz > 0 ? 100.0 * teil / ganz : 0.0;
}

struct TZeile
{
    int Klassen, Grenze, Slots;
    int Vorher, Nachher, Referenz, Auswahl, Programm;
    double Sekunden;
    bool Erschoepfend;
};

} // namespace

int main(int argc, char** argv)
{
    long long referenz = 4'000'000;
    int plaene = 8;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--referenz"))
            referenz = std::atoll(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--plaene"))
            plaene = std::atoi(argv[i + 1]);
    }
    const TZeitplanEinstellungen e = langerTag();
    std::vector<TZeile> zeilen;
    std::printf("Klassen Grenze Slots  vorher  nachher  Referenz  Auswahl(%d)  Programm  Sek.Ordnung  Referenzart\n",
                plaene);
    // schools with few slots at large limits; school-like ones at the limits 4 and 6
    // (few slots need few teachers per class: 3 to 5 of 120)
    struct TFall
    {
        int Klassen, Grenze;
        std::uint32_t Startwert;
        bool Wenige = false;
    };
    std::vector<TFall> faelle;
    for (std::uint32_t s = 1; s <= 20; ++s)
        faelle.push_back({30 + static_cast<int>(s), 8 + static_cast<int>(s % 3), 7000 + s, true});
    for (int klassen : {30, 60, 90, 130})
        for (std::uint32_t s = 1; s <= 3; ++s)
            faelle.push_back({klassen, s == 3 ? 6 : 4, 9000 + s + 10 * static_cast<std::uint32_t>(klassen)});

    for (const TFall& f : faelle) {
        const TSchule schule = f.Wenige ? SchuleErzeugen(f.Klassen, f.Startwert, TSchulOptionen{120, 3, 5, 0})
                                        : SchuleErzeugen(f.Klassen, f.Startwert);
        const TPlanErgebnis gefunden = plaeneSuchen(schule, f.Grenze, 300'000, plaene);
        const TZeitplanRechnung r(gefunden.Erster, e, {});
        const std::vector<int> start = Klassenreihenfolge(gefunden.Erster, r.BelegteZeilen());
        const double t0 = Rechenzeit();
        // the annealing alone, so that the small cases test it rather than the exhaustive search
        const std::vector<int> geordnet = ReihenfolgeGluehen(r, start, ReihenfolgeEinheiten);
        const double sekunden = Rechenzeit() - t0;
        const bool erschoepfend = start.size() <= 8;
        int best = gesamt(r, geordnet);
        if (erschoepfend) {
            best = gesamt(r, ReihenfolgeErschoepfend(r));
        } else {
            for (std::uint32_t saat = 11; saat <= 13; ++saat)
                best = std::min(best, gesamt(r, ReihenfolgeGluehen(r, start, referenz, saat)));
        }
        int auswahl = gesamt(r, geordnet);
        for (const TPlanZeilen& anderer : gefunden.Weitere) {
            const TZeitplanRechnung ra(anderer, e, {});
            auswahl = std::min(auswahl, gesamt(ra, ReihenfolgeGluehen(ra, ra.BelegteZeilen(), ReihenfolgeEinheiten)));
        }
        const TZeile z{f.Klassen, f.Grenze, static_cast<int>(start.size()), gesamt(r, start), gesamt(r, geordnet),
                       best, auswahl, programmWahl(schule, f.Grenze, e), sekunden, erschoepfend};
        zeilen.push_back(z);
        std::printf("%7d %6d %5d %7d %8d %9d %11d %9d %12.3f  %s (+%lld Pläne)\n", z.Klassen, z.Grenze, z.Slots,
                    z.Vorher, z.Nachher, z.Referenz, z.Auswahl, z.Programm, z.Sekunden,
                    erschoepfend ? "alle Reihenfolgen" : "3 lange Läufe", static_cast<long long>(gefunden.Weitere.size()));
        std::fflush(stdout);
    }

    int klein = 0, kleinOptimal = 0, gross = 0, grossIn2 = 0;
    double einsparung = 0, auswahlGewinn = 0, programmGewinn = 0, abstand = 0, weitester = 0;
    for (const TZeile& z : zeilen) {
        if (z.Erschoepfend) {
            ++klein;
            kleinOptimal += z.Nachher == z.Referenz;
        } else {
            ++gross;
            grossIn2 += z.Nachher <= z.Referenz * 1.02;
            abstand += prozent(z.Nachher - z.Referenz, z.Referenz);
            weitester = std::max(weitester, prozent(z.Nachher - z.Referenz, z.Referenz));
        }
        einsparung += prozent(z.Vorher - z.Nachher, z.Vorher);
        auswahlGewinn += prozent(z.Nachher - z.Auswahl, z.Nachher);
        programmGewinn += prozent(z.Nachher - z.Programm, z.Nachher);
    }
    const double n = static_cast<double>(zeilen.size());
    std::printf("\nHöchstens 8 Slots: %d von %d mit dem Minimum aller Reihenfolgen (%.0f %%)\n", kleinOptimal, klein,
                prozent(kleinOptimal, klein));
    std::printf("Größere: %d von %d höchstens 2 %% über dem langen Lauf, im Mittel %.2f %%, höchstens %.2f %% darüber\n",
                grossIn2, gross, gross ? abstand / gross : 0.0, weitester);
    std::printf("Ersparnis gegen die Reihenfolge der Suche: im Mittel %.1f %%\n", einsparung / n);
    std::printf("Auswahl unter bis zu %d Plänen mit den wenigsten Slots: im Mittel weitere %.1f %%\n", plaene,
                auswahlGewinn / n);
    std::printf("Auswahl des Programms (PlanMitWenigWarten, höchstens %d Pläne): im Mittel weitere %.1f %%\n",
                PlanwahlHoechstens, programmGewinn / n);
    return 0;
}
