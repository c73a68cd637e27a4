#pragma once

#include "distribution/UErgebnisText.h"

#include <QHash>
#include <QTableWidget>

class QLabel;

// The result table: the column letters and the row numbers are its headers (they never
// scroll or move), the classes its cells. The marked cell and its row are highlighted;
// Ctrl and the arrow keys move the marked cell within its row or its whole row up and
// down; the mouse over a class shows the abbreviations of its teachers.
class TErgebnisRaster : public QTableWidget
{
    Q_OBJECT

public:
    explicit TErgebnisRaster(QWidget* eltern);

    // Shows a table whose row 0 holds the letters and column 0 the numbers; the mark goes
    // to the first class cell.
    void Fuellen(const TErgebnisTabelle& tabelle);
    // The table as shown, in the same form: row 0 the letters, column 0 the row numbers,
    // whatever the headers read.
    TErgebnisTabelle Tabelle() const;
    // New texts for the headers (the times of the rows, the rooms of the columns); the
    // cells stay.
    void KoepfeSetzen(const QStringList& zeilen, const QStringList& spalten);
    // Column 0 gets a sixth of the width, or what its longest text needs; the class columns
    // share the rest, at most a fifth of the width and at least 30 pixels each (or what a
    // room name needs), and never less than their widest designation needs. A column the
    // user widened by dragging stays as wide. The table sets them again whenever it changes
    // its size.
    void BreitenSetzen();
    // The width the widest designation of the column needs, with its margins.
    int Textbreite(int spalte) const;

    // The teacher hint: hidden, and the cell it was computed for forgotten.
    void HinweisVerbergen();
    QLabel* Hinweis() const { return hintW; }
    QPoint HinweisZelle() const { return {mx, my}; }

signals:
    // Cells were moved by hand.
    void Verschoben();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;   // StringGrid1KeyDown
    void mouseMoveEvent(QMouseEvent* ereignis) override; // StringGrid1MouseMove
    bool viewportEvent(QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void verschieben(int zeilen, int spalten);
    void hinweisZeigen(const QModelIndex& zelle);

    QLabel* hintW = nullptr;
    QHash<int, int> gezogen;     // widths the user gave columns by dragging
    bool breitenSetzen = false;  // the widths are being set by the table itself
    int mx = -1; // grid column and row (headers counted) of the hint shown; -1: none
    int my = -1;
};
