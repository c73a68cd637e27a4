// The optimisation with "Vorsitz verteilen" against its lower bound.
//
//   bench_vorsitz [--sekunden S]
//
// Generated schools of 30 to 130 classes (three schools of each size) with 2, 3, 4 and 6
// teachers who may chair and no chair set by hand, at the limit of 6 parallel conferences:
// the share of runs whose rows reach the lower bound within S seconds (default 1) of CPU
// time of the running thread, the mean rows and bound, and the balance of the chairs given
// to the best plan (largest and smallest load, averaged).

#include "Benchmarkschulen.h"
#include "distribution/UOptimierung.h"
#include "distribution/UVorsitzVerteilen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct TZeile
{
    int laeufe = 0, erreicht = 0;
    double zeilen = 0, schranke = 0, hoechste = 0, niedrigste = 0;
};

TZeile messen(int klassenzahl, int vorsitzende, double sekunden)
{
    TZeile zeile;
    for (std::uint32_t schule = 1; schule <= 3; ++schule) {
        TSchule s = SchuleErzeugen(klassenzahl, 7000u * static_cast<std::uint32_t>(klassenzahl) + schule);
        for (TKlasse* k : *s.Klassen)
            k->Vorsitz = nullptr;
        TVorsitzEinstellung einstellung;
        for (int i = 0; i < vorsitzende; ++i)
            einstellung.Vorsitzende << s.Lehrer->Items(i * 7 % s.Lehrer->Count());
        TOptimierung optimierung(*s.Klassen, 6, false, {}, &einstellung);
        TZufall zufall(schule);
        OptimierungLaufen(optimierung, zufall, TLaufGrenze(sekunden), Rechenzeit);
        const auto plan = optimierung.BesterPlan();
        const TVorsitzZuteilung zuteilung = VorsitzBerechnen(*plan, einstellung);
        ++zeile.laeufe;
        zeile.erreicht += optimierung.Bestes().Zeilen <= optimierung.Untergrenze() && zuteilung.Moeglich ? 1 : 0;
        zeile.zeilen += optimierung.Bestes().Zeilen;
        zeile.schranke += optimierung.Untergrenze();
        zeile.hoechste += zuteilung.HoechsteLast;
        zeile.niedrigste += zuteilung.NiedrigsteLast;
    }
    return zeile;
}

} // namespace

int main(int argc, char** argv)
{
    double sekunden = 1;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--sekunden") == 0)
            sekunden = std::atof(argv[i + 1]);
    std::printf("Klassen  Vorsitzende  Schranke erreicht  Zeilen  Schranke  Last max  Last min\n");
    for (int vorsitzende : {2, 3, 4, 6}) {
        TZeile summe;
        for (int klassen : {30, 50, 70, 90, 110, 130}) {
            const TZeile z = messen(klassen, vorsitzende, sekunden);
            std::printf("%7d  %11d  %8d von %d  %6.1f  %8.1f  %8.1f  %8.1f\n", klassen, vorsitzende, z.erreicht, z.laeufe,
                        z.zeilen / z.laeufe, z.schranke / z.laeufe, z.hoechste / z.laeufe, z.niedrigste / z.laeufe);
            summe.laeufe += z.laeufe;
            summe.erreicht += z.erreicht;
        }
        std::printf("   alle  %11d  %5.0f %% (%d von %d)\n", vorsitzende, 100.0 * summe.erreicht / summe.laeufe,
                    summe.erreicht, summe.laeufe);
        std::fflush(stdout);
    }
    return 0;
}
