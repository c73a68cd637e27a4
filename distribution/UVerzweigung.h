#pragma once

#include "distribution/USucheGraph.h"

#include <vector>

// An exact answer to "can the classes be placed in `gruppen` groups of at most
// `kapazitaet` classes, no group holding two conflicting classes?" by branch and bound,
// within a limit of nodes. TGruppenEntscheidung tries it first, with a small limit, before
// its SAT solver; the reference values of the benchmark use it with a large one.
enum class TAntwort
{
    Ja,
    Nein,
    Offen, // the node limit was reached first
};

struct TBeweis
{
    TAntwort Antwort = TAntwort::Offen;
    long Knoten = 0;
    std::vector<int> GruppeVon; // with Ja: a plan that shows it
};

// Branch and bound in the manner of DSATUR: the largest clique is placed first, one class
// per group; then always the class with the fewest groups left open to it is placed, in
// each of those groups in turn (a group not yet begun counts once, as all empty groups
// are alike). A branch ends when a class has no group left or the free places cannot hold
// the classes still without one.
TBeweis GruppenBeweisen(const TKonfliktgraph& graph, int gruppen, int kapazitaet, long knotenGrenze);

// The same question answered by covering the classes group by group: the class with the
// fewest compatible classes left is taken, and every group it could head is tried (a group
// is either full or takes every class left that would fit, since a larger group never
// hurts). A branch ends when the classes left need more groups than remain: more than
// fit by number, or more than a clique among them. No two branches give the same plan.
TBeweis MengenBeweisen(const TKonfliktgraph& graph, int gruppen, int kapazitaet, long knotenGrenze);
