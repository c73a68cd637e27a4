#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>

// The pages and pictures are drawn in tenths of a millimetre on an A4 sheet, in Liberation
// Sans; a font's size is given in points and set as a pixel size in those units, so that the
// painter's scale to the device (PDF, image, SVG, window) sizes text and lines alike.
constexpr double ZehntelMmJePunkt = 254.0 / 72.0;
// The font of every page and picture, in points of the sheet.
QFont AusgabeSchrift(double punkte, bool fett = false);
// The sheet in tenths of a millimetre.
QSizeF A4Blatt(QPageLayout::Orientation ausrichtung);

// A PDF document in memory, A4 (the writer embeds the fonts, so the texts can be found and
// copied).
class TPdfSeiten
{
public:
    TPdfSeiten(const QString& titel, QPageLayout::Orientation ausrichtung);
    ~TPdfSeiten();
    TPdfSeiten(const TPdfSeiten&) = delete;
    TPdfSeiten& operator=(const TPdfSeiten&) = delete;

    // The painter, scaled to tenths of a millimetre; the page area within the margins.
    QPainter& Maler() { return maler_; }
    QRectF Flaeche() const { return flaeche_; }
    // Starts a new page; the first page needs none.
    void NeueSeite();
    // Ends the document and returns its bytes.
    QByteArray Fertig();

private:
    QBuffer puffer_;
    QByteArray bytes_;
    QPdfWriter schreiber_;
    QPainter maler_;
    QRectF flaeche_;
};
