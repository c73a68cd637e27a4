#include "distribution/UReihenfolge.h"

#include "distribution/USuche.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using TBewertung = TZeitplanRechnung::TBewertung;

// One number for the annealing: a left-out class outweighs any waiting, a minute of total
// waiting any largest waiting.
double energie(const TBewertung& b)
{
    return b.Draussen * 1e7 + b.Gesamt + b.Hoechste * 1e-4;
}

// n! when it is at most grenze, else grenze + 1.
long long fakultaetBis(int n, long long grenze)
{
    long long f = 1;
    for (int i = 2; i <= n; ++i) {
        f *= i;
        if (f > grenze)
            return grenze + 1;
    }
    return f;
}

// A draw in 0 .. n - 1 that is the same with every standard library.
int ziehen(std::mt19937& zufall, int n)
{
    return static_cast<int>(zufall() % static_cast<std::uint32_t>(n));
}

// The kinds of move between the positions i < j. A row moves both ways: an order that wants
// one row further ahead would otherwise need a move of the rows it passes, one by one.
enum TZugArt { Tauschen, NachHinten, NachVorn, Umkehren, ZugArten };

void bewegen(std::vector<int>& reihe, int art, int i, int j)
{
    const auto a = reihe.begin() + i, e = reihe.begin() + j + 1;
    switch (art) {
    case Tauschen:
        std::swap(reihe[i], reihe[j]);
        break;
    case NachHinten: // the row at i to j
        std::rotate(a, a + 1, e);
        break;
    case NachVorn: // the row at j to i
        std::rotate(a, e - 1, e);
        break;
    default:
        std::reverse(a, e);
        break;
    }
}

void zuruecknehmen(std::vector<int>& reihe, int art, int i, int j)
{
    const int gegenteil[ZugArten] = {Tauschen, NachVorn, NachHinten, Umkehren};
    bewegen(reihe, gegenteil[art], i, j);
}

struct TZug
{
    int Art, I, J;
};

// A move of a random kind between two different random positions i < j.
TZug zugZiehen(std::mt19937& zufall, int n)
{
    const int art = ziehen(zufall, ZugArten);
    int i = ziehen(zufall, n), j = ziehen(zufall, n - 1);
    j += j >= i;
    if (i > j)
        std::swap(i, j);
    return {art, i, j};
}

// The starting temperature: the mean worsening of a few random moves from the start.
double anfangstemperatur(const TZeitplanRechnung& rechnung, std::vector<int> reihe, std::mt19937& zufall,
                         int proben)
{
    const int n = static_cast<int>(reihe.size());
    const double basis = energie(rechnung.Bewerten(reihe));
    double summe = 0;
    int schlechter = 0;
    for (int p = 0; p < proben; ++p) {
        const auto [art, i, j] = zugZiehen(zufall, n);
        bewegen(reihe, art, i, j);
        const double d = energie(rechnung.Bewerten(reihe)) - basis;
        zuruecknehmen(reihe, art, i, j);
        if (d > 0 && d < 1e6) {
            summe += d;
            ++schlechter;
        }
    }
    return schlechter ? summe / schlechter : 1.0;
}

} // namespace

std::vector<int> ReihenfolgeErschoepfend(const TZeitplanRechnung& rechnung)
{
    std::vector<int> reihe = rechnung.BelegteZeilen();
    std::sort(reihe.begin(), reihe.end());
    std::vector<int> beste = reihe;
    TBewertung bestesMass = rechnung.Bewerten(reihe);
    while (std::next_permutation(reihe.begin(), reihe.end())) {
        const TBewertung b = rechnung.Bewerten(reihe);
        if (b < bestesMass) {
            bestesMass = b;
            beste = reihe;
        }
    }
    return beste;
}

std::vector<int> ReihenfolgeGluehen(const TZeitplanRechnung& rechnung, const std::vector<int>& start,
                                    long long einheiten, std::uint32_t startwert)
{
    const int n = static_cast<int>(start.size());
    if (n < 2 || einheiten <= 0)
        return start;
    std::mt19937 zufall(startwert);
    const int proben = static_cast<int>(std::min<long long>(100, einheiten / 10));
    const double t0 = anfangstemperatur(rechnung, start, zufall, proben);
    // the end: a hundredth of the start, a few minutes on school plans, so that a worsening by
    // one short conference is still taken now and then; colder, the last part of the budget
    // would only repeat refused moves
    const double tEnde = t0 * 0.01;
    const long long schritte = std::max<long long>(1, einheiten - proben - 1);
    const double abkuehlung = std::pow(tEnde / t0, 1.0 / static_cast<double>(schritte));

    std::vector<int> reihe = start;
    TBewertung jetzt = rechnung.Bewerten(reihe);
    std::vector<int> beste = reihe;
    TBewertung bestesMass = jetzt;
    double t = t0;
    for (long long s = 0; s < schritte; ++s, t *= abkuehlung) {
        const auto [art, i, j] = zugZiehen(zufall, n);
        bewegen(reihe, art, i, j);
        const TBewertung neu = rechnung.Bewerten(reihe);
        const double d = energie(neu) - energie(jetzt);
        const double wurf = static_cast<double>(zufall()) / 4294967296.0;
        if (d <= 0 || wurf < std::exp(-d / t)) {
            jetzt = neu;
            if (neu < bestesMass) {
                bestesMass = neu;
                beste = reihe;
            }
        } else {
            zuruecknehmen(reihe, art, i, j);
        }
    }
    return beste;
}

std::vector<int> ReihenfolgeSuchen(const TZeitplanRechnung& rechnung, const std::vector<int>& start,
                                   long long einheiten)
{
    const int n = static_cast<int>(start.size());
    if (fakultaetBis(n, einheiten) <= einheiten)
        return ReihenfolgeErschoepfend(rechnung);
    return ReihenfolgeGluehen(rechnung, start, einheiten);
}

TPlanZeilen ReihenfolgeOptimieren(const TPlanZeilen& zeilen, const TZeitplanEinstellungen& einstellungen,
                                  const TKonfliktArten& arten, long arbeitseinheiten)
{
    const TZeitplanRechnung rechnung(zeilen, einstellungen, arten);
    const std::vector<int> reihe = ReihenfolgeSuchen(rechnung, rechnung.BelegteZeilen(), arbeitseinheiten);
    TPlanZeilen neu;
    for (const int z : reihe)
        neu << zeilen[z];
    // rows without a class keep their place at the end
    for (int z = 0; z < zeilen.size(); ++z)
        if (!std::binary_search(rechnung.BelegteZeilen().begin(), rechnung.BelegteZeilen().end(), z))
            neu << zeilen[z];
    return neu;
}
