#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// Helpers the two windows of the minutes texts share.

// The font of the two windows.
inline void Fensterschrift(QWidget* fenster)
{
    QFont schrift(QStringLiteral("Tahoma"), 9);
    schrift.setStyleHint(QFont::SansSerif);
    fenster->setFont(schrift);
}

// The window's starting size, made smaller where the screen is (a 1024 x 600 netbook):
// room is left for the window frame and the desktop's panels.
inline void StartgroesseSetzen(QWidget* fenster, QSize wunsch)
{
    QScreen* bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (bildschirm) {
        const QRect frei = bildschirm->availableGeometry();
        constexpr int Rahmen = 40;
        wunsch = wunsch.boundedTo(QSize(frei.width() - 16, frei.height() - Rahmen));
    }
    fenster->resize(wunsch.expandedTo(fenster->minimumSizeHint()));
}

// A field that shows what the user cannot change, on its own background colour.
inline void Hintergrund(QWidget* feld, const QColor& farbe)
{
    QPalette farben = feld->palette();
    farben.setColor(QPalette::Base, farbe);
    feld->setPalette(farben);
}
