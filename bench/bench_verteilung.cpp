// Searches per second of the distribution search on generated schools of 30, 60 and 120
// classes at the limit 4:
//   (a) Vorbereitet: one pass of the prepared search;
//   (b) VerteilungSuchenGlobal: one full call of VerteilungSuchen with the globals, on
//       unchanged data (the prepared search is reused);
//   (c) Einfach: the plain search that compares teacher lists pair by pair;
//   (d) EinfachOhneSortieren: the plain search without its final sorts (the class
//       comparator works out grade levels on every comparison, which costs the plain
//       search most of its time);
//   VorbereitenUndSuchen: a search right after the data changed (the prepared search is
//       built anew).
// All work on the same school of each size. The last lines give the ratios per size.

#include "Benchmarkschulen.h"
#include "distribution/USuche.h"
#include "distribution/UVerteilung.h"
#include "planning/UVar.h"
#include "support/Referenzsuche.h"
#include "support/Schulgenerator.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include <unistd.h>

namespace {

constexpr int limit = 4;
void suchenZaehlen(benchmark::State& state)
{
    state.counters["Suchen/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void Vorbereitet(benchmark::State& state)
{
    TSuche suche(*Benchmarkschule(static_cast<int>(state.range(0))).Klassen);
    TZufall zufall(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(suche.Durchlauf(limit, zufall));
    suchenZaehlen(state);
}

void VerteilungSuchenGlobal(benchmark::State& state)
{
    TSchule& s = Benchmarkschule(static_cast<int>(state.range(0)));
    std::swap(Klassenliste, s.Klassen);
    Zufall.Setzen(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(VerteilungSuchen(limit));
    Verteilung = std::make_unique<TVerteilung>();
    std::swap(Klassenliste, s.Klassen);
    suchenZaehlen(state);
}

// What a search costs after the data changed: the prepared search is built anew.
void VorbereitenUndSuchen(benchmark::State& state)
{
    const TKlassenliste& klassen = *Benchmarkschule(static_cast<int>(state.range(0))).Klassen;
    TZufall zufall(1);
    for (auto _ : state) {
        TSuche suche(klassen);
        suche.Durchlauf(limit, zufall);
        benchmark::DoNotOptimize(suche.LetzteVerteilung());
    }
    suchenZaehlen(state);
}

void Einfach(benchmark::State& state)
{
    const TKlassenliste& klassen = *Benchmarkschule(static_cast<int>(state.range(0))).Klassen;
    TZufall zufall(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(VerteilungSuchenEinfach(klassen, limit, zufall));
    suchenZaehlen(state);
}

void EinfachOhneSortieren(benchmark::State& state)
{
    const TKlassenliste& klassen = *Benchmarkschule(static_cast<int>(state.range(0))).Klassen;
    TZufall zufall(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(GruppenFuellenEinfach(ReihenfolgeMischen(klassen, zufall), limit));
    suchenZaehlen(state);
}

BENCHMARK(Vorbereitet)->Arg(30)->Arg(60)->Arg(120);
BENCHMARK(VerteilungSuchenGlobal)->Arg(30)->Arg(60)->Arg(120);
BENCHMARK(VorbereitenUndSuchen)->Arg(30)->Arg(60)->Arg(120);
BENCHMARK(Einfach)->Arg(30)->Arg(60)->Arg(120);
BENCHMARK(EinfachOhneSortieren)->Arg(30)->Arg(60)->Arg(120);

// The console output as usual, and the searches per second of every run kept for the summary.
class TMitschrift : public benchmark::ConsoleReporter
{
public:
    // colours only on a terminal
    TMitschrift() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& laeufe) override
    {
        ConsoleReporter::ReportRuns(laeufe);
        for (const Run& lauf : laeufe)
            if (lauf.run_type == Run::RT_Iteration && !lauf.error_occurred && lauf.real_accumulated_time > 0)
                rate[lauf.run_name.function_name + "/" + lauf.run_name.args] =
                    static_cast<double>(lauf.iterations) / lauf.real_accumulated_time;
    }

    std::map<std::string, double> rate;
};

void zusammenfassen(const std::map<std::string, double>& rate)
{
    const auto wert = [&rate](const char* name, const char* groesse) {
        const auto gefunden = rate.find(std::string(name) + "/" + groesse);
        return gefunden == rate.end() ? 0.0 : gefunden->second;
    };
    const auto zahl = [](double wert) { return wert > 0 ? std::to_string(std::llround(wert)) : std::string("-"); };
    for (const char* groesse : {"30", "60", "120"}) {
        const double a = wert("Vorbereitet", groesse), b = wert("VerteilungSuchenGlobal", groesse);
        const double c = wert("Einfach", groesse), d = wert("EinfachOhneSortieren", groesse);
        if (a + b + c + d == 0)
            continue;
        std::printf("%3s Klassen: (a) %s, (b) %s, (c) %s, (d) %s Suchen/s", groesse, zahl(a).c_str(), zahl(b).c_str(),
                    zahl(c).c_str(), zahl(d).c_str());
        if (a > 0 && c > 0)
            std::printf("; (a)/(c) = %.1f", a / c);
        if (a > 0 && d > 0)
            std::printf("; (a)/(d) = %.1f", a / d);
        std::printf("\n");
    }
    const double a = wert("Vorbereitet", "60"), c = wert("Einfach", "60");
    if (a > 0 && c > 0)
        std::printf("Ziel bei 60 Klassen (a)/(c) >= 30: %s\n", a / c >= 30.0 ? "erreicht" : "verfehlt");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TMitschrift mitschrift;
    benchmark::RunSpecifiedBenchmarks(&mitschrift);
    benchmark::Shutdown();
    zusammenfassen(mitschrift.rate);
    return 0;
}
