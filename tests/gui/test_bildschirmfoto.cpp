#include "gui/Fenstertest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// The main window with the sample school, saved as a picture for the documentation:
//   HOME=/home/sekretariat SIMULTANO_BILDSCHIRMFOTO=docs/hauptfenster.png build/bin/test_gui --gtest_filter='Bildschirmfoto.*'
// For the picture the sample is opened from the folder "Konferenzen" in the home folder, as a
// user keeps it (the folder is removed afterwards when the test made it). Without that
// variable the test only checks that the window can be drawn.
using Bildschirmfoto = TFensterTest;

TEST_F(Bildschirmfoto, Hauptfenster)
{
    const QString ziel = qEnvironmentVariable("SIMULTANO_BILDSCHIRMFOTO");
    const QString beispiel = QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz");
    const QDir konferenzen(QDir::home().filePath(QStringLiteral("Konferenzen")));
    const bool ordnerNeu = !ziel.isEmpty() && !konferenzen.exists();
    if (ordnerNeu) {
        ASSERT_TRUE(QDir().mkpath(konferenzen.path()));
        ASSERT_TRUE(QFile::copy(beispiel, konferenzen.filePath(QStringLiteral("Beispielschule.spz"))));
    }
    // the sample school, opened through the real command
    dialoge->DateiWaehlen(ordnerNeu ? konferenzen.filePath(QStringLiteral("Beispielschule.spz")) : beispiel);
    haupt->Oeffnen1Click();
    if (ordnerNeu)
        QDir(konferenzen).removeRecursively();
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
    if (!ziel.isEmpty()) {
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        EXPECT_TRUE(bild.save(ziel));
    }
}

} // namespace
