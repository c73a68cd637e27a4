#pragma once

#include "cli/UCliOptimierung.h"
#include "distribution/UZeitplan.h"
#include "planning/UProjekt.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TArgumente;

// The timetable as "simultano-cli zeitplan" makes it, shared with "ausgaben": the options of
// the conference days, durations, changeover and rooms on top of those of the optimisation.

// The names of those options with a value (the optimisation's included) and their lines
// for --help.
QStringList ZeitplanOptionenMitWert();
QString ZeitplanHilfe();

struct TCliZeitplan
{
    TCliOptimierung Optionen;
    TZeitplanEinstellungen Einstellungen;
    TPlanZeilen Zeilen;
    TZeitplan Zeitplan;
    QByteArray Json; // the object of --json
};

// Reads the options, runs the optimisation over the project's classes and orders the slots;
// a wrong option throws a TFehler with a German message.
TCliZeitplan ZeitplanAusfuehren(const TArgumente& args, const TProjektErgebnis& projekt);
