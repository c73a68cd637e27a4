#pragma once

#include <QWidget>

// Helpers the two windows of the minutes texts share.

// The font of the two windows. 9 points, not 16 pixels: where Tahoma is missing, its stand-in
// (DejaVu Sans) is so much wider that at 16 pixels the preview's button row and introduction
// no longer fit a 1024 x 600 screen.
inline void Fensterschrift(QWidget* fenster)
{
    QFont schrift(QStringLiteral("Tahoma"), 9);
    schrift.setStyleHint(QFont::SansSerif);
    fenster->setFont(schrift);
}
