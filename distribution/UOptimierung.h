#pragma once

#include "distribution/USuche.h"
#include "planning/UClasses.h"
#include "planning/UVar.h"

#include <memory>

// Which people besides the teachers who teach a class make two classes conflict.
struct TKonfliktArten
{
    bool Vorsitz = false; // two classes with the same chair conflict
    bool Eltern = false;  // two classes whose parent representatives share an ID conflict

    bool operator==(const TKonfliktArten&) const = default;
};

// The rule by which the optimisation takes a plan: fewer rows (time slots); when
// spaltenMinimieren is set, also as many rows and fewer columns. A plan equal in both is
// not better.
bool Besser(TVerteilungsMass neu, TVerteilungsMass bisher, bool spaltenMinimieren);

// The optimisation of one evaluation, prepared once for the classes as they are: the
// greedy search and, between its passes, a search that improves the best plan found so
// far. The window's loop and the command line run it step by step and keep what the
// rule calls better.
class TOptimierung
{
public:
    TOptimierung(const TKlassenliste& klassen, int grenze, bool spaltenMinimieren, TKonfliktArten arten);
    ~TOptimierung();
    TOptimierung(const TOptimierung&) = delete;
    TOptimierung& operator=(const TOptimierung&) = delete;

    // No plan has fewer rows than this: the larger of classes ÷ limit (rounded up) and the
    // largest number of classes that pairwise conflict.
    int Untergrenze() const { return untergrenze; }

    // One step of the loop, a few milliseconds at most: a greedy pass, or a slice of the
    // improving search. Returns the size of the plan the step ended with; Plan() hands it out.
    TVerteilungsMass Schritt(TZufall& zufall);
    // The plan of the last step, its classes and groups in class order.
    std::unique_ptr<TVerteilung> Plan() const;

private:
    TSuche suche;
    int grenze;
    [[maybe_unused]] bool spaltenMinimieren;
    [[maybe_unused]] TKonfliktArten arten;
    int untergrenze = 0;
};

// One greedy search as "Start" runs it, with the conflicts of the given kinds: replaces
// the global Verteilung and returns its largest group size.
int VerteilungSuchen(int limit, TKonfliktArten arten);
