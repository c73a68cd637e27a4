// Dragging fields between the field list and the three panels of the import window.
#include "import/UImport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include <algorithm>

bool TFImport::FelderLBDragOver(const TZiehquelle& quelle) const
{
    return quelle.Slot >= 0;
}

void TFImport::FelderLBDragDrop(const TZiehquelle& quelle)
{
    if (!FelderLBDragOver(quelle))
        return;
    Wahl[quelle.Slot] = -1;
    FelderAnzeigen();
}

bool TFImport::P0DragOver(int slot, const TZiehquelle&) const
{
    return Wahl[slot] < 0;
}

void TFImport::P0DragDrop(int slot, const TZiehquelle& quelle)
{
    if (!P0DragOver(slot, quelle))
        return;
    if (quelle.Slot >= 0) {
        Wahl[slot] = Wahl[quelle.Slot];
        Wahl[quelle.Slot] = -1;
    } else if (QListWidgetItem* eintrag = FelderLB->item(quelle.Eintrag)) {
        AuswahlIndex = std::max(quelle.Eintrag - 1, 0);
        Wahl[slot] = eintrag->data(Qt::UserRole).toInt();
    }
    FelderAnzeigen();
}

// The drag stays inside this window, so it needs no help of the platform: the button pressed
// on an entry or a filled panel, a move past the drag threshold starts it, and the widget
// under the release point takes the drop if it accepts it. The cursor tells meanwhile
// whether the place under it would.
bool TFImport::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseMove && art != QEvent::MouseButtonRelease)
        return TDialogFenster::eventFilter(objekt, ereignis);
    const auto* maus = static_cast<QMouseEvent*>(ereignis);
    const QPoint global = maus->globalPosition().toPoint();
    switch (art) {
    case QEvent::MouseButtonPress:
        if (maus->button() == Qt::LeftButton)
            ziehenBeginnen(objekt, maus->position().toPoint());
        return false; // the list still selects the entry
    case QEvent::MouseMove:
        if (!ziehen.Objekt || !(maus->buttons() & Qt::LeftButton))
            return false;
        if (!ziehen.Aktiv && (maus->position().toPoint() - ziehen.Start).manhattanLength() < QApplication::startDragDistance())
            return false;
        ziehenVerfolgen(global);
        return true;
    case QEvent::MouseButtonRelease:
        if (maus->button() != Qt::LeftButton || !ziehen.Objekt)
            return false;
        if (ziehen.Aktiv) {
            ziehenAblegen(global);
            return true;
        }
        ziehenBeenden();
        return false;
    default:
        return false;
    }
}

void TFImport::ziehenBeginnen(QObject* objekt, QPoint stelle)
{
    ziehenBeenden();
    TZiehquelle quelle;
    if (objekt == FelderLB->viewport()) {
        const QModelIndex index = FelderLB->indexAt(stelle);
        if (!index.isValid())
            return;
        quelle.Eintrag = index.row();
    } else {
        quelle.Slot = panelSlot(objekt);
        if (quelle.Slot < 0 || Wahl[quelle.Slot] < 0)
            return;
    }
    ziehen = {quelle, objekt, stelle, false};
}

void TFImport::ziehenVerfolgen(QPoint global)
{
    const Qt::CursorShape form = annehmen(zielUnter(global)) ? Qt::DragMoveCursor : Qt::ForbiddenCursor;
    if (!ziehen.Aktiv) {
        ziehen.Aktiv = true;
        QApplication::setOverrideCursor(form);
    } else {
        QApplication::changeOverrideCursor(form);
    }
}

void TFImport::ziehenAblegen(QPoint global)
{
    const TZiehquelle quelle = ziehen.Quelle;
    QWidget* ziel = zielUnter(global);
    const bool angenommen = annehmen(ziel);
    ziehenBeenden();
    if (!angenommen)
        return;
    if (ziel == FelderLB)
        FelderLBDragDrop(quelle);
    else
        P0DragDrop(panelSlot(ziel), quelle);
}

void TFImport::ziehenBeenden()
{
    if (ziehen.Aktiv)
        QApplication::restoreOverrideCursor();
    ziehen = {};
}

QWidget* TFImport::zielUnter(QPoint global) const
{
    for (QWidget* ziel : {static_cast<QWidget*>(FelderLB), static_cast<QWidget*>(P[0]), static_cast<QWidget*>(P[1]),
                          static_cast<QWidget*>(P[2])})
        if (ziel->isVisible() && ziel->rect().contains(ziel->mapFromGlobal(global)))
            return ziel;
    return nullptr;
}

// The slot of a panel (the digit of its name), -1 for anything else.
int TFImport::panelSlot(const QObject* objekt) const
{
    for (int slot = 0; slot < 3; ++slot)
        if (P[slot] == objekt)
            return slot;
    return -1;
}

bool TFImport::annehmen(QWidget* ziel) const
{
    if (!ziel)
        return false;
    if (ziel == FelderLB)
        return FelderLBDragOver(ziehen.Quelle);
    return P0DragOver(panelSlot(ziel), ziehen.Quelle);
}

void TFImport::keyPressEvent(QKeyEvent* ereignis)
{
    // Esc during a drag ends the drag, not the dialog
    if (ereignis->key() == Qt::Key_Escape && ziehen.Aktiv) {
        ziehenBeenden();
        return;
    }
    TDialogFenster::keyPressEvent(ereignis);
}
