// Reading and writing project files of 1,000, 10,000 and 100,000 teachers and as many
// classes, as if 10 to 1,000 schools of 100 teachers and 100 classes were in one file (each
// class taught by eight teachers of its school, led by two, with chair, grade-level
// leadership, one parent representative and a date), reading a damaged copy of such a file
// (its last byte missing: everything is read and then thrown away), and destroying a
// teacher list of that size. The counter "je_Datensatz" is the time per teacher or class;
// a linear reader keeps it flat across the sizes, and the complexity lines (BigO) name the
// growth that fits the three sizes best.
//   build/bin/bench_projektdatei

#include "planning/UProjekt.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

QString kuerzel(qint64 i)
{
    return QStringLiteral("L%1").arg(i, 6, 10, QLatin1Char('0'));
}

std::unique_ptr<TLehrerliste> lehrerErzeugen(qint64 anzahl)
{
    auto lehrer = std::make_unique<TLehrerliste>();
    for (qint64 i = 0; i < anzahl; ++i) {
        const QString name = QStringLiteral("Lehrkraft %1").arg(i);
        TLehrer* l = lehrer->Add(std::make_unique<TLehrer>(kuerzel(i), name, QStringLiteral("Frau")));
        l->Unterrichtsfaecher << QStringLiteral("Deutsch");
    }
    return lehrer;
}

QByteArray projektErzeugen(qint64 anzahl)
{
    const auto lehrer = lehrerErzeugen(anzahl);
    TKlassenliste klassen;
    for (qint64 i = 0; i < anzahl; ++i) {
        TKlasse* klasse = klassen.Add(std::make_unique<TKlasse>(QStringLiteral("K%1").arg(i)));
        for (qint64 j = 0; j < 8; ++j)
            klasse->Unterrichtende << lehrer->Items(int(i / 100 * 100 + (i * 7 + j * 13) % 100));
        klasse->K_Leitung << klasse->Unterrichtende[0] << klasse->Unterrichtende[1];
        klasse->Vorsitz = klasse->Unterrichtende[2];
        klasse->Stufenleitung = klasse->Unterrichtende[3];
        klasse->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("Vater"), int(i)));
        klasse->Konferenzdatum = 46000.5;
    }
    return ProjektBytes(*lehrer, klassen);
}

const QByteArray& projekt(qint64 anzahl)
{
    static std::map<qint64, QByteArray> dateien;
    auto gefunden = dateien.find(anzahl);
    if (gefunden == dateien.end())
        gefunden = dateien.emplace(anzahl, projektErzeugen(anzahl)).first;
    return gefunden->second;
}

void jeDatensatz(benchmark::State& state, qint64 datensaetze)
{
    state.SetComplexityN(state.range(0));
    state.counters["je_Datensatz"] = benchmark::Counter(static_cast<double>(datensaetze),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ProjektLesen(benchmark::State& state)
{
    const QByteArray& bytes = projekt(state.range(0));
    for (auto _ : state) {
        const TProjektErgebnis ergebnis = ProjektAusBytes(bytes, QStringLiteral("bench.spz"));
        if (!ergebnis.Ok())
            state.SkipWithError("nicht gelesen");
    }
    jeDatensatz(state, 2 * state.range(0));
}

void BeschaedigtLesen(benchmark::State& state)
{
    const QByteArray bytes = projekt(state.range(0)).chopped(1);
    for (auto _ : state) {
        const TProjektErgebnis ergebnis = ProjektAusBytes(bytes, QStringLiteral("bench.spz"));
        if (ergebnis.Ok())
            state.SkipWithError("gelesen");
    }
    jeDatensatz(state, 2 * state.range(0));
}

void ProjektSchreiben(benchmark::State& state)
{
    const TProjektErgebnis gelesen = ProjektAusBytes(projekt(state.range(0)), QStringLiteral("bench.spz"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ProjektBytes(*gelesen.Lehrer, *gelesen.Klassen));
    jeDatensatz(state, 2 * state.range(0));
}

void ListeZerstoeren(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto lehrer = lehrerErzeugen(state.range(0));
        state.ResumeTiming();
        lehrer.reset();
    }
    jeDatensatz(state, state.range(0));
}

} // namespace

BENCHMARK(ProjektLesen)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BeschaedigtLesen)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(ProjektSchreiben)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(ListeZerstoeren)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

BENCHMARK_MAIN();
