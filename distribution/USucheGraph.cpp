#include "distribution/USucheGraph.h"

#include <algorithm>
#include <numeric>

TKonfliktgraph::TKonfliktgraph(const TSuche& suche)
    : anzahl(suche.Klassenzahl()), woerter(suche.Woerter()), bits(static_cast<std::size_t>(anzahl) * woerter),
      nachbarn(static_cast<std::size_t>(anzahl))
{
    for (int klasse = 0; klasse < anzahl; ++klasse) {
        TWort* ziel = bits.data() + static_cast<std::size_t>(klasse) * woerter;
        std::copy_n(suche.Konflikte(klasse), woerter, ziel);
        BitLoeschen(ziel, klasse);
        for (int andere = 0; andere < anzahl; ++andere)
            if (Konflikt(klasse, andere))
                nachbarn[static_cast<std::size_t>(klasse)].push_back(andere);
    }
}

namespace {

using TWort = TKonfliktgraph::TWort;
using TMenge = std::vector<TWort>;

// Branch and bound over the classes renumbered by falling number of neighbours: the
// candidates of a node are coloured greedily (a colour is a set of pairwise compatible
// classes, so a clique takes at most one class of each colour), and a candidate is only
// tried when the current set plus its colour number could still beat the best set.
class TCliqueSuche
{
public:
    TCliqueSuche(const TKonfliktgraph& graph, long knotenGrenze) : grenze(knotenGrenze)
    {
        const int n = graph.Anzahl();
        const int woerter = graph.Woerter();
        alteNummer.resize(static_cast<std::size_t>(n));
        std::iota(alteNummer.begin(), alteNummer.end(), 0);
        std::stable_sort(alteNummer.begin(), alteNummer.end(), [&graph](int a, int b) {
            return graph.Nachbarn(a).size() > graph.Nachbarn(b).size();
        });
        std::vector<int> neueNummer(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            neueNummer[static_cast<std::size_t>(alteNummer[static_cast<std::size_t>(i)])] = i;
        nachbarn.assign(static_cast<std::size_t>(n), TMenge(static_cast<std::size_t>(woerter), 0));
        for (int i = 0; i < n; ++i)
            for (int alt : graph.Nachbarn(alteNummer[static_cast<std::size_t>(i)])) {
                const int j = neueNummer[static_cast<std::size_t>(alt)];
                BitSetzen(nachbarn[static_cast<std::size_t>(i)].data(), j);
            }
        TMenge alle(static_cast<std::size_t>(woerter), 0);
        for (int i = 0; i < n; ++i)
            BitSetzen(alle.data(), i);
        if (n > 0)
            erweitern(alle);
    }

    std::vector<int> Ergebnis() const
    {
        std::vector<int> clique;
        for (int i : beste)
            clique.push_back(alteNummer[static_cast<std::size_t>(i)]);
        std::sort(clique.begin(), clique.end());
        return clique;
    }

private:
    void erweitern(TMenge kandidaten)
    {
        if (++knoten > grenze)
            return;
        std::vector<int> folge, farbe;
        faerben(kandidaten, folge, farbe);
        for (std::size_t i = folge.size(); i-- > 0;) {
            if (aktuell.size() + static_cast<std::size_t>(farbe[i]) <= beste.size() || knoten > grenze)
                return;
            const int v = folge[i];
            aktuell.push_back(v);
            TMenge weiter(kandidaten.size());
            for (std::size_t w = 0; w < weiter.size(); ++w)
                weiter[w] = kandidaten[w] & nachbarn[static_cast<std::size_t>(v)][w];
            if (BitsLeer(weiter)) {
                if (aktuell.size() > beste.size())
                    beste = aktuell;
            } else {
                erweitern(std::move(weiter));
            }
            aktuell.pop_back();
            BitLoeschen(kandidaten.data(), v);
        }
    }

    // The candidates in colour order with the number of their colour; only those whose
    // colour could still lead beyond the best set are listed.
    void faerben(const TMenge& kandidaten, std::vector<int>& folge, std::vector<int>& farbe) const
    {
        const int noetig = static_cast<int>(beste.size()) - static_cast<int>(aktuell.size()) + 1;
        TMenge offen = kandidaten;
        for (int k = 1; !BitsLeer(offen); ++k) {
            TMenge frei = offen;
            for (int v = ErstesBit(frei); v >= 0; v = ErstesBit(frei)) {
                BitLoeschen(frei.data(), v);
                BitLoeschen(offen.data(), v);
                for (std::size_t w = 0; w < frei.size(); ++w)
                    frei[w] &= ~nachbarn[static_cast<std::size_t>(v)][w];
                if (k >= noetig) {
                    folge.push_back(v);
                    farbe.push_back(k);
                }
            }
        }
    }

    long grenze;
    long knoten = 0;
    std::vector<int> alteNummer;
    std::vector<TMenge> nachbarn;
    std::vector<int> aktuell, beste;
};

} // namespace

std::vector<int> GroessteClique(const TKonfliktgraph& graph, long knotenGrenze)
{
    return TCliqueSuche(graph, knotenGrenze).Ergebnis();
}

int Untergrenze(const TKonfliktgraph& graph, int grenze)
{
    const int n = graph.Anzahl();
    if (n < 2)
        return 0;
    const int g = std::max(1, grenze);
    return std::max((n + g - 1) / g, static_cast<int>(GroessteClique(graph).size()));
}
