#pragma once

#include "planning/UClasses.h"
#include "planning/UVar.h"

#include <QList>

#include <memory>

// The distribution search in its plainest form, as the yardstick for the prepared search:
// one working list, a test per pair (candidate, group member) that compares the two
// teacher lists, and sorts with the class and group comparators at the end.
std::unique_ptr<TVerteilung> VerteilungSuchenEinfach(const TKlassenliste& klassen, int limit, TZufall& zufall);

// The classes in random order: for r = n down to 2, draw i below r and move the entry at
// position i to the end.
QList<TKlasse*> ReihenfolgeMischen(const TKlassenliste& klassen, TZufall& zufall);

// The greedy fill alone, on the given order; the groups in the order they were formed,
// their classes in the order they joined.
std::unique_ptr<TVerteilung> GruppenFuellenEinfach(QList<TKlasse*> reihe, int limit);
