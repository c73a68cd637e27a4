#pragma once

#include <QWidget>

// Helpers the two windows of the minutes texts share.

// The font of the two windows.
inline void Fensterschrift(QWidget* fenster)
{
    QFont schrift(QStringLiteral("Tahoma"), 9);
    schrift.setStyleHint(QFont::SansSerif);
    fenster->setFont(schrift);
}
