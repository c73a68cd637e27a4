#include "app/UHilfe.h"
#include "app/UHilfefenster.h"

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class Hilfe : public ::testing::Test
{
protected:
    void SetUp() override { THilfe::DateiSetzen(QStringLiteral(SIMULTANO_HILFEDATEI)); }

    void TearDown() override
    {
        THilfe::AlleSchliessen();
        Aufraeumen();
    }

    static void Aufraeumen() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static std::string Text(const QString& text) { return text.toStdString(); }

    QWidget besitzer;
};

} // namespace

TEST_F(Hilfe, KontexteOeffnenIhreThemenBei40_40)
{
    const std::pair<int, QString> themen[] = {
        {THilfe::KontextHauptfenster, "/hauptfenster.html"},
        {THilfe::KontextErgebnis, "/ergebnis.html"},
        {THilfe::KontextVorschau, "/vorschau.html"},
    };
    for (const auto& [kontext, seite] : themen) {
        SCOPED_TRACE(kontext);
        EXPECT_EQ(Text(THilfe::KontextZeigen(kontext, &besitzer)), "");
        TFHilfefenster* fenster = THilfe::Fenster();
        ASSERT_TRUE(fenster);
        EXPECT_EQ(fenster->Seite(), seite);
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_EQ(fenster->parentWidget(), &besitzer);
        EXPECT_TRUE(fenster->isWindow());
        EXPECT_EQ(fenster->pos(), QPoint(40, 40));
        EXPECT_EQ(fenster->windowTitle(), "Hilfe zu Simultano");
    }
}

TEST_F(Hilfe, FensterWirdWiederverwendetUndWiederBei40_40Gezeigt)
{
    ASSERT_EQ(Text(THilfe::KontextZeigen(20, &besitzer)), "");
    TFHilfefenster* erstes = THilfe::Fenster();
    erstes->move(300, 200);
    erstes->resize(700, 500);
    ASSERT_EQ(Text(THilfe::KontextZeigen(129, &besitzer)), "");
    EXPECT_EQ(THilfe::Fenster(), erstes);
    EXPECT_EQ(erstes->pos(), QPoint(40, 40));
    EXPECT_EQ(erstes->size(), QSize(700, 500)) << "the size stays";
    EXPECT_EQ(erstes->Seite(), "/ergebnis.html");
}

TEST_F(Hilfe, UnbekannterKontextGibtMeldungUndLaesstDieSeiteStehen)
{
    ASSERT_EQ(Text(THilfe::KontextZeigen(20, &besitzer)), "");
    const QString meldung = THilfe::KontextZeigen(4711, &besitzer);
    EXPECT_EQ(meldung, QStringLiteral("Die Hilfedatei \"%1\" enthält kein Hilfethema zur Kennung 4711.")
                           .arg(SIMULTANO_HILFEDATEI));
    EXPECT_EQ(THilfe::Fenster()->Seite(), "/hauptfenster.html");
    EXPECT_FALSE(THilfe::KontextZeigen(-5, &besitzer).isEmpty());
}

TEST_F(Hilfe, FehlendeDateiGibtMeldungUndKeinFenster)
{
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath("Simulta.chm");
    THilfe::DateiSetzen(fehlt);
    EXPECT_EQ(THilfe::Datei(), fehlt);
    const QString erwartet = QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden.").arg(fehlt);
    EXPECT_EQ(THilfe::KontextZeigen(20, &besitzer), erwartet);
    EXPECT_EQ(THilfe::InhaltZeigen(), erwartet);
    EXPECT_EQ(THilfe::Fenster(), nullptr);
}

// A window that is open already does not hide that the file has gone meanwhile.
TEST_F(Hilfe, DateiVerschwindetWaehrendDasFensterOffenIst)
{
    QTemporaryDir ordner;
    const QString kopie = ordner.filePath("Simulta.chm");
    ASSERT_TRUE(QFile::copy(SIMULTANO_HILFEDATEI, kopie));
    THilfe::DateiSetzen(kopie);
    ASSERT_EQ(Text(THilfe::KontextZeigen(20, &besitzer)), "");
    ASSERT_TRUE(QFile::remove(kopie));
    EXPECT_TRUE(THilfe::KontextZeigen(129, &besitzer).contains("wurde nicht gefunden"));
}

TEST_F(Hilfe, InhaltOeffnetDieStartseiteOhneBesitzer)
{
    ASSERT_EQ(Text(THilfe::InhaltZeigen()), "");
    TFHilfefenster* fenster = THilfe::Fenster();
    ASSERT_TRUE(fenster);
    EXPECT_EQ(fenster->parentWidget(), nullptr);
    EXPECT_EQ(fenster->Seite(), "/start.html");
    EXPECT_EQ(fenster->pos(), QPoint(40, 40));
    EXPECT_FALSE(fenster->testAttribute(Qt::WA_QuitOnClose)) << "help must not keep the program running";
    QTreeWidget* inhalt = fenster->Inhalt();
    EXPECT_EQ(inhalt->topLevelItemCount(), 6);
    ASSERT_TRUE(inhalt->currentItem());
    EXPECT_EQ(inhalt->currentItem()->text(0), "Willkommen bei Simultano");
}

TEST_F(Hilfe, AnfrageEinesAnderenFenstersErsetztDasHilfefenster)
{
    ASSERT_EQ(Text(THilfe::KontextZeigen(20, &besitzer)), "");
    QPointer<TFHilfefenster> erstes = THilfe::Fenster();
    QDialog ergebnisfenster(&besitzer);
    ASSERT_EQ(Text(THilfe::KontextZeigen(129, &ergebnisfenster)), "");
    Aufraeumen();
    EXPECT_TRUE(erstes.isNull());
    ASSERT_TRUE(THilfe::Fenster());
    EXPECT_EQ(THilfe::Fenster()->parentWidget(), &ergebnisfenster);
}

TEST_F(Hilfe, AlleSchliessenSchliesstDasFenster)
{
    ASSERT_EQ(Text(THilfe::KontextZeigen(118, &besitzer)), "");
    QPointer<TFHilfefenster> fenster = THilfe::Fenster();
    THilfe::AlleSchliessen();
    ASSERT_FALSE(fenster.isNull());
    EXPECT_FALSE(fenster->isVisible());
    Aufraeumen();
    EXPECT_TRUE(fenster.isNull());
    EXPECT_EQ(THilfe::Fenster(), nullptr);
    THilfe::AlleSchliessen(); // nothing open: nothing happens
}

TEST_F(Hilfe, VerweiseInhaltUndVerlaufFuehrenDurchDieSeiten)
{
    ASSERT_EQ(Text(THilfe::KontextZeigen(129, &besitzer)), "");
    TFHilfefenster* fenster = THilfe::Fenster();
    THilfeBrowser* browser = fenster->Browser();
    emit browser->anchorClicked(QUrl("ablauf.html"));
    EXPECT_EQ(fenster->Seite(), "/ablauf.html");
    EXPECT_EQ(fenster->Inhalt()->currentItem()->text(0), "Ein typischer Ablauf");
    browser->backward();
    EXPECT_EQ(fenster->Seite(), "/ergebnis.html");
    browser->forward();
    EXPECT_EQ(fenster->Seite(), "/ablauf.html");

    QTreeWidgetItem* hauptfenster = fenster->Inhalt()->topLevelItem(2);
    ASSERT_EQ(hauptfenster->childCount(), 3);
    fenster->Inhalt()->setCurrentItem(hauptfenster->child(2));
    EXPECT_EQ(fenster->Seite(), "/import.html");

    const auto treffer = fenster->Index()->findItems("UNTIS", Qt::MatchExactly);
    ASSERT_EQ(treffer.size(), 1);
    emit fenster->Index()->itemClicked(treffer[0]);
    EXPECT_EQ(fenster->Seite(), "/import.html");
    EXPECT_EQ(fenster->Index()->findItems(QStringLiteral("Überblick"), Qt::MatchExactly).size(), 1);
}

TEST_F(Hilfe, SeitenBilderUndStilKommenAusDerHilfedatei)
{
    ASSERT_EQ(Text(THilfe::KontextZeigen(20, &besitzer)), "");
    THilfeBrowser* browser = THilfe::Fenster()->Browser();
    const QImage bild = browser->loadResource(QTextDocument::ImageResource, QUrl("chm:/bilder/16-auswerten.svg")).value<QImage>();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.deviceIndependentSize(), QSizeF(16, 16));
    EXPECT_TRUE(browser->loadResource(QTextDocument::StyleSheetResource, QUrl("chm:/hilfe.css")).toString().contains("h1"));
    EXPECT_TRUE(browser->loadResource(QTextDocument::HtmlResource, QUrl("chm:/gibtsnicht.html"))
                    .toString().contains("fehlt in der Hilfedatei"));
    EXPECT_FALSE(browser->loadResource(QTextDocument::ImageResource, QUrl("http://example.org/x.png")).isValid());
    EXPECT_TRUE(browser->toPlainText().contains("Der Klassenbaum"));
}

// Not a check: SIMULTANO_HILFEBILD=<file.png> saves a picture of the help window.
TEST_F(Hilfe, Bildschirmfoto)
{
    const QString ziel = QProcessEnvironment::systemEnvironment().value(QStringLiteral("SIMULTANO_HILFEBILD"));
    if (ziel.isEmpty())
        GTEST_SKIP() << "SIMULTANO_HILFEBILD names no file";
    ASSERT_EQ(Text(THilfe::KontextZeigen(20, &besitzer)), "");
    THilfe::Fenster()->Inhalt()->expandAll();
    EXPECT_TRUE(THilfe::Fenster()->grab().save(ziel));
}
