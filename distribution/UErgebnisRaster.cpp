#include "distribution/UErgebnisRaster.h"

#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

const QColor MarkeHintergrund(102, 187, 255);
const QColor ZeileHintergrund(221, 238, 255);
const QColor Nummernfarbe(0, 0, 128);
const QColor HinweisHintergrund(248, 248, 224);
constexpr int NummernRand = 5;
constexpr int HinweisBreite = 500;
constexpr int HinweisAbstand = 5;
constexpr int ZellenRand = 4;

// Letters and row numbers on button face: the letters centred in the text colour, the
// numbers in navy, right-aligned with a margin.
class TKopf : public QHeaderView
{
public:
    TKopf(Qt::Orientation richtung, QWidget* eltern) : QHeaderView(richtung, eltern)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Fixed);
    }

protected:
    void paintSection(QPainter* maler, const QRect& feld, int abschnitt) const override
    {
        maler->save();
        maler->fillRect(feld, palette().button());
        maler->setPen(palette().color(QPalette::Mid));
        maler->drawLine(feld.topRight(), feld.bottomRight());
        maler->drawLine(feld.bottomLeft(), feld.bottomRight());
        const QString text = model()->headerData(abschnitt, orientation()).toString();
        if (orientation() == Qt::Horizontal) {
            maler->setPen(palette().color(QPalette::Text));
            maler->drawText(feld, Qt::AlignCenter | Qt::TextSingleLine, text);
        } else {
            maler->setPen(Nummernfarbe);
            maler->drawText(feld.adjusted(0, 0, -NummernRand, 0),
                            Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
        }
        maler->restore();
    }
};

// The marked cell white on blue, the rest of its row on light blue, every other cell
// black on white; the text centred on one line.
class TZellen : public QStyledItemDelegate
{
public:
    explicit TZellen(QTableWidget* raster) : QStyledItemDelegate(raster), raster(raster) {}

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& zelle) const override
    {
        const QModelIndex marke = raster->currentIndex();
        QColor hintergrund = Qt::white;
        QColor schrift = Qt::black;
        if (zelle == marke) {
            hintergrund = MarkeHintergrund;
            schrift = Qt::white;
        } else if (marke.isValid() && zelle.row() == marke.row()) {
            hintergrund = ZeileHintergrund;
        }
        maler->save();
        maler->setClipRect(option.rect);
        maler->fillRect(option.rect, hintergrund);
        maler->setPen(schrift);
        maler->setFont(option.font);
        maler->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, zelle.data().toString());
        maler->restore();
    }

private:
    QTableWidget* raster;
};

} // namespace

TErgebnisRaster::TErgebnisRaster(QWidget* eltern) : QTableWidget(eltern)
{
    setHorizontalHeader(new TKopf(Qt::Horizontal, this));
    setVerticalHeader(new TKopf(Qt::Vertical, this));
    setItemDelegate(new TZellen(this));
    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(16);
    setFont(schrift);
    QPalette farben = palette();
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::Text, Qt::black);
    setPalette(farben);
    // the times and rooms of the headers in a smaller type, so the classes keep their room
    QFont kopfschrift = schrift;
    kopfschrift.setPixelSize(13);
    verticalHeader()->setFont(kopfschrift);
    horizontalHeader()->setFont(kopfschrift);
    const int zeilenhoehe = std::max(24, fontMetrics().height() + 6);
    verticalHeader()->setDefaultSectionSize(zeilenhoehe);
    horizontalHeader()->setFixedHeight(zeilenhoehe);
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // the user may widen a column by dragging its border
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(30);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int spalte, int, int breite) {
        if (!breitenSetzen)
            gezogen.insert(spalte, breite);
    });
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // the whole table follows the mark, so the row highlight moves with it
    connect(this, &QTableWidget::currentCellChanged, viewport(), qOverload<>(&QWidget::update));

    hintW = new QLabel(this, Qt::ToolTip);
    hintW->setObjectName(QStringLiteral("hintW"));
    hintW->setAutoFillBackground(true);
    QPalette hinweis = hintW->palette();
    hinweis.setColor(QPalette::Window, HinweisHintergrund);
    hinweis.setColor(QPalette::WindowText, Qt::black);
    hintW->setPalette(hinweis);
    hintW->setFrameStyle(QFrame::Box | QFrame::Plain);
    hintW->setMargin(2);
    hintW->setWordWrap(true);
}

void TErgebnisRaster::Fuellen(const TErgebnisTabelle& tabelle)
{
    HinweisVerbergen();
    const int zeilen = std::max<int>(0, tabelle.size() - 1);
    const int spalten = tabelle.isEmpty() ? 0 : std::max<int>(0, tabelle[0].size() - 1);
    clearContents();
    gezogen.clear();
    setRowCount(zeilen);
    setColumnCount(spalten);
    setHorizontalHeaderLabels(tabelle.isEmpty() ? QStringList() : tabelle[0].mid(1));
    QStringList nummern;
    for (int r = 1; r <= zeilen; ++r) {
        nummern << tabelle[r].value(0);
        for (int c = 1; c <= spalten; ++c)
            setItem(r - 1, c - 1, new QTableWidgetItem(tabelle[r].value(c)));
    }
    setVerticalHeaderLabels(nummern);
    if (zeilen > 0 && spalten > 0)
        setCurrentCell(0, 0);
    viewport()->update();
}

TErgebnisTabelle TErgebnisRaster::Tabelle() const
{
    TErgebnisTabelle tabelle;
    QStringList kopf{QString()};
    for (int c = 0; c < columnCount(); ++c)
        kopf << Spaltenbuchstabe(c);
    tabelle << kopf;
    for (int r = 0; r < rowCount(); ++r) {
        QStringList zeile{Zeilennummer(r)};
        for (int c = 0; c < columnCount(); ++c)
            zeile << (item(r, c) ? item(r, c)->text() : QString());
        tabelle << zeile;
    }
    return tabelle;
}

void TErgebnisRaster::KoepfeSetzen(const QStringList& zeilen, const QStringList& spalten)
{
    setVerticalHeaderLabels(zeilen);
    setHorizontalHeaderLabels(spalten);
}

int TErgebnisRaster::Textbreite(int spalte) const
{
    const QFontMetrics metrik = fontMetrics();
    int breite = 0;
    for (int r = 0; r < rowCount(); ++r)
        if (const QTableWidgetItem* zelle = item(r, spalte))
            breite = std::max(breite, metrik.horizontalAdvance(zelle->text()));
    return breite + 2 * ZellenRand;
}

void TErgebnisRaster::BreitenSetzen()
{
    const int breite = width();
    int kopfbreite = breite / 6;
    const QFontMetrics kopf = verticalHeader()->fontMetrics();
    for (int r = 0; r < rowCount(); ++r)
        kopfbreite = std::max(kopfbreite, kopf.horizontalAdvance(model()->headerData(r, Qt::Vertical).toString()) +
                                              3 * NummernRand);
    verticalHeader()->setFixedWidth(kopfbreite);
    const int klassen = columnCount();
    if (klassen == 0)
        return;
    const int linie = showGrid() ? 1 : 0;
    const int rest = breite - kopfbreite - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2 * frameWidth() - 1;
    int w = rest / klassen - linie;
    w = std::min(w, breite / 5);
    int raum = 30; // the room names stay readable; a narrow table scrolls instead
    for (int c = 0; c < klassen; ++c)
        raum = std::max(raum, kopf.horizontalAdvance(model()->headerData(c, Qt::Horizontal).toString()) + 6);
    w = std::max(w, raum);
    // a section holds its grid line, so the line is added back; no designation is cut, and a
    // column the user widened keeps its width
    const QScopedValueRollback<bool> selbst(breitenSetzen, true);
    for (int c = 0; c < klassen; ++c)
        setColumnWidth(c, std::max({w + linie, Textbreite(c) + linie, gezogen.value(c)}));
}

void TErgebnisRaster::resizeEvent(QResizeEvent* ereignis)
{
    QTableWidget::resizeEvent(ereignis);
    BreitenSetzen();
}

void TErgebnisRaster::HinweisVerbergen()
{
    hintW->hide();
    mx = -1;
    my = -1;
}

void TErgebnisRaster::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->modifiers() & Qt::ControlModifier) {
        switch (ereignis->key()) {
        case Qt::Key_Left: verschieben(0, -1); return;
        case Qt::Key_Right: verschieben(0, 1); return;
        case Qt::Key_Up: verschieben(-1, 0); return;
        case Qt::Key_Down: verschieben(1, 0); return;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: return;
        default: break;
        }
    }
    QTableWidget::keyPressEvent(ereignis);
}

// Left and right stay within the row, up and down exchange whole rows, so no move can
// put two classes with a shared teacher into one time slot. At the edges nothing happens.
void TErgebnisRaster::verschieben(int zeilen, int spalten)
{
    const int r = currentRow(), c = currentColumn();
    const int zielR = r + zeilen, zielC = c + spalten;
    if (r < 0 || c < 0 || zielR < 0 || zielR >= rowCount() || zielC < 0 || zielC >= columnCount())
        return;
    const auto tauschen = [this](int r1, int c1, int r2, int c2) {
        const QString text = item(r1, c1)->text();
        item(r1, c1)->setText(item(r2, c2)->text());
        item(r2, c2)->setText(text);
    };
    if (spalten != 0)
        tauschen(r, c, r, zielC);
    else
        for (int s = 0; s < columnCount(); ++s)
            tauschen(r, s, zielR, s);
    setCurrentCell(zielR, zielC);
    scrollTo(currentIndex());
    emit Verschoben();
}

void TErgebnisRaster::mouseMoveEvent(QMouseEvent* ereignis)
{
    QTableWidget::mouseMoveEvent(ereignis);
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    if (zelle.isValid() && zelle.column() + 1 == mx && zelle.row() + 1 == my)
        return;
    hinweisZeigen(zelle);
}

bool TErgebnisRaster::viewportEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Leave)
        HinweisVerbergen();
    return QTableWidget::viewportEvent(ereignis);
}

void TErgebnisRaster::hinweisZeigen(const QModelIndex& zelle)
{
    const QString text = zelle.data().toString();
    const TKlasse* klasse = !text.isEmpty() && Klassenliste ? Klassenliste->SucheKlasse(text) : nullptr;
    if (!klasse) {
        HinweisVerbergen();
        return;
    }
    const QString kuerzel = KuerzelVerbunden(klasse->Unterrichtende, QStringLiteral(", "));
    hintW->setText(kuerzel);
    const int rand = 2 * (hintW->margin() + hintW->frameWidth());
    const QRect textfeld =
        hintW->fontMetrics().boundingRect(QRect(0, 0, HinweisBreite, 10000), Qt::TextWordWrap, kuerzel);
    hintW->resize(textfeld.width() + rand + 2, textfeld.height() + rand);
    const QRect feld = visualRect(zelle);
    hintW->move(
        viewport()->mapToGlobal(QPoint(feld.left() + HinweisAbstand, feld.top() + feld.height() + HinweisAbstand)));
    hintW->show();
    mx = zelle.column() + 1;
    my = zelle.row() + 1;
}
