// Works out the reference values of the benchmark: for every instance the lower bound, the
// fewest rows the optimisation finds in a long run, and, where that is above the bound,
// an exact branch and bound that either finds a plan with one row less or proves that
// there is none. Writes one CSV line per instance (bench/referenzwerte.csv is its output).
//
//   referenzwerte [--sekunden S] [--knoten N] [--nur tabelle|stichprobe]

#include "Benchmarkschulen.h"
#include "Beweis.h"
#include "distribution/UOptimierung.h"
#include "distribution/USucheGraph.h"
#include "support/Schulgenerator.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct TReferenz
{
    int Untergrenze = 0;
    int Zeilen = 0;
    const char* Nachweis = "";
    long Knoten = 0;
};

TReferenz referenz(const TInstanz& instanz, double sekunden, long knotenGrenze)
{
    const TSchule schule = SchuleErzeugen(instanz.Klassen, instanz.Startwert);
    TOptimierung optimierung(*schule.Klassen, instanz.Grenze, false, {});
    TZufall zufall(instanz.Startwert ^ 0x5eed1234u);
    OptimierungLaufen(optimierung, zufall, sekunden, Wanduhr);

    TReferenz r;
    r.Untergrenze = optimierung.Untergrenze();
    r.Zeilen = optimierung.Bestes().Zeilen;
    r.Nachweis = "Schranke";
    if (r.Zeilen == r.Untergrenze)
        return r;
    const TSuche suche(*schule.Klassen);
    const TKonfliktgraph graph(suche);
    while (r.Zeilen > r.Untergrenze) {
        TBeweis beweis = GruppenBeweisen(graph, r.Zeilen - 1, instanz.Grenze, knotenGrenze / 10);
        r.Knoten += beweis.Knoten;
        if (beweis.Antwort == TAntwort::Offen) {
            beweis = MengenBeweisen(graph, r.Zeilen - 1, instanz.Grenze, knotenGrenze);
            r.Knoten += beweis.Knoten;
        }
        if (beweis.Antwort == TAntwort::Ja) {
            --r.Zeilen; // the exact search beat the long run
            r.Nachweis = "Verzweigung fand weniger";
            continue;
        }
        r.Nachweis = beweis.Antwort == TAntwort::Nein ? "Verzweigung" : "offen";
        break;
    }
    if (r.Zeilen == r.Untergrenze)
        r.Nachweis = "Schranke";
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    double sekunden = 10;
    long knoten = 200'000'000;
    std::string nur;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--sekunden"))
            sekunden = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--knoten"))
            knoten = std::atol(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--nur"))
            nur = argv[i + 1];
    }
    std::printf("# satz,klassen,startwert,grenze,untergrenze,bestbekannt,nachweis,knoten\n");
    const auto ausgeben = [&](const char* satz, const std::vector<TInstanz>& instanzen) {
        for (const TInstanz& instanz : instanzen) {
            const TReferenz r = referenz(instanz, sekunden, knoten);
            std::printf("%s,%d,%u,%d,%d,%d,%s,%ld\n", satz, instanz.Klassen, instanz.Startwert, instanz.Grenze,
                        r.Untergrenze, r.Zeilen, r.Nachweis, r.Knoten);
            std::fflush(stdout);
        }
    };
    if (nur.empty() || nur == "tabelle")
        ausgeben("tabelle", Tabelleninstanzen());
    if (nur.empty() || nur == "stichprobe")
        ausgeben("stichprobe", Stichprobe());
    return 0;
}
