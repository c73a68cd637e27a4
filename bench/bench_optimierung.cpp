// The optimisation loop against its goal, and the time of the lower bound.
//
//   bench_optimierung [--tabelle] [--stichprobe] [--beweis [--jede N]] [--schritte N]
//                     [Google Benchmark options]
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
// --beweis: on the sample (every N-th school, --jede, default 1) and the large schools of
// 160 and 250 classes, the loop with the exact decision against the loop without it: the
// share of runs that reach the best known rows within 1 s and the share proven optimal
// within 1 s, with the 90th and 99th percentile of the time to the proof; then, on the
// runs that needed the exact decision, its time on the question "one row less?" against
// its two parts alone, the branch and bound of distribution/UVerzweigung.cpp (200,000 nodes
// at most) and the SAT solver (each given at most 1 s).
// --schritte N: the loops of the tables end after N work units instead of 1 s of CPU time,
// which makes the counts the same on every machine (the times still show CPU time).
// Times are thread CPU time, so other processes on the machine disturb them little.

#include "Benchmarkschulen.h"
#include "distribution/UVerzweigung.h"
#include "distribution/UGruppenEntscheidung.h"
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
BENCHMARK(Untergrenze)->ArgsProduct({{30, 60, 90, 120, 130, 160, 250}, {0, 1}})->ArgNames({"Klassen", "VorsitzEltern"})->Unit(benchmark::kMillisecond);

// The time of one work unit of the loop (TOptimierung::Arbeit), which --schritte counts.
void Arbeitseinheit(benchmark::State& state)
{
    const TKlassenliste& klassen = *Benchmarkschule(static_cast<int>(state.range(0))).Klassen;
    long long einheiten = 0;
    for (auto _ : state) {
        TOptimierung optimierung(klassen, static_cast<int>(state.range(1)), false, {});
        optimierung.MitBeweis(state.range(2) != 0);
        TZufall zufall(11);
        OptimierungLaufen(optimierung, zufall, TLaufGrenze(0, 200'000), Rechenzeit);
        einheiten += optimierung.Arbeit();
    }
    state.counters["ns_je_Einheit"] = benchmark::Counter(static_cast<double>(einheiten) * 1e-9,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(Arbeitseinheit)->ArgsProduct({{60, 130, 250}, {3, 8}, {0, 1}})->ArgNames({"Klassen", "Grenze", "Beweis"})->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- the table

// The budget of one run of the tables: 1 s of CPU time, or --schritte.
TLaufGrenze budget(1.0);

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
    const TLaufGrenze rest(frist - (Rechenzeit() - start), budget.Einheiten);
    OptimierungLaufen(optimierung, zufall, rest, Rechenzeit, [&](bool) {
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

// ---------------------------------------------------------------- the proof

struct TBeweisLauf
{
    double bestes = -1;    // CPU seconds to the best known rows; -1: not reached
    double bewiesen = -1;  // to the proof of optimality; -1: not proven
    bool frageOffen = false; // the bound of the start lies below the best known rows
};

bool imBudget(double sekunden)
{
    return sekunden >= 0 && (budget.Einheiten > 0 || sekunden <= frist);
}

TBeweisLauf beweisLauf(const TKlassenliste& klassen, int grenze, int ziel, std::uint32_t startwert, bool mitBeweis)
{
    const double start = Rechenzeit();
    TOptimierung optimierung(klassen, grenze, false, {});
    optimierung.MitBeweis(mitBeweis);
    TZufall zufall(startwert);
    TBeweisLauf lauf;
    lauf.frageOffen = optimierung.Untergrenze() < ziel;
    const TLaufGrenze rest(frist - (Rechenzeit() - start), budget.Einheiten);
    OptimierungLaufen(optimierung, zufall, rest, Rechenzeit, [&](bool) {
        if (lauf.bestes < 0 && optimierung.Bestes().Zeilen <= ziel)
            lauf.bestes = Rechenzeit() - start;
        return true;
    });
    if (optimierung.Optimal())
        lauf.bewiesen = Rechenzeit() - start;
    return lauf;
}

// The p-th percentile of times in which -1 stands for "never".
std::string perzentil(std::vector<double> zeiten, double p)
{
    for (double& z : zeiten)
        if (z < 0)
            z = 1e9;
    std::sort(zeiten.begin(), zeiten.end());
    if (zeiten.empty())
        return "-";
    const double z = zeiten[std::min(zeiten.size() - 1, static_cast<std::size_t>(p * static_cast<double>(zeiten.size())))];
    char text[32];
    if (z >= 1e9)
        std::snprintf(text, sizeof text, "nie");
    else
        std::snprintf(text, sizeof text, "%.3f s", z);
    return text;
}

struct TBeweisZeile
{
    int laeufe = 0;
    int bestesOhne = 0, bestesMit = 0, bewiesenOhne = 0, bewiesenMit = 0;
    std::vector<double> beweiszeiten;

    void zaehlen(const TBeweisLauf& ohne, const TBeweisLauf& mit)
    {
        ++laeufe;
        bestesOhne += imBudget(ohne.bestes);
        bestesMit += imBudget(mit.bestes);
        bewiesenOhne += imBudget(ohne.bewiesen);
        bewiesenMit += imBudget(mit.bewiesen);
        beweiszeiten.push_back(mit.bewiesen);
    }
    void drucken(const std::string& name) const
    {
        const auto prozent = [this](int n) { return 100.0 * n / std::max(1, laeufe); };
        std::printf("| %-14s | %5d | %6.1f %% | %6.1f %% | %6.1f %% | %6.1f %% | %9s | %9s |\n", name.c_str(), laeufe,
                    prozent(bestesOhne), prozent(bestesMit), prozent(bewiesenOhne), prozent(bewiesenMit),
                    perzentil(beweiszeiten, 0.9).c_str(), perzentil(beweiszeiten, 0.99).c_str());
    }
};

// A question "ziel rows possible?" of a run that needed the exact decision.
struct TFrage
{
    TInstanz instanz;
    int zeilen;
};

// CPU seconds until the decision answers; -1 when it does not within the time. nurSat: the
// SAT solver alone (a rule that changes nothing keeps the branch and bound out).
double entscheidungZeit(const TKonfliktgraph& graph, int zeilen, int grenze, bool nurSat)
{
    const double start = Rechenzeit();
    TGruppenEntscheidung entscheidung(graph, zeilen, grenze, GroessteClique(graph));
    if (nurSat)
        entscheidung.HoechstensJeGruppe({}, 0);
    while (entscheidung.Arbeiten(20'000) == TGruppenEntscheidung::TAntwort::Offen)
        if (Rechenzeit() - start > frist)
            return -1;
    return Rechenzeit() - start;
}

double verzweigungZeit(const TKonfliktgraph& graph, int zeilen, int grenze)
{
    const double start = Rechenzeit();
    TBeweis beweis = GruppenBeweisen(graph, zeilen, grenze, 200'000);
    if (beweis.Antwort == TAntwort::Offen && Rechenzeit() - start < frist)
        beweis = MengenBeweisen(graph, zeilen, grenze, 200'000);
    const double zeit = Rechenzeit() - start;
    return beweis.Antwort == TAntwort::Offen || zeit > frist ? -1 : zeit;
}

void entscheidungenVergleichen(const std::vector<TFrage>& fragen)
{
    std::printf("\nDie Frage \"eine Zeile weniger als die beste bekannte?\" der %zu Läufe, die sie brauchten "
                "(CPU-Zeit, höchstens 1 s):\n",
                fragen.size());
    std::printf("| Entscheidung | Fragen | entschieden ≤ 1 s | Median | 90. Perzentil |\n|---|---|---|---|---|\n");
    std::vector<double> entscheidung, sat, verzweigung;
    for (const TFrage& f : fragen) {
        const TSchule s = SchuleErzeugen(f.instanz.Klassen, f.instanz.Startwert);
        const TSuche suche(*s.Klassen);
        const TKonfliktgraph graph(suche);
        entscheidung.push_back(entscheidungZeit(graph, f.zeilen, f.instanz.Grenze, false));
        sat.push_back(entscheidungZeit(graph, f.zeilen, f.instanz.Grenze, true));
        verzweigung.push_back(verzweigungZeit(graph, f.zeilen, f.instanz.Grenze));
    }
    for (const auto& [name, zeiten] : {std::pair{"beide (so im Programm)", &entscheidung},
                                       std::pair{"nur SAT (CaDiCaL)", &sat}, std::pair{"nur Verzweigung", &verzweigung}}) {
        const auto entschieden = std::count_if(zeiten->begin(), zeiten->end(), [](double z) { return z >= 0; });
        std::printf("| %-22s | %6zu | %6.1f %% | %9s | %9s |\n", name, zeiten->size(),
                    100.0 * static_cast<double>(entschieden) / static_cast<double>(std::max<std::size_t>(1, zeiten->size())),
                    perzentil(*zeiten, 0.5).c_str(), perzentil(*zeiten, 0.9).c_str());
    }
}

void beweisTabelle(const std::map<TSchluessel, int>& referenz, int jede)
{
    std::vector<std::pair<const char*, TInstanz>> instanzen;
    const std::vector<TInstanz> stichprobe = Stichprobe();
    for (std::size_t i = 0; i < stichprobe.size(); i += static_cast<std::size_t>(std::max(1, jede)))
        instanzen.emplace_back("stichprobe", stichprobe[i]);
    for (const TInstanz& i : GrosseSchulen())
        instanzen.emplace_back("gross", i);
    if (budget.Einheiten > 0)
        std::printf("\nBudget je Lauf: %lld Arbeitseinheiten\n", budget.Einheiten);
    std::printf("\nOhne und mit exakter Entscheidung: beste bekannte Zeilenzahl erreicht, Optimalität bewiesen "
                "(CPU-Zeit); Perzentile der Zeit bis zum Beweis mit Entscheidung:\n");
    std::printf("| %-14s | Läufe | bestes ohne | bestes mit | bewiesen ohne | bewiesen mit | 90. Perz. | 99. Perz. |\n",
                "Klassen");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    std::map<int, TBeweisZeile> zeilen;
    TBeweisZeile gesamt;
    std::vector<TFrage> fragen;
    for (const auto& [satz, i] : instanzen) {
        const TSchule s = SchuleErzeugen(i.Klassen, i.Startwert);
        const int ziel = referenz.at({i.Klassen, i.Startwert, i.Grenze});
        const TBeweisLauf ohne = beweisLauf(*s.Klassen, i.Grenze, ziel, i.Startwert, false);
        const TBeweisLauf mit = beweisLauf(*s.Klassen, i.Grenze, ziel, i.Startwert, true);
        const int band = i.Klassen < 60 ? 20 : (i.Klassen < 100 ? 60 : (i.Klassen <= 130 ? 100 : i.Klassen));
        zeilen[band].zaehlen(ohne, mit);
        gesamt.zaehlen(ohne, mit);
        if (mit.frageOffen)
            fragen.push_back({i, ziel - 1});
        if (!imBudget(mit.bewiesen) || !imBudget(mit.bestes))
            std::printf("  (%s %d Klassen, Startwert %u, Grenze %d: bestes %.3f s, bewiesen %.3f s)\n", satz, i.Klassen,
                        i.Startwert, i.Grenze, mit.bestes, mit.bewiesen);
    }
    for (const auto& [band, zeile] : zeilen)
        zeile.drucken(band == 20 ? "20-59" : band == 60 ? "60-99" : band == 100 ? "100-130" : std::to_string(band));
    gesamt.drucken("alle");
    entscheidungenVergleichen(fragen);
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

// The same for a switch with a number; vorgabe when it is missing.
long long zahl(int& argc, char** argv, const char* name, long long vorgabe)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (!std::strcmp(argv[i], name)) {
            const long long wert = std::atoll(argv[i + 1]);
            for (int j = i; j + 2 < argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            return wert;
        }
    return vorgabe;
}

} // namespace

int main(int argc, char** argv)
{
    const bool mitTabelle = schalter(argc, argv, "--tabelle");
    const bool mitStichprobe = schalter(argc, argv, "--stichprobe");
    const bool mitBeweis = schalter(argc, argv, "--beweis");
    const auto jede = static_cast<int>(zahl(argc, argv, "--jede", 1));
    budget = TLaufGrenze(frist, zahl(argc, argv, "--schritte", 0));
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
    if (mitBeweis)
        beweisTabelle(referenz, jede);
    return 0;
}
