#include "gui/Fenstertest.h"

#include "planning/UFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The main window with a small school, saved as a picture for the documentation:
//   SIMULTANO_BILDSCHIRMFOTO=docs/hauptfenster.png build/bin/test_gui --gtest_filter='Bildschirmfoto.*'
// Without that variable the test only checks that the window can be drawn.
using Bildschirmfoto = TFensterTest;

TEST_F(Bildschirmfoto, Hauptfenster)
{
    const QList<QStringList> kollegium = {
        {"BEC", "Becker", "Frau"},  {"BRA", "Brandt", "Herr"},  {"DIE", "Dietrich", "Frau"}, {"FIS", "Fischer", "Herr"},
        {"GÖR", "Görres", "Frau"},  {"HAR", "Hartmann", "Herr"}, {"KLE", "Klein", "Frau"},   {"KRÜ", "Krüger", "Herr"},
        {"LAN", "Lange", "Frau"},   {"MEY", "Meyer", "Herr"},    {"NEU", "Neumann", "Frau"}, {"SCH", "Schäfer", "Herr"},
        {"SCU", "Schulz", "Frau"},  {"WEB", "Weber", "Herr"},    {"WOL", "Wolf", "Frau"},    {"ZIM", "Zimmermann", "Herr"}};
    QList<TLehrer*> l;
    for (const QStringList& z : kollegium)
        l << lehrer(z[0], z[1], z[2]);
    TKlasse* k5a = klasse(QStringLiteral("5a"), {l[0], l[3], l[6], l[9], l[12], l[15]});
    TKlasse* k5b = klasse(QStringLiteral("5b"), {l[1], l[4], l[7], l[10], l[13]});
    TKlasse* k6a = klasse(QStringLiteral("6a"), {l[2], l[5], l[8], l[11], l[14], l[0]});
    klasse(QStringLiteral("6b"), {l[3], l[6], l[9], l[12], l[1]});
    TKlasse* k7a = klasse(QStringLiteral("7a"), {l[4], l[7], l[10], l[13], l[2]});
    klasse(QStringLiteral("7b"), {l[5], l[8], l[11], l[14], l[15]});
    klasse(QStringLiteral("8a"), {l[0], l[2], l[4], l[6], l[8]});
    klasse(QStringLiteral("EF"), {l[1], l[3], l[5], l[7], l[9], l[11]});
    k5a->K_Leitung = {l[0], l[9]};
    k5a->Vorsitz = l[15];
    k5b->K_Leitung = {l[4]};
    k6a->K_Leitung = {l[11]};
    k6a->Vorsitz = l[11];
    k7a->K_Leitung = {l[13]};
    k5a->Konferenzdatum = DatumZuWert(QDate(2026, 1, 26));
    anzeigen();
    Dateiname = QStringLiteral("/home/schule/Konferenzen/Halbjahr-1.spz");
    haupt->Edit1->setText(Dateiname);

    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klassenKnoten(2)->setExpanded(true);
    klicken(lehrerKnoten(0, 1));
    zeileKlicken(4);
    zeileKlicken(6, Qt::ControlModifier);
    QTest::qWait(50);

    const QImage bild = haupt->grab().toImage();
    EXPECT_EQ(bild.size(), haupt->size() * haupt->devicePixelRatio());
    const QString ziel = qEnvironmentVariable("SIMULTANO_BILDSCHIRMFOTO");
    if (!ziel.isEmpty()) {
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        EXPECT_TRUE(bild.save(ziel));
    }
}

} // namespace
