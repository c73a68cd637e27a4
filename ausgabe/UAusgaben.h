#pragma once

#include "distribution/UZeitplan.h"

#include <QDateTime>
#include <QString>

#include <functional>

// Writes the outputs of a timetable into a folder, each file through the safe writer:
// Lehrkraefte.pdf, Tuerschilder.pdf, Uebersicht.pdf, and in ics/ one calendar per teacher
// (named after the abbreviation, made safe) and alle.ics. The window's "Ausgaben …" and
// "simultano-cli ausgaben" both call it.

struct TAusgabeWahl
{
    bool Lehrkraefte = true;
    bool Tuerschilder = true;
    bool Uebersicht = true;
    bool Kalender = true;
};

struct TAusgabeAuftrag
{
    QString Ordner;
    QString Kennung;   // the project's identity for the calendar UIDs (ProjektKennung)
    QDateTime Stempel; // the time of writing
    TAusgabeWahl Wahl;
};

struct TAusgabeErgebnis
{
    int Dateien = 0;   // written
    QString Fehler;    // empty on success
};

// fortschritt is told before each file how many are written and how many there are; false
// stops before the next file (the error then says so).
using TAusgabeFortschritt = std::function<bool(int fertig, int gesamt)>;

TAusgabeErgebnis AusgabenSchreiben(const TZeitplan& zeitplan, const TLehrerliste& lehrer,
                                   const TAusgabeAuftrag& auftrag, const TAusgabeFortschritt& fortschritt = {});
