#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Windows on small screens: every window keeps its starting size and place where the screen
// has room for them, and is made smaller or moved otherwise, so that no part of it, its
// frame included, lies outside the screen's available area (a 1024 x 600 netbook, a screen
// with panels, a large scale factor).

// The frame the window manager draws around a window that has not been shown yet.
constexpr QMargins VermuteterRahmen(4, 32, 4, 4);

// Where a window of the client size groesse whose frame starts at position goes inside the
// area: the result's top left is the frame's new position, its size the new client size.
// The window stays at its position and becomes smaller; it moves only where its minimum
// size does not fit from there.
QRect Eingepasst(QPoint position, QSize groesse, QSize minimum, const QRect& bereich, const QMargins& rahmen);

// Gives the window its starting size, or less where its screen is smaller, and lowers its
// minimum size likewise; the window manager places it.
void GroesseEinpassen(QWidget* fenster, QSize groesse);
// Places the window (its frame included) in the middle of its screen's available area,
// made smaller where the area is smaller.
void Zentrieren(QWidget* fenster);
// Moves the window's frame to the screen position and makes the window smaller where it would
// run off the screen there (Eingepasst).
void LageEinpassen(QWidget* fenster, QPoint position);
