// The XML import on exports built to be large: one class led by 1,000 to 100,000 teachers
// (the duplicate check of the class leaders), and a file of 10,000 to 1,000,000 elements the
// import does not read (the tree keeps none of them). The counter "je_Element" is the time
// per leader or element; a linear import keeps it flat, and the complexity lines (BigO) name
// the growth that fits best.
//   build/bin/bench_xmlimport

#include "import/UxmlImp.h"

#include <benchmark/benchmark.h>

namespace {

class TAlles : public IImportFragen
{
public:
    std::optional<TStufen> Stufenwahl(bool) override { return TStufen{1, 13}; }
    TRueckfrage Mehrklassen(const TLehrer&, const QString&, const QStringList&) override { return {}; }
};

QByteArray vieleLeiter(qint64 anzahl)
{
    QByteArray xml = "<document><teachers>";
    QByteArray ids;
    for (qint64 i = 0; i < anzahl; ++i) {
        const QByteArray id = "TR_L" + QByteArray::number(i);
        xml += "<teacher id=\"" + id + "\"><surname>L</surname></teacher>";
        ids += (i ? " " : "") + id;
    }
    return xml + "</teachers><classes><class id=\"CL_5a\"><class_teacher id=\"" + ids + "\"/></class></classes></document>";
}

QByteArray fremdeElemente(qint64 anzahl)
{
    QByteArray xml = "<document><teachers><teacher id=\"TR_A\"><surname>A</surname></teacher>";
    for (qint64 i = 0; i < anzahl; ++i)
        xml += "<a/>";
    return xml + "</teachers>" + QByteArray("<b/>").repeated(anzahl) + "</document>";
}

void importieren(benchmark::State& state, QByteArray (*erzeugen)(qint64), qint64 elemente)
{
    const QByteArray xml = erzeugen(state.range(0));
    TAlles fragen;
    for (auto _ : state) {
        const TXmlImport import = UntisXmlAusBytes(xml, QStringLiteral("gross.xml"), fragen);
        if (!import.Ok() || import.Lehrer->IsEmpty())
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(import.Klassen.get());
    }
    state.SetComplexityN(elemente);
    state.counters["je_Element"] = benchmark::Counter(double(elemente), benchmark::Counter::kIsIterationInvariantRate |
                                                                          benchmark::Counter::kInvert);
}

void VieleKlassenleitungen(benchmark::State& state)
{
    importieren(state, vieleLeiter, state.range(0));
}

void FremdeElemente(benchmark::State& state)
{
    importieren(state, fremdeElemente, 2 * state.range(0));
}

} // namespace

BENCHMARK(VieleKlassenleitungen)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(FremdeElemente)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK_MAIN();
