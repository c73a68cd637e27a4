#include "gui/Fenstertest.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The main window with the sample school, saved as a picture for the documentation:
//   SIMULTANO_BILDSCHIRMFOTO=docs/hauptfenster.png build/bin/test_gui --gtest_filter='Bildschirmfoto.*'
// Without that variable the test only checks that the window can be drawn.
using Bildschirmfoto = TFensterTest;

TEST_F(Bildschirmfoto, Hauptfenster)
{
    // the sample school, opened through the real command
    dialoge->DateiWaehlen(QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz"));
    haupt->Oeffnen1Click();
    ASSERT_EQ(Klassenliste->Count(), 30);

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
