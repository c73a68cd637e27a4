#pragma once

#include "distribution/UZeitplan.h"

class TOptimierung;
class TZufall;
struct TKonfliktArten;

// The choice among plans with the fewest time slots: where the search knows several, the
// teachers wait least in one of them. Used alike by the result window and simultano-cli.

// How many plans the choice looks at, and how many further steps of the optimisation may
// look for them once its loop has ended.
constexpr int PlanwahlHoechstens = 6;
constexpr int PlanwahlSchritte = 200;

// The best plan of the optimisation and up to PlanwahlHoechstens - 1 other plans just as good
// (as many rows and, with spalten, no more columns) that at most PlanwahlSchritte further
// steps meet. The best plan is ordered with the whole budget, the others with a share of it
// each; the one of them with the least waiting (then the least largest waiting) once more with
// all of it, and taken when its teachers wait less than in the best plan. Returns the rows in
// their order. A step that finds a better plan starts the choice anew from it, so the
// optimisation's best plan never has fewer rows than the plan returned.
TPlanZeilen PlanMitWenigWarten(TOptimierung& optimierung, TZufall& zufall, bool spalten,
                               const TZeitplanEinstellungen& einstellungen, const TKonfliktArten& arten,
                               long long einheiten);
