#pragma once

#include "distribution/USuche.h"
#include "planning/UClasses.h"
#include "planning/UVar.h"

#include <memory>

// Divides the classes into conference groups: the classes of one group share no teacher,
// so their conferences can be held at the same time. The classes are put into a random
// order and the groups, of at most limit classes each, are filled greedily in that order.
// The classes of each group and the groups (by their first classes) are in class order.
// With fewer than two classes the distribution is empty and no number is drawn. The kinds
// of conflict say who else besides the teachers keeps two classes apart.
std::unique_ptr<TVerteilung> VerteilungSuchen(const TKlassenliste& klassen, int limit, TZufall& zufall,
                                              TKonfliktArten arten = {});

// Replaces the global Verteilung by a new search over Klassenliste with the global
// generator and returns the largest group size (1 when there are fewer than two classes).
int VerteilungSuchen(int limit);
int VerteilungSuchen(int limit, TKonfliktArten arten);

// The largest group size of a distribution; 1 for an empty one.
int Spaltenzahl(const TVerteilung& verteilung);

// True when the rows hold every class of the list exactly once and no two classes of a row
// are in conflict under the kinds of conflict; empty cells (null) are allowed.
bool PlanPasst(const QList<QList<TKlasse*>>& zeilen, const TKlassenliste& klassen, TKonfliktArten arten);

// Why there is nothing to distribute: the evaluation needs at least two classes.
extern const QString MeldungZuWenigeKlassen;
