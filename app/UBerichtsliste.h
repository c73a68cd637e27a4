#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

// Lists shown as a report (the teacher list, the parent representatives): whole rows, no
// editing, no sorting by the headers; each row carries its record in column 0.

// The columns (headings and widths); headers that are no buttons, headings on the left, no
// row headers, rows 20 pixels high, whole rows selected, no editing, no sorting. Returns the
// width of all columns together.
int BerichtslisteEinrichten(QTableWidget* tabelle, const QStringList& koepfe, const QList<int>& breiten);
// Fills the row with read-only cells of the texts; column 0 carries the record.
void ZeileSetzen(QTableWidget* tabelle, int zeile, void* datensatz, const QStringList& texte);
// The record of the row as ZeileSetzen left it; null for a row without one.
template <class T>
T* Datensatz(const QTableWidget* tabelle, int zeile)
{
    const QTableWidgetItem* item = tabelle->item(zeile, 0);
    return item ? static_cast<T*>(item->data(Qt::UserRole).value<void*>()) : nullptr;
}
