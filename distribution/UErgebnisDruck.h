#pragma once

#include "distribution/UErgebnisText.h"

class QDateTime;
class QPainter;

// "Konferenzen, die gleichzeitig stattfinden können (Auswertung: dd.mm.yy, hh:nn:ss)", the
// time with the locale's separator.
QString DruckUeberschrift(const QDateTime& zeitpunkt);

// Draws the result table on one page of the painter's device, everything in Arial 11 pt:
// the heading, then the class cells as a ruled table (neither the letters nor the row
// numbers are printed). Every measure derives from W and H, the width and height of
// "WWWyWWW": columns W wide from x = W, rows 1.5 H apart. A table larger than the page is
// scaled down to fit it. With mitKopf the texts of row 0 (the rooms and the names of the
// time columns) stand above the table as its header.
void ErgebnisZeichnen(QPainter& maler, const TErgebnisTabelle& tabelle, const QDateTime& zeitpunkt,
                      bool mitKopf = false);
