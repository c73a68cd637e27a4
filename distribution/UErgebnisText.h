#pragma once

#include "distribution/UZeitplan.h"
#include "planning/UClasses.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The result table as the result window shows it: row 0 holds "" and the column letters
// "A", "B", ...; column 0 the row numbers "1.", "2.", ...; the other cells the designations,
// empty where a group has fewer classes than the plan has columns.
using TErgebnisTabelle = QList<QStringList>;

// The header texts of the classic table: "A", "B", ... and "1.", "2.", ... (from 0).
QString Spaltenbuchstabe(int spalte);
QString Zeilennummer(int zeile);

// The rows of a plan, each filled up with null to the given number of class columns.
TPlanZeilen Planzeilen(const TVerteilung& verteilung, int spalten);

// The table of a plan with the given number of class columns.
TErgebnisTabelle ErgebnisTabelle(const TVerteilung& verteilung, int spalten);
TErgebnisTabelle ErgebnisTabelle(const TPlanZeilen& zeilen, int spalten);

// The table as a text file: one line per row, cells joined by "," (or by tabs: then every
// comma of the finished line becomes a tab, quoted ones included), row 0 prefixed with "//",
// a cell with a blank, a control character, a quote or a comma in double quotes (inner
// quotes doubled), CR LF after every line, Windows-1252 without byte-order mark.
QByteArray ErgebnisText(const TErgebnisTabelle& tabelle, bool tabulator);

// ---- the table with the day, times and rooms ("mit Uhrzeiten und Räumen")

// The rows of a timetable as a table of the same form: row 0 holds "", "Tag", "Beginn",
// "Ende" and the rooms of the columns; every row of the plan its number, its day, the start
// and end of its time slot and its classes by room. A row that fits into no day reads
// "nicht untergebracht" as its day and leaves the times empty.
TErgebnisTabelle ZeitplanTabelle(const TPlanZeilen& zeilen, const TZeitplan& zeitplan, const QStringList& raeume);
