#pragma once

#include "distribution/UZeitplanRechnung.h"

#include <cstdint>
#include <vector>

// The search for an order of the time slots with little waiting (ReihenfolgeOptimieren in
// UZeitplan.h goes through it). An order is a list of the occupied rows of a plan; the work
// is counted in weighings of an order, one unit each, so that the same budget gives the same
// order on any machine.

// Every order of the rows, the best by TBewertung (the first of equals in the order of
// std::next_permutation from the sorted rows). Only for a few rows: n! weighings.
std::vector<int> ReihenfolgeErschoepfend(const TZeitplanRechnung& rechnung);
// Simulated annealing over the orders from the given one: swaps, moves of a row forward or
// back and reversals of rows, cooling over the budget of weighings; returns the best order it met.
std::vector<int> ReihenfolgeGluehen(const TZeitplanRechnung& rechnung, const std::vector<int>& start,
                                    long long einheiten, std::uint32_t startwert = 1);
// The search the program uses: every order when there are at most as many as the budget
// allows, else the annealing from the given order.
std::vector<int> ReihenfolgeSuchen(const TZeitplanRechnung& rechnung, const std::vector<int>& start,
                                   long long einheiten);

// The work budget of the ordering search in the window and on the command line.
constexpr long long ReihenfolgeEinheiten = 200'000;
