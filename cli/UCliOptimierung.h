#pragma once

#include "distribution/UOptimierung.h"
#include "planning/UClasses.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class TArgumente;

// The options of the optimisation that the subcommands which run it share: the limit of
// parallel conferences, the budget (seconds or work units), the seed and the rules.
struct TCliOptimierung
{
    int Grenze = 4;
    TLaufGrenze Budget;
    std::uint32_t Startwert = 0;
    bool Spalten = false;
    TKonfliktArten Arten;
};

// The names of those options for TArgumente: with a value, and switches.
QStringList OptimierungsOptionenMitWert();
QStringList OptimierungsSchalter();
// Their lines for --help, aligned like the other options of a subcommand.
QString OptimierungsHilfe();

// Reads the options; a wrong value throws a TFehler with a German message.
TCliOptimierung OptimierungsOptionenLesen(const TArgumente& args);

// The loop run once over the classes, as "Start (Optimierung)" runs it without the window.
struct TCliOptimierungsLauf
{
    std::unique_ptr<TOptimierung> Optimierung;
    TLaufErgebnis Lauf;
};
TCliOptimierungsLauf OptimierungAusfuehren(const TKlassenliste& klassen, const TCliOptimierung& optionen);
