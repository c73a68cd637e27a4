#include "distribution/UVerzweigung.h"

#include <algorithm>
#include <bit>

namespace {

using TWort = TKonfliktgraph::TWort;

// A search that found no plan proved that there is none, unless it ran out of nodes.
TBeweis ausgang(bool gefunden, long knoten, long grenze, const std::vector<int>& gruppeVon)
{
    TBeweis beweis;
    beweis.Knoten = knoten;
    beweis.Antwort = gefunden ? TAntwort::Ja : (knoten > grenze ? TAntwort::Offen : TAntwort::Nein);
    if (gefunden)
        beweis.GruppeVon = gruppeVon;
    return beweis;
}

class TBeweiser
{
public:
    TBeweiser(const TKonfliktgraph& graph, int gruppen, int kapazitaet, long knotenGrenze)
        : graph(graph), n(graph.Anzahl()), w(graph.Woerter()), k(gruppen), kap(kapazitaet), grenze(knotenGrenze),
          gruppeVon(static_cast<std::size_t>(n), -1), groesse(static_cast<std::size_t>(k), 0),
          gesperrt(static_cast<std::size_t>(k) * w, 0)
    {
    }

    TBeweis Beweisen()
    {
        const std::vector<int> clique = GroessteClique(graph);
        if (static_cast<long>(k) * kap < n || static_cast<int>(clique.size()) > k)
            return ausgang(false, 0, grenze, gruppeVon);
        for (int i = 0; i < static_cast<int>(clique.size()); ++i)
            setzen(clique[static_cast<std::size_t>(i)], i);
        begonnen = static_cast<int>(clique.size());
        const bool gefunden = suchen(n - begonnen); // before knoten and gruppeVon are read
        return ausgang(gefunden, knoten, grenze, gruppeVon);
    }

private:
    bool frei(int klasse, int g) const
    {
        return groesse[static_cast<std::size_t>(g)] < kap &&
               !BitGesetzt(gesperrt.data() + static_cast<std::size_t>(g) * w, klasse);
    }

    void setzen(int klasse, int g)
    {
        gruppeVon[static_cast<std::size_t>(klasse)] = g;
        ++groesse[static_cast<std::size_t>(g)];
        const TWort* nb = graph.Nachbarbits(klasse);
        for (int i = 0; i < w; ++i)
            gesperrt[static_cast<std::size_t>(g) * w + i] |= nb[i];
    }

    bool suchen(int offen)
    {
        if (offen == 0)
            return true;
        if (++knoten > grenze)
            return false;
        int platz = 0;
        for (int g = 0; g < k; ++g)
            platz += kap - groesse[static_cast<std::size_t>(g)];
        if (platz < offen)
            return false;

        // the class with the fewest open groups; among equals the one with most neighbours
        int wahl = -1, wenigste = k + 2, meisteNachbarn = -1;
        for (int klasse = 0; klasse < n; ++klasse) {
            if (gruppeVon[static_cast<std::size_t>(klasse)] >= 0)
                continue;
            int moeglich = begonnen < k ? 1 : 0;
            for (int g = 0; g < begonnen; ++g)
                moeglich += frei(klasse, g) ? 1 : 0;
            const int nachbarn = static_cast<int>(graph.Nachbarn(klasse).size());
            if (moeglich < wenigste || (moeglich == wenigste && nachbarn > meisteNachbarn)) {
                wahl = klasse;
                wenigste = moeglich;
                meisteNachbarn = nachbarn;
            }
        }
        if (wenigste == 0)
            return false;

        const int begonnenVorher = begonnen;
        for (int g = 0; g <= begonnenVorher && g < k; ++g) {
            if (g < begonnenVorher && !frei(wahl, g))
                continue;
            const std::vector<TWort> sicherung(gesperrt.begin() + static_cast<std::ptrdiff_t>(g) * w,
                                               gesperrt.begin() + static_cast<std::ptrdiff_t>(g + 1) * w);
            setzen(wahl, g);
            if (g == begonnenVorher)
                ++begonnen;
            if (suchen(offen - 1))
                return true;
            begonnen = begonnenVorher;
            std::copy(sicherung.begin(), sicherung.end(), gesperrt.begin() + static_cast<std::ptrdiff_t>(g) * w);
            --groesse[static_cast<std::size_t>(g)];
            gruppeVon[static_cast<std::size_t>(wahl)] = -1;
            if (knoten > grenze)
                return false;
        }
        return false;
    }

    const TKonfliktgraph& graph;
    int n, w, k, kap;
    long grenze;
    long knoten = 0;
    int begonnen = 0;
    std::vector<int> gruppeVon;
    std::vector<int> groesse;
    std::vector<TWort> gesperrt; // per group: the classes that conflict with one of its members
};

using TMenge = std::vector<TWort>;

int anzahl(const TMenge& m)
{
    int a = 0;
    for (TWort w : m)
        a += std::popcount(w);
    return a;
}

class TMengenBeweiser
{
public:
    TMengenBeweiser(const TKonfliktgraph& graph, int gruppen, int kapazitaet, long knotenGrenze)
        : graph(graph), n(graph.Anzahl()), w(graph.Woerter()), k(gruppen), kap(kapazitaet), grenze(knotenGrenze),
          gruppeVon(static_cast<std::size_t>(n), -1)
    {
    }

    TBeweis Beweisen()
    {
        TMenge alle(static_cast<std::size_t>(w), 0);
        for (int i = 0; i < n; ++i)
            BitSetzen(alle.data(), i);
        const bool gefunden = suchen(alle, 0); // before knoten and gruppeVon are read
        return ausgang(gefunden, knoten, grenze, gruppeVon);
    }

private:
    int nachbarnIn(int v, const TMenge& m) const
    {
        int a = 0;
        for (int i = 0; i < w; ++i)
            a += std::popcount(graph.Nachbarbits(v)[i] & m[static_cast<std::size_t>(i)]);
        return a;
    }

    // A clique among the classes left, built greedily from each of the given starts.
    int cliqueIn(const TMenge& rest, const std::vector<int>& starts) const
    {
        int beste = 0;
        for (int start : starts) {
            TMenge p = rest;
            int groesse = 0;
            for (int v = start; v >= 0;) {
                ++groesse;
                for (int i = 0; i < w; ++i)
                    p[static_cast<std::size_t>(i)] &= graph.Nachbarbits(v)[i];
                int naechste = -1, meiste = -1;
                for (int u = 0; u < n; ++u)
                    if (BitGesetzt(p.data(), u)) {
                        const int d = nachbarnIn(u, p);
                        if (d > meiste) {
                            meiste = d;
                            naechste = u;
                        }
                    }
                v = naechste;
            }
            beste = std::max(beste, groesse);
        }
        return beste;
    }

    bool suchen(const TMenge& rest, int benutzt)
    {
        const int offen = anzahl(rest);
        if (offen == 0)
            return true;
        if (++knoten > grenze)
            return false;
        const int frei = k - benutzt;
        if ((offen + kap - 1) / kap > frei)
            return false;
        // the class with the most conflicts among those left heads the next group
        std::vector<std::pair<int, int>> grad;
        for (int v = 0; v < n; ++v)
            if (BitGesetzt(rest.data(), v))
                grad.emplace_back(-nachbarnIn(v, rest), v);
        std::sort(grad.begin(), grad.end());
        const int kopf = grad.front().second;
        std::vector<int> starts;
        for (std::size_t i = 0; i < grad.size() && i < 4; ++i)
            starts.push_back(grad[i].second);
        if (cliqueIn(rest, starts) > frei)
            return false;
        TMenge kandidaten = rest;
        BitLoeschen(kandidaten.data(), kopf);
        for (int i = 0; i < w; ++i)
            kandidaten[static_cast<std::size_t>(i)] &= ~graph.Nachbarbits(kopf)[i];
        std::vector<int> gruppe{kopf};
        return gruppenBilden(rest, benutzt, gruppe, kandidaten, TMenge(static_cast<std::size_t>(w), 0));
    }

    // Every group with the head that is full or takes all it can (Bron-Kerbosch over the
    // compatible classes, bounded by the capacity), each tried in turn.
    bool gruppenBilden(const TMenge& rest, int benutzt, std::vector<int>& gruppe, TMenge kandidaten, TMenge ausgeschlossen)
    {
        if (static_cast<int>(gruppe.size()) == kap || (anzahl(kandidaten) == 0 && anzahl(ausgeschlossen) == 0)) {
            TMenge danach = rest;
            for (int v : gruppe)
                BitLoeschen(danach.data(), v);
            for (int v : gruppe)
                gruppeVon[static_cast<std::size_t>(v)] = benutzt;
            if (suchen(danach, benutzt + 1))
                return true;
            for (int v : gruppe)
                gruppeVon[static_cast<std::size_t>(v)] = -1;
            return false;
        }
        for (int u = 0; u < n && knoten <= grenze; ++u) {
            if (!BitGesetzt(kandidaten.data(), u))
                continue;
            TMenge k2 = kandidaten, x2 = ausgeschlossen;
            for (int i = 0; i < w; ++i) {
                k2[static_cast<std::size_t>(i)] &= ~graph.Nachbarbits(u)[i];
                x2[static_cast<std::size_t>(i)] &= ~graph.Nachbarbits(u)[i];
            }
            BitLoeschen(k2.data(), u);
            gruppe.push_back(u);
            if (gruppenBilden(rest, benutzt, gruppe, k2, x2))
                return true;
            gruppe.pop_back();
            BitLoeschen(kandidaten.data(), u);
            BitSetzen(ausgeschlossen.data(), u);
        }
        return false;
    }

    const TKonfliktgraph& graph;
    int n, w, k, kap;
    long grenze;
    long knoten = 0;
    std::vector<int> gruppeVon;
};

} // namespace

TBeweis MengenBeweisen(const TKonfliktgraph& graph, int gruppen, int kapazitaet, long knotenGrenze)
{
    return TMengenBeweiser(graph, gruppen, kapazitaet, knotenGrenze).Beweisen();
}

TBeweis GruppenBeweisen(const TKonfliktgraph& graph, int gruppen, int kapazitaet, long knotenGrenze)
{
    return TBeweiser(graph, gruppen, kapazitaet, knotenGrenze).Beweisen();
}
