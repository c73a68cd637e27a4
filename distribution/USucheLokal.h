#pragma once

#include "distribution/USucheGraph.h"

#include <vector>

// A plan by rank: the group of every class, the groups numbered 0 .. Mass.Zeilen - 1.
struct TPlan
{
    std::vector<int> GruppeVon;
    TVerteilungsMass Mass{0, 1};
};

// The plan of a numbering in which every class has a group (any numbers from 0 on):
// empty numbers are closed up, so the groups are numbered 0 .. rows - 1 in the order of
// their numbers.
TPlan PlanAusGruppen(const std::vector<int>& gruppeVon);

// The improving search: a tabu search over partial plans. It tries to place every class in
// a fixed number of groups of a fixed capacity, none holding two conflicting classes. A
// move places a class that has no group yet into a group and takes out of it the classes
// it conflicts with, and, should the group be full, one class more. Every class carries a
// weight that grows by one for each move it spends without a group; the moves that leave
// the least weight without a group are taken, so classes hard to place get their turn and
// the search leaves plateaus where many moves look alike. A class taken out of a group may
// not return to it for a while (the tabu tenure), so the search does not circle.

class TLokaleSuche
{
public:
    explicit TLokaleSuche(const TKonfliktgraph& graph);

    // Begins an attempt from a partial plan: gruppeVon holds a group below `gruppen` for a
    // placed class and -1 for a class without one. The placed classes must keep the rule:
    // no two conflicting classes and at most `kapazitaet` classes in a group.
    void Beginnen(const std::vector<int>& gruppeVon, int gruppen, int kapazitaet);
    // Up to `zuege` moves. True when every class has its place; Ergebnis() is then a plan.
    bool Arbeiten(long zuege, TZufall& zufall);
    // The work of all attempts so far, in units that follow the time: a move costs one unit
    // and one more per 32 places it weighs (classes without a group times groups).
    long long Aufwand() const { return aufwand; }
    // Moves since the fewest classes without a group were last lowered.
    long ZuegeOhneFortschritt() const { return zug - letzterFortschritt; }
    TPlan Ergebnis() const { return PlanAusGruppen(gruppeVon); }
    // The partial plan made whole: the classes without a group are placed first-fit into
    // new groups, keeping the rule.
    TPlan Vervollstaendigt() const;

private:
    struct TZug
    {
        int klasse = -1;
        int gruppe = -1;
    };

    TZug zugWaehlen(TZufall& zufall) const;
    void ziehen(TZug z, TZufall& zufall);
    int zuVerdraengen(int gruppe, TZufall& zufall) const;
    void einsetzen(int klasse, int gruppe);
    void herausnehmen(int klasse, int gruppe, long tabuBis);
    long long leichtesteOhneKonflikt(int klasse, int gruppe) const;
    long long& konfliktGewicht(int klasse, int gruppe) { return gewichtImKonflikt[static_cast<std::size_t>(gruppe) * graph.Anzahl() + klasse]; }
    long long konfliktGewicht(int klasse, int gruppe) const { return gewichtImKonflikt[static_cast<std::size_t>(gruppe) * graph.Anzahl() + klasse]; }
    int& konflikte(int klasse, int gruppe) { return konfliktZahl[static_cast<std::size_t>(gruppe) * graph.Anzahl() + klasse]; }
    int konflikte(int klasse, int gruppe) const { return konfliktZahl[static_cast<std::size_t>(gruppe) * graph.Anzahl() + klasse]; }
    long tabu(int klasse, int gruppe) const { return tabuBis[static_cast<std::size_t>(klasse) * gruppen + gruppe]; }

    const TKonfliktgraph& graph;
    int gruppen = 0;
    int kapazitaet = 1;
    std::vector<int> gruppeVon;
    std::vector<std::vector<int>> mitglieder;
    std::vector<int> konfliktZahl; // per group and class: the class's neighbours in the group
    std::vector<long> tabuBis;     // per class and group: the move from which on it may return
    std::vector<long long> gewichtImKonflikt; // per group and class: the weight of its neighbours there
    std::vector<long long> gewicht;            // per class: one more for every move it spent without a group
    std::vector<int> ohneGruppe;
    std::vector<int> stelleOhneGruppe;
    long zug = 0;
    long long aufwand = 0;
    long letzterFortschritt = 0;
    std::size_t wenigsteOhneGruppe = 0;
};
