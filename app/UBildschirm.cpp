#include "app/UBildschirm.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

int eingepasst(int lage, int laenge, int anfang, int platz)
{
    return std::max(anfang, std::min(lage, anfang + platz - laenge));
}

// The frame of a window that is shown is known; before that it is guessed.
QMargins rahmen(const QWidget* fenster)
{
    const QRect aussen = fenster->frameGeometry();
    const QRect innen = fenster->geometry();
    if (!fenster->isVisible() || aussen == innen)
        return VermuteterRahmen;
    return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
            aussen.bottom() - innen.bottom()};
}

// The client area a window may take on the screen, and its minimum size limited to it.
QSize platzFuer(QWidget* fenster, const QRect& bereich)
{
    const QSize platz = bereich.size().shrunkBy(rahmen(fenster));
    if (QLayout* anordnung = fenster->layout())
        anordnung->activate(); // the minimum size the layout needs
    const QSize minimum = fenster->minimumSize();
    if (minimum.width() > platz.width() || minimum.height() > platz.height())
        fenster->setMinimumSize(minimum.boundedTo(platz));
    return platz;
}

} // namespace

QRect Eingepasst(QPoint position, QSize groesse, QSize minimum, const QRect& bereich, const QMargins& rahmen)
{
    // The window keeps its place and gives up size first; it moves only where even its
    // minimum size would not fit from there.
    const QSize ganz = bereich.size().shrunkBy(rahmen);
    const QPoint lage(std::clamp(position.x(), bereich.left(), bereich.right()),
                      std::clamp(position.y(), bereich.top(), bereich.bottom()));
    const QSize abLage = QSize(bereich.right() + 1 - lage.x(), bereich.bottom() + 1 - lage.y()).shrunkBy(rahmen);
    const QSize innen = groesse.boundedTo(abLage).expandedTo(minimum).boundedTo(ganz).expandedTo(QSize(1, 1));
    const QSize aussen = innen.grownBy(rahmen);
    return {QPoint(eingepasst(lage.x(), aussen.width(), bereich.left(), bereich.width()),
                   eingepasst(lage.y(), aussen.height(), bereich.top(), bereich.height())),
            innen};
}

void GroesseEinpassen(QWidget* fenster, QSize groesse)
{
    fenster->resize(groesse.boundedTo(platzFuer(fenster, fenster->screen()->availableGeometry())));
}

void Zentrieren(QWidget* fenster)
{
    const QRect bereich = fenster->screen()->availableGeometry();
    QRect aussen(QPoint(), fenster->size().grownBy(rahmen(fenster)));
    aussen.moveCenter(bereich.center());
    LageEinpassen(fenster, aussen.topLeft());
}

void LageEinpassen(QWidget* fenster, QPoint position)
{
    QScreen* bildschirm = QGuiApplication::screenAt(position);
    const QRect bereich = (bildschirm ? bildschirm : fenster->screen())->availableGeometry();
    platzFuer(fenster, bereich);
    const QRect ziel = Eingepasst(position, fenster->size(), fenster->minimumSize(), bereich, rahmen(fenster));
    fenster->resize(ziel.size());
    fenster->move(ziel.topLeft());
}
