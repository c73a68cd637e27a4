#include "app/UBilder.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcessEnvironment>

#include <climits>
#include <gtest/gtest.h>

namespace {

int GezeichnetePunkte(const QImage& bild)
{
    const QImage argb = bild.convertToFormat(QImage::Format_ARGB32);
    int punkte = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            punkte += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
    return punkte;
}

// All images side by side: at 16 pixels, the same enlarged four times without smoothing
// (to judge the pixels), and drawn at 64 pixels.
QImage Bilderbogen()
{
    constexpr int spalte = 16 + 64 + 64 + 24;
    QImage bogen(spalte * 7, 80 * 3, QImage::Format_ARGB32);
    bogen.fill(QColor(236, 236, 236));
    QPainter maler(&bogen);
    for (int i = 0; i < BildAnzahl; ++i) {
        const QPoint ecke((i % 7) * spalte + 4, (i / 7) * 80 + 8);
        const QPixmap klein = Bild(i).pixmap(QSize(16, 16), 1.0);
        maler.drawPixmap(ecke, klein);
        maler.drawPixmap(QRect(ecke + QPoint(20, 0), QSize(64, 64)), klein);
        maler.drawPixmap(ecke + QPoint(88, 0), Bild(i).pixmap(QSize(64, 64), 1.0));
    }
    return bogen;
}

} // namespace

TEST(Bilder, JedesBildIstIn16PixelnGezeichnet)
{
    for (int i = 0; i < BildAnzahl; ++i) {
        SCOPED_TRACE(i);
        const QIcon bild = Bild(i);
        ASSERT_FALSE(bild.isNull());
        const QPixmap klein = bild.pixmap(QSize(16, 16), 1.0);
        ASSERT_FALSE(klein.isNull());
        EXPECT_EQ(klein.size(), QSize(16, 16));
        EXPECT_GT(GezeichnetePunkte(klein.toImage()), 40);
    }
}

TEST(Bilder, FeineBildschirmeBekommenDasBildInIhrerAufloesung)
{
    for (int i = 0; i < BildAnzahl; ++i) {
        SCOPED_TRACE(i);
        const QPixmap doppelt = Bild(i).pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(doppelt.size(), QSize(32, 32));
        EXPECT_EQ(doppelt.deviceIndependentSize(), QSizeF(16, 16));
    }
}

// The tree shows its own images for selected nodes; the selection must not tint them.
TEST(Bilder, MarkierteKnotenZeigenDasBildUnveraendert)
{
    for (int i : {6, 7, 9, 11, 13}) {
        const QIcon bild = Bild(i);
        EXPECT_EQ(bild.pixmap(QSize(16, 16), 1.0, QIcon::Selected).toImage(),
                  bild.pixmap(QSize(16, 16), 1.0, QIcon::Normal).toImage()) << i;
    }
    const QIcon gesperrt = Bild(2);
    EXPECT_NE(gesperrt.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage(),
              gesperrt.pixmap(QSize(16, 16), 1.0, QIcon::Normal).toImage()) << "disabled commands are greyed";
}

TEST(Bilder, IndexAusserhalbDerListeGibtLeeresBild)
{
    for (int index : {-1, BildAnzahl, 1000, INT_MIN, INT_MAX})
        EXPECT_TRUE(Bild(index).isNull()) << index;
}

// A slip in the list of file names would show one picture for two roles.
TEST(Bilder, KeineZweiBilderSindGleich)
{
    std::vector<QImage> bilder;
    for (int i = 0; i < BildAnzahl; ++i)
        bilder.push_back(Bild(i).pixmap(QSize(16, 16), 1.0).toImage());
    for (int i = 0; i < BildAnzahl; ++i)
        for (int j = i + 1; j < BildAnzahl; ++j)
            EXPECT_NE(bilder[i], bilder[j]) << i << " und " << j;
}

TEST(Bilder, ProgrammIconGibtEsVonKleinBisGross)
{
    const QIcon icon = ProgrammIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_GT(GezeichnetePunkte(icon.pixmap(QSize(16, 16), 1.0).toImage()), 150);
    EXPECT_EQ(icon.pixmap(QSize(256, 256), 1.0).size(), QSize(256, 256));
}

// Not a check: SIMULTANO_BILDERBOGEN=<file.png> saves the sheet of all images to look at.
TEST(Bilder, Bilderbogen)
{
    const QString ziel = QProcessEnvironment::systemEnvironment().value(QStringLiteral("SIMULTANO_BILDERBOGEN"));
    if (ziel.isEmpty())
        GTEST_SKIP() << "SIMULTANO_BILDERBOGEN names no file";
    EXPECT_TRUE(Bilderbogen().save(ziel));
}
