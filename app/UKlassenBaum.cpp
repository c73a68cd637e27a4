#include "app/UKlassenBaum.h"

#include "app/UBilder.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

TKnoten::TKnoten(TKlasse* klasse) : QTreeWidgetItem(Typ), Klasse(klasse) {}

TKnoten::TKnoten(TLehrer* lehrer) : QTreeWidgetItem(Typ), Lehrer(lehrer) {}

void AuswahlImmerZeigen(QWidget* ansicht)
{
    QPalette farben = ansicht->palette();
    for (const auto rolle : {QPalette::Highlight, QPalette::HighlightedText})
        farben.setColor(QPalette::Inactive, rolle, farben.color(QPalette::Active, rolle));
    ansicht->setPalette(farben);
}

TKnoten* Knoten(QTreeWidgetItem* item)
{
    return item && item->type() == TKnoten::Typ ? static_cast<TKnoten*>(item) : nullptr;
}

TKlassenBaum::TKlassenBaum(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setIndentation(19);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    AuswahlImmerZeigen(this);
    connect(this, &QTreeWidget::itemCollapsed, this, &TKlassenBaum::beimZuklappen);
}

TKnoten* TKlassenBaum::FokusKnoten() const
{
    QTreeWidgetItem* aktuell = currentItem();
    if (aktuell && aktuell->isSelected())
        return Knoten(aktuell);
    QTreeWidgetItemIterator it(const_cast<TKlassenBaum*>(this), QTreeWidgetItemIterator::Selected);
    return Knoten(*it);
}

void TKlassenBaum::KnotenWaehlen(QTreeWidgetItem* knoten)
{
    if (!knoten) {
        clearSelection();
        return;
    }
    scrollToItem(knoten); // opens the class of a teacher node
    setCurrentItem(knoten, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TKlassenBaum::AuswahlBereinigen()
{
    const TKnoten* fokus = FokusKnoten();
    if (!fokus)
        return;
    QItemSelection weg;
    for (QTreeWidgetItemIterator it(this, QTreeWidgetItemIterator::Selected); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const bool verborgen = item->parent() && !item->parent()->isExpanded();
        if (item->parent() != fokus->parent() || verborgen) {
            const QModelIndex index = indexFromItem(item);
            weg.select(index, index);
        }
    }
    if (!weg.isEmpty())
        selectionModel()->select(weg, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

void TKlassenBaum::BilderSetzen(TKnoten* knoten, int bild, int auswahlBild)
{
    if (knoten->bild == bild && knoten->auswahlBild == auswahlBild)
        return;
    knoten->bild = bild;
    knoten->auswahlBild = auswahlBild;
    knoten->setIcon(0, symbol(bild, auswahlBild));
}

const QIcon& TKlassenBaum::symbol(int bild, int auswahlBild)
{
    const int schluessel = bild * 100 + auswahlBild;
    auto it = symbole.find(schluessel);
    if (it == symbole.end()) {
        QIcon icon;
        const QPixmap normal = Bild(bild).pixmap(iconSize());
        const QPixmap ausgewaehlt = Bild(auswahlBild).pixmap(iconSize());
        if (!normal.isNull())
            icon.addPixmap(normal, QIcon::Normal);
        if (!ausgewaehlt.isNull())
            icon.addPixmap(ausgewaehlt, QIcon::Selected);
        it = symbole.insert(schluessel, icon);
    }
    return *it;
}

void TKlassenBaum::mousePressEvent(QMouseEvent* ereignis)
{
    QTreeWidget::mousePressEvent(ereignis);
    nachBenutzeraktion();
}

void TKlassenBaum::mouseMoveEvent(QMouseEvent* ereignis)
{
    QTreeWidget::mouseMoveEvent(ereignis);
    if (ereignis->buttons() != Qt::NoButton)
        AuswahlBereinigen();
}

void TKlassenBaum::mouseReleaseEvent(QMouseEvent* ereignis)
{
    QTreeWidget::mouseReleaseEvent(ereignis);
    nachBenutzeraktion();
}

void TKlassenBaum::keyPressEvent(QKeyEvent* ereignis)
{
    QTreeWidget::keyPressEvent(ereignis);
    nachBenutzeraktion();
}

void TKlassenBaum::nachBenutzeraktion()
{
    AuswahlBereinigen();
    emit Geklickt();
}

void TKlassenBaum::beimZuklappen(QTreeWidgetItem* item)
{
    // Hidden nodes cannot stay selected: a selection inside the closed class moves to it.
    QTreeWidgetItem* aktuell = currentItem();
    if (aktuell && aktuell->parent() == item && aktuell->isSelected())
        KnotenWaehlen(item);
    else
        AuswahlBereinigen();
}

TKnoten* TKlassenBaum::KlasseBei(QPoint global) const
{
    const QPoint stelle = viewport()->mapFromGlobal(global);
    if (!viewport()->rect().contains(stelle))
        return nullptr;
    QTreeWidgetItem* item = itemAt(stelle);
    return Knoten(item && item->parent() ? item->parent() : item);
}

// ---------------------------------------------------------------- dragging teachers

TLehrerZiehen::TLehrerZiehen(QAbstractItemView* liste, TKlassenBaum* baum)
    : QObject(liste), liste(liste), flaeche(liste->viewport()), baum(baum)
{
    flaeche->installEventFilter(this);
}

// The viewport also reports its events while the list is destroyed; only mouse events on it
// ask the list anything.
bool TLehrerZiehen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt != flaeche)
        return false;
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress: return gedrueckt(static_cast<QMouseEvent*>(ereignis));
    case QEvent::MouseMove: return bewegt(static_cast<QMouseEvent*>(ereignis));
    case QEvent::MouseButtonRelease: return losgelassen(static_cast<QMouseEvent*>(ereignis));
    default: return false;
    }
}

bool TLehrerZiehen::gedrueckt(const QMouseEvent* m)
{
    beenden();
    const QModelIndex zeile = liste->indexAt(m->position().toPoint());
    if (m->button() != Qt::LeftButton || m->modifiers() != Qt::NoModifier || !zeile.isValid() ||
        !liste->selectionModel()->isRowSelected(zeile.row(), QModelIndex()))
        return false; // the list selects as usual; a drag may follow from the new selection
    // the selection stays for the drag; a plain click is decided on release
    start = m->position().toPoint();
    startzeile = zeile;
    bereit = true;
    return true;
}

bool TLehrerZiehen::bewegt(const QMouseEvent* m)
{
    if (!(m->buttons() & Qt::LeftButton) || m->modifiers() != Qt::NoModifier)
        return false;
    if (!zieht) {
        if (!bereit) {
            // the press selected a row: dragging starts from it rather than extending the selection
            const QModelIndex zeile = liste->indexAt(m->position().toPoint());
            if (!liste->currentIndex().isValid() || !liste->selectionModel()->isRowSelected(liste->currentIndex().row(), QModelIndex()))
                return false;
            if (zeile.isValid() && zeile.row() == liste->currentIndex().row())
                return false;
            start = m->position().toPoint();
            bereit = true;
        }
        if ((m->position().toPoint() - start).manhattanLength() < QApplication::startDragDistance())
            return true;
        zieht = true;
        QApplication::setOverrideCursor(Qt::DragCopyCursor);
    }
    if (TKnoten* ziel = baum->KlasseBei(m->globalPosition().toPoint()); ziel && baum->currentItem() != ziel)
        baum->KnotenWaehlen(ziel);
    return true;
}

bool TLehrerZiehen::losgelassen(const QMouseEvent* m)
{
    if (m->button() != Qt::LeftButton || !bereit)
        return false;
    const bool warZiehen = zieht;
    const QModelIndex zeile = startzeile;
    beenden();
    if (!warZiehen) {
        if (zeile.isValid())
            liste->selectionModel()->setCurrentIndex(zeile, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return true;
    }
    if (TKnoten* ziel = baum->KlasseBei(m->globalPosition().toPoint()))
        emit baum->LehrerAbgelegt(ziel);
    return true;
}

void TLehrerZiehen::beenden()
{
    if (zieht)
        QApplication::restoreOverrideCursor();
    zieht = false;
    bereit = false;
    startzeile = QModelIndex();
}
