// The optimisation loop against its goal, and the time of the lower bound.
//
//   bench_optimierung [--tabelle] [--stichprobe] [Google Benchmark options]
//
// Always: the time of the lower bound (prepared search, conflict graph, largest clique) on
// generated schools of 30 to 130 classes, once with the teachers alone and once with
// chairs and parent representatives as well.
//
// --tabelle: on the generated schools of bench/Benchmarkschulen.h (30, 60, 90 and 120
// classes at the limits 2, 4, 6, 8 and 10, ten schools each), the share of runs that reach
// the best known number of rows (bench/referenzwerte.csv) within 0.1 s and within 1 s of
// CPU time of the running thread: the greedy loop alone (the search repeated, as the
// specified loop does) against greedy passes with the improving search between them.
// --stichprobe: the same for a sample of 300 schools of 20 to 130 classes at limits 2 to 10.
// Times are thread CPU time, so other processes on the machine disturb them little.

#include "Benchmarkschulen.h"
#include "distribution/UOptimierung.h"
#include "distribution/USuche.h"
#include "distribution/USucheGraph.h"
#include "support/Schulgenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

namespace {

// What an evaluation pays once for the lower bound.
void Untergrenze(benchmark::State& state)
{
    const TKlassenliste& klassen = *Benchmarkschule(static_cast<int>(state.range(0))).Klassen;
    const TKonfliktArten arten{state.range(1) != 0, state.range(1) != 0};
    for (auto _ : state) {
        const TSuche suche(klassen, arten);
        const TKonfliktgraph graph(suche);
        benchmark::DoNotOptimize(::Untergrenze(graph, 4));
    }
}
BENCHMARK(Untergrenze)->ArgsProduct({{30, 60, 90, 120, 130}, {0, 1}})->ArgNames({"Klassen", "VorsitzEltern"})->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- the table

using TSchluessel = std::tuple<int, std::uint32_t, int>;

std::map<TSchluessel, int> referenzwerteLesen()
{
    std::map<TSchluessel, int> werte;
    std::ifstream datei(BENCH_REFERENZWERTE);
    std::string zeile;
    while (std::getline(datei, zeile)) {
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::replace(zeile.begin(), zeile.end(), ',', ' ');
        std::istringstream felder(zeile);
        std::string satz;
        int klassen = 0, grenze = 0, untergrenze = 0, beste = 0;
        std::uint32_t startwert = 0;
        if (felder >> satz >> klassen >> startwert >> grenze >> untergrenze >> beste)
            werte[{klassen, startwert, grenze}] = beste;
    }
    return werte;
}

constexpr double frist = 1.0;

// CPU seconds until the greedy loop alone reaches `ziel` rows; -1 when not within the time.
double gierigBis(const TKlassenliste& klassen, int grenze, int ziel, std::uint32_t startwert)
{
    TSuche suche(klassen);
    TZufall zufall(startwert);
    const double start = Rechenzeit();
    for (double jetzt = start; jetzt - start < frist; jetzt = Rechenzeit())
        if (suche.Durchlauf(grenze, zufall).Zeilen <= ziel)
            return Rechenzeit() - start;
    return -1;
}

// The same for the whole optimisation: greedy passes and the improving search.
double optimiertBis(const TKlassenliste& klassen, int grenze, int ziel, std::uint32_t startwert)
{
    const double start = Rechenzeit();
    TOptimierung optimierung(klassen, grenze, false, {}); // the lower bound counts in the time
    TZufall zufall(startwert);
    double erreicht = -1;
    OptimierungLaufen(optimierung, zufall, frist - (Rechenzeit() - start), Rechenzeit, [&](bool) {
        if (optimierung.Bestes().Zeilen <= ziel)
            erreicht = Rechenzeit() - start;
        return erreicht < 0;
    });
    return erreicht;
}

struct TAnteile
{
    int laeufe = 0;
    int gierig01 = 0, gierig1 = 0, optimiert01 = 0, optimiert1 = 0;

    void zaehlen(double gierig, double optimiert)
    {
        ++laeufe;
        gierig01 += gierig >= 0 && gierig <= 0.1;
        gierig1 += gierig >= 0 && gierig <= 1.0;
        optimiert01 += optimiert >= 0 && optimiert <= 0.1;
        optimiert1 += optimiert >= 0 && optimiert <= 1.0;
    }
    void drucken(const std::string& zeile) const
    {
        const auto prozent = [this](int n) { return 100.0 * n / std::max(1, laeufe); };
        std::printf("| %-22s | %5d | %6.1f %% | %6.1f %% | %6.1f %% | %6.1f %% |\n", zeile.c_str(), laeufe, prozent(gierig01),
                    prozent(gierig1), prozent(optimiert01), prozent(optimiert1));
    }
};

void kopf(const char* titel)
{
    std::printf("\n%s\n", titel);
    std::printf("| %-22s | Läufe | gierig ≤ 0,1 s | gierig ≤ 1 s | mit lokaler Suche ≤ 0,1 s | ≤ 1 s |\n", "Instanzen");
    std::printf("|---|---|---|---|---|---|\n");
}

void tabelle(const std::map<TSchluessel, int>& referenz)
{
    kopf("Anteil der Läufe, die die beste bekannte Zeilenzahl erreichen (CPU-Zeit des Threads):");
    std::map<std::pair<int, int>, TAnteile> zellen;
    TAnteile gesamt;
    for (const TInstanz& i : Tabelleninstanzen()) {
        const TSchule s = SchuleErzeugen(i.Klassen, i.Startwert);
        const int ziel = referenz.at({i.Klassen, i.Startwert, i.Grenze});
        const double g = gierigBis(*s.Klassen, i.Grenze, ziel, i.Startwert);
        const double o = optimiertBis(*s.Klassen, i.Grenze, ziel, i.Startwert);
        zellen[{i.Klassen, i.Grenze}].zaehlen(g, o);
        gesamt.zaehlen(g, o);
    }
    for (const auto& [zelle, anteile] : zellen)
        anteile.drucken(std::to_string(zelle.first) + " Klassen, Grenze " + std::to_string(zelle.second));
    gesamt.drucken("alle");
}

void stichprobe(const std::map<TSchluessel, int>& referenz)
{
    kopf("Stichprobe: 300 Schulen mit 20 bis 130 Klassen, Grenzen 2 bis 10:");
    TAnteile gesamt;
    for (const TInstanz& i : Stichprobe()) {
        const TSchule s = SchuleErzeugen(i.Klassen, i.Startwert);
        const int ziel = referenz.at({i.Klassen, i.Startwert, i.Grenze});
        gesamt.zaehlen(gierigBis(*s.Klassen, i.Grenze, ziel, i.Startwert),
                       optimiertBis(*s.Klassen, i.Grenze, ziel, i.Startwert));
    }
    gesamt.drucken("Stichprobe");
}

// Takes our own switches out of the arguments before Google Benchmark sees them.
bool schalter(int& argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], name)) {
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            return true;
        }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const bool mitTabelle = schalter(argc, argv, "--tabelle");
    const bool mitStichprobe = schalter(argc, argv, "--stichprobe");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto referenz = referenzwerteLesen();
    if (mitTabelle)
        tabelle(referenz);
    if (mitStichprobe)
        stichprobe(referenz);
    return 0;
}
