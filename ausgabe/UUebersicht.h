#pragma once

#include "distribution/UZeitplan.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>

class QPainter;

// The overview of the afternoon as it hangs in the staff room: rooms across, time down, each
// conference a box of its length with class and chair, drawn to scale. One sheet per day;
// more rooms than fit readably on one sheet go on to further sheets.

struct TUebersichtBlatt
{
    int Tag = 0;           // index into the days of the timetable
    int ErsteSpalte = 0;   // the first room (column) on this sheet
    int Spalten = 0;       // how many rooms
};

// The sheets of the timetable; at least one (an empty timetable gives one empty sheet).
QList<TUebersichtBlatt> UebersichtBlaetter(const TZeitplan& zeitplan);
// Draws one sheet into an A4 landscape sheet of 2970 × 2100 units (tenths of a millimetre);
// the caller scales the painter to its device.
void UebersichtZeichnen(QPainter& maler, const TZeitplan& zeitplan, const TUebersichtBlatt& blatt);
// Scales the painter so that the sheet fits the rectangle, centred, keeping its proportions.
void AufBlattSkalieren(QPainter& maler, const QRectF& ziel);

// The sheets as one PDF document, A4 landscape.
QByteArray UebersichtPdf(const QList<TUebersichtBlatt>& blaetter, const TZeitplan& zeitplan);
// One sheet as a picture of that width (white background).
QImage UebersichtBild(const TZeitplan& zeitplan, const TUebersichtBlatt& blatt, int breite);
// One sheet as an SVG document.
QByteArray UebersichtSvg(const TZeitplan& zeitplan, const TUebersichtBlatt& blatt);
