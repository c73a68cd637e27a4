#pragma once

#include "distribution/UBitmenge.h"
#include "distribution/USuche.h"

#include <cstdint>
#include <vector>

// The conflict graph of the classes of a prepared search: the classes are its ranks, and
// two classes are neighbours when they may not share a time slot. A class is never its own
// neighbour.
class TKonfliktgraph
{
public:
    using TWort = TSuche::TWort;

    explicit TKonfliktgraph(const TSuche& suche);

    int Anzahl() const { return anzahl; }
    int Woerter() const { return woerter; }
    const TWort* Nachbarbits(int klasse) const { return bits.data() + static_cast<std::size_t>(klasse) * woerter; }
    const std::vector<int>& Nachbarn(int klasse) const { return nachbarn[static_cast<std::size_t>(klasse)]; }
    bool Konflikt(int a, int b) const { return BitGesetzt(Nachbarbits(a), b); }

private:
    int anzahl;
    int woerter;
    std::vector<TWort> bits;
    std::vector<std::vector<int>> nachbarn;
};

// The largest set of classes that pairwise conflict (exact branch and bound, bounded by
// a greedy colouring of the candidates). Should the search need more than knotenGrenze
// nodes, the largest set found so far is returned: still a set of pairwise conflicting
// classes, so still a valid lower bound on the number of time slots.
std::vector<int> GroessteClique(const TKonfliktgraph& graph, long knotenGrenze = 20'000'000);

// No plan with at most grenze classes per group has fewer groups than this: the larger of
// classes ÷ limit (rounded up) and the size of the largest set of pairwise conflicting
// classes; 0 for fewer than two classes.
int Untergrenze(const TKonfliktgraph& graph, int grenze);
