#pragma once

#include "distribution/UOptimierung.h"
#include "distribution/UVorsitzVerteilen.h"
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
    bool VorsitzVerteilen = false; // --vorsitz-verteilen
    QStringList Vorsitzende;       // --vorsitzende: abbreviations; empty: the marked teachers
};

// The names of those options for TArgumente: with a value, and switches.
QStringList OptimierungsOptionenMitWert();
QStringList OptimierungsSchalter();
// Their lines for --help, aligned like the other options of a subcommand.
QString OptimierungsHilfe();

// Reads the options; a wrong value throws a TFehler with a German message.
TCliOptimierung OptimierungsOptionenLesen(const TArgumente& args);

// The teachers who may chair: those of --vorsitzende, else the marked ones. An unknown
// abbreviation throws a TFehler.
TVorsitzEinstellung VorsitzEinstellungLesen(const TLehrerliste& lehrer, const TCliOptimierung& optionen);

// The loop run once over the classes, as "Start (Optimierung)" runs it without the window;
// with vorsitz it keeps the chair rule (see TOptimierung).
struct TCliOptimierungsLauf
{
    std::unique_ptr<TOptimierung> Optimierung;
    TLaufErgebnis Lauf;
};
TCliOptimierungsLauf OptimierungAusfuehren(const TKlassenliste& klassen, const TCliOptimierung& optionen,
                                           const TVorsitzEinstellung* vorsitz = nullptr);
