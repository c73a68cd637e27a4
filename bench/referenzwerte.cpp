// Works out the reference values of the benchmark: for every instance the lower bound, the
// fewest rows the optimisation finds in a long run, and, where that is above the bound,
// an exact branch and bound that either finds a plan with one row less or proves that
// there is none. Writes one CSV line per instance (bench/referenzwerte.csv is its output).
//
//   referenzwerte [--sekunden S] [--laeufe L] [--knoten N] [--nur tabelle|stichprobe|gross]
//   referenzwerte [...] --instanz SATZ,KLASSEN,STARTWERT,GRENZE    (one line, e.g. to look again
//                                                                  with a larger node limit)
//
// Times are CPU time of the running thread.

#include "Benchmarkschulen.h"
#include "distribution/UVerzweigung.h"
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

// The fewest rows of `laeufe` runs of the optimisation, each `sekunden` of CPU time long
// (or until it reaches the lower bound).
TReferenz referenz(const TInstanz& instanz, double sekunden, int laeufe, long knotenGrenze)
{
    const TSchule schule = SchuleErzeugen(instanz.Klassen, instanz.Startwert);
    TReferenz r;
    bool sat = false;
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        TOptimierung optimierung(*schule.Klassen, instanz.Grenze, false, {});
        TZufall zufall((instanz.Startwert ^ 0x5eed1234u) + static_cast<std::uint32_t>(lauf) * 7919u);
        OptimierungLaufen(optimierung, zufall, sekunden, Rechenzeit);
        if (lauf == 0 || optimierung.Bestes().Zeilen < r.Zeilen)
            r.Zeilen = optimierung.Bestes().Zeilen;
        if (optimierung.BewiesenDurch() == TBeweisArt::Suche) {
            r.Nachweis = "SAT";
            sat = true;
            break;
        }
        if (optimierung.Optimal())
            break;
    }
    const TSuche suche(*schule.Klassen);
    const TKonfliktgraph graph(suche);
    r.Untergrenze = Untergrenze(graph, instanz.Grenze);
    if (sat)
        return r;
    r.Nachweis = "Schranke";
    if (r.Zeilen == r.Untergrenze)
        return r;
    while (r.Zeilen > r.Untergrenze) {
        TBeweis beweis = GruppenBeweisen(graph, r.Zeilen - 1, instanz.Grenze, knotenGrenze);
        r.Knoten += beweis.Knoten;
        if (beweis.Antwort == TAntwort::Offen) {
            beweis = MengenBeweisen(graph, r.Zeilen - 1, instanz.Grenze, knotenGrenze);
            r.Knoten += beweis.Knoten;
        }
        if (beweis.Antwort == TAntwort::Ja) {
            --r.Zeilen;
            continue; // the exact search beat the runs: try one row less again
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
    int laeufe = 3;
    long knoten = 200'000'000;
    std::string nur;
    std::string einzeln;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--sekunden"))
            sekunden = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--laeufe"))
            laeufe = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--knoten"))
            knoten = std::atol(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--nur"))
            nur = argv[i + 1];
        else if (!std::strcmp(argv[i], "--instanz"))
            einzeln = argv[i + 1];
    }
    const auto ausgeben = [&](const char* satz, const std::vector<TInstanz>& instanzen) {
        for (const TInstanz& instanz : instanzen) {
            const TReferenz r = referenz(instanz, sekunden, laeufe, knoten);
            std::printf("%s,%d,%u,%d,%d,%d,%s,%ld\n", satz, instanz.Klassen, instanz.Startwert, instanz.Grenze,
                        r.Untergrenze, r.Zeilen, r.Nachweis, r.Knoten);
            std::fflush(stdout);
        }
    };
    if (!einzeln.empty()) {
        char satz[32] = "";
        TInstanz instanz{};
        if (std::sscanf(einzeln.c_str(), "%31[^,],%d,%u,%d", satz, &instanz.Klassen, &instanz.Startwert, &instanz.Grenze) != 4)
            return 1;
        ausgeben(satz, {instanz});
        return 0;
    }
    std::printf("# Referenzwerte der Optimierung, erzeugt mit: referenzwerte --sekunden %g --laeufe %d --knoten %ld\n"
                "# bestbekannt: die wenigsten Zeilen aus %d Läufen der Optimierung je %g s CPU-Zeit; nachweis:\n"
                "#   Schranke    = bestbekannt ist die Untergrenze (Klassen / Grenze oder größte Clique), also optimal\n"
                "#   Verzweigung = die exakte Verzweigungssuche (distribution/UVerzweigung.cpp) zeigt, dass es mit einer Zeile\n"
                "#                 weniger nicht geht, also optimal\n"
                "#   SAT         = die exakte Entscheidung der Optimierung (TGruppenEntscheidung) zeigt, dass\n"
                "#                 es mit einer Zeile weniger nicht geht, also optimal\n"
                "#   offen       = die exakte Suche kam bis zur Knotengrenze %ld zu keinem Ergebnis; bestbekannt\n"
                "#                 ist die beste gefundene Zeilenzahl, nicht bewiesen\n"
                "# satz,klassen,startwert,grenze,untergrenze,bestbekannt,nachweis,knoten\n",
                sekunden, laeufe, knoten, laeufe, sekunden, knoten);
    if (nur.empty() || nur == "tabelle")
        ausgeben("tabelle", Tabelleninstanzen());
    if (nur.empty() || nur == "stichprobe")
        ausgeben("stichprobe", Stichprobe());
    if (nur.empty() || nur == "gross")
        ausgeben("gross", GrosseSchulen());
    return 0;
}
