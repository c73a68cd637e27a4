// The printed page, drawn on a device that records where texts and lines go.
#include "distribution/UErgebnisDruck.h"

#include <QDateTime>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TText
{
    QString text;
    QRectF feld; // on the device: left, top (baseline less ascent), width, height
};

class TAufzeichnung : public QPaintEngine
{
public:
    TAufzeichnung() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QTransform t = painter()->combinedTransform();
        const QRectF logisch(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        Texte.push_back({item.text(), t.mapRect(logisch)});
    }
    void drawLines(const QLineF* linien, int anzahl) override
    {
        for (int i = 0; i < anzahl; ++i)
            Linien.push_back(painter()->combinedTransform().map(linien[i]));
    }

    std::vector<TText> Texte;
    std::vector<QLineF> Linien;
};

// An A4 page at 600 dpi, or any other size.
class TSeite : public QPaintDevice
{
public:
    explicit TSeite(QSize groesse = {4961, 7016}) : groesse(groesse) {}
    QPaintEngine* paintEngine() const override { return &aufzeichnung; }
    mutable TAufzeichnung aufzeichnung;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return groesse.width();
        case PdmHeight: return groesse.height();
        case PdmWidthMM: return groesse.width() * 254 / 6000;
        case PdmHeightMM: return groesse.height() * 254 / 6000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 600;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize groesse;
};

const QDateTime Zeitpunkt(QDate(2026, 3, 5), QTime(14, 7, 9));

TEST(ErgebnisDruck, MassstabUndLageWieVorgegeben)
{
    TSeite seite;
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(11);
    const QFontMetrics metrik(arial, &seite);
    const double W = metrik.horizontalAdvance(QStringLiteral("WWWyWWW")), H = metrik.height(), T = 3 * H;
    ASSERT_GT(H, 80); // 11 pt at 600 dpi

    QPainter maler(&seite);
    ErgebnisZeichnen(maler, {{"", "A", "B"}, {"1.", "5a", "Q1 Ma"}, {"2.", "7c", ""}}, Zeitpunkt);
    maler.end();
    const auto& texte = seite.aufzeichnung.Texte;
    const auto& linien = seite.aufzeichnung.Linien;

    // the heading, then the classes row by row; neither letters nor row numbers
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_EQ(texte[0].text, "Konferenzen, die gleichzeitig stattfinden können (Auswertung: 05.03.26, 14:07:09)");
    EXPECT_NEAR(texte[0].feld.left(), std::lrint(0.75 * W), 1);
    EXPECT_NEAR(texte[0].feld.top(), T + H, 1);
    const std::pair<const char*, QPointF> zellen[] = {
        {"5a", {1.5 * W, T + 1.5 * H * 3}}, {"Q1 Ma", {2.5 * W, T + 1.5 * H * 3}}, {"7c", {1.5 * W, T + 1.5 * H * 4}}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texte[i + 1].text, zellen[i].first);
        EXPECT_NEAR(texte[i + 1].feld.center().x(), zellen[i].second.x(), 1) << zellen[i].first;
        EXPECT_NEAR(texte[i + 1].feld.top(), zellen[i].second.y(), 1) << zellen[i].first;
    }

    // three horizontal lines from W to 3 W, 1.5 H apart; three vertical lines W apart
    ASSERT_EQ(linien.size(), 6u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_NEAR(linien[r].y1(), T + 1.5 * H * (r + 2.75), 0.5);
        EXPECT_EQ(linien[r].y1(), linien[r].y2());
        EXPECT_NEAR(linien[r].x1(), W, 0.5);
        EXPECT_NEAR(linien[r].x2(), 3 * W, 0.5);
    }
    for (int c = 0; c < 3; ++c) {
        const QLineF& l = linien[3 + c];
        EXPECT_NEAR(l.x1(), W + c * W, 0.5);
        EXPECT_EQ(l.x1(), l.x2());
        EXPECT_NEAR(l.y1(), T + 1.5 * H * 2.75, 0.5);
        EXPECT_NEAR(l.y2(), T + 1.5 * H * 4.75, 0.5);
    }
}

// A plan larger than the page is scaled down to the page, nothing drawn beyond it.
TEST(ErgebnisDruck, GrosserPlanPasstAufDieSeite)
{
    TErgebnisTabelle tabelle{{""}};
    for (int c = 1; c <= 10; ++c)
        tabelle[0] << QString(QChar(64 + c));
    for (int r = 1; r <= 60; ++r) {
        tabelle << QStringList{QStringLiteral("%1.").arg(r)};
        for (int c = 1; c <= 10; ++c)
            tabelle.back() << QStringLiteral("K%1-%2").arg(r).arg(c);
    }
    TSeite seite;
    QPainter maler(&seite);
    ErgebnisZeichnen(maler, tabelle, Zeitpunkt);
    maler.end();
    const QRectF flaeche(0, 0, seite.width(), seite.height());
    ASSERT_EQ(seite.aufzeichnung.Texte.size(), 1u + 600u);
    double unten = 0;
    for (const TText& t : seite.aufzeichnung.Texte) {
        EXPECT_TRUE(flaeche.contains(t.feld)) << t.text.toStdString();
    }
    for (const QLineF& l : seite.aufzeichnung.Linien) {
        EXPECT_TRUE(flaeche.contains(l.p1()) && flaeche.contains(l.p2()));
        unten = std::max(unten, l.y2());
    }
    // the table fills the page in its longer direction rather than shrinking to a corner
    EXPECT_GT(unten, 0.95 * seite.height());
}

} // namespace
