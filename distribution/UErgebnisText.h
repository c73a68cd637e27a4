#pragma once

#include "planning/UClasses.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The result table as the result window shows it: row 0 holds "" and the column letters
// "A", "B", ...; column 0 the row numbers "1.", "2.", ...; the other cells the designations,
// empty where a group has fewer classes than the plan has columns.
using TErgebnisTabelle = QList<QStringList>;

// The table of a plan with the given number of class columns.
TErgebnisTabelle ErgebnisTabelle(const TVerteilung& verteilung, int spalten);

// The table as a text file: one line per row, cells joined by "," (or by tabs: then every
// comma of the finished line becomes a tab, quoted ones included), row 0 prefixed with "//",
// a cell with a blank, a control character, a quote or a comma in double quotes (inner
// quotes doubled), CR LF after every line, Windows-1252 without byte-order mark.
QByteArray ErgebnisText(const TErgebnisTabelle& tabelle, bool tabulator);
