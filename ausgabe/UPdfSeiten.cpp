#include "ausgabe/UPdfSeiten.h"

#include <QPageSize>

namespace {
constexpr int Aufloesung = 300; // dots per inch of the PDF
constexpr double Rand = 150.0;  // tenths of a millimetre
}

QFont AusgabeSchrift(double punkte, bool fett)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(std::max(1, qRound(punkte * ZehntelMmJePunkt)));
    schrift.setBold(fett);
    return schrift;
}

QSizeF A4Blatt(QPageLayout::Orientation ausrichtung)
{
    return ausrichtung == QPageLayout::Landscape ? QSizeF(2970, 2100) : QSizeF(2100, 2970);
}

TPdfSeiten::TPdfSeiten(const QString& titel, QPageLayout::Orientation ausrichtung)
    : puffer_(&bytes_), schreiber_((puffer_.open(QIODevice::WriteOnly), &puffer_))
{
    schreiber_.setTitle(titel);
    schreiber_.setCreator(QStringLiteral("Simultano"));
    schreiber_.setResolution(Aufloesung);
    schreiber_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), ausrichtung, QMarginsF(0, 0, 0, 0)));
    maler_.begin(&schreiber_);
    const double skala = Aufloesung / 254.0;
    maler_.scale(skala, skala);
    const QSizeF blatt = A4Blatt(ausrichtung);
    flaeche_ = QRectF(Rand, Rand, blatt.width() - 2 * Rand, blatt.height() - 2 * Rand);
}

TPdfSeiten::~TPdfSeiten()
{
    if (maler_.isActive())
        maler_.end();
}

void TPdfSeiten::NeueSeite()
{
    schreiber_.newPage();
}

QByteArray TPdfSeiten::Fertig()
{
    if (maler_.isActive())
        maler_.end();
    puffer_.close();
    return bytes_;
}
