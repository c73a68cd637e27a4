// The main window as a desktop program: keyboard, small screens, the help window, the
// start folders of the file dialogs and the project file named on the command line.
#include "gui/Fenstertest.h"

#include "app/UBildschirm.h"
#include "app/UHilfe.h"
#include "app/UHilfefenster.h"
#include "app/UStart.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QWindow>

namespace {

using Desktop = TFensterTest;

// The buttons of the main window's two panels (the dialogs it owns have buttons of their own).
QList<QPushButton*> knoepfe(const TFMain* haupt)
{
    return haupt->Panel1->findChildren<QPushButton*>() + haupt->Panel2->findChildren<QPushButton*>();
}

// Every menu item, found by its menu's mnemonics: {letters typed after Alt, the item}.
void menuepunkte(QMenu* menue, const QString& weg, std::vector<std::pair<QString, QAction*>>& punkte)
{
    for (QAction* a : menue->actions()) {
        if (a->isSeparator())
            continue;
        const QString taste = QKeySequence::mnemonic(a->text()).toString().remove(QStringLiteral("Alt+"));
        EXPECT_FALSE(taste.isEmpty()) << "no mnemonic: " << a->text().toStdString();
        if (a->menu())
            menuepunkte(a->menu(), weg + taste, punkte);
        else
            punkte.emplace_back(weg + taste, a);
    }
}

void tippen(const QString& buchstaben)
{
    for (const QChar c : buchstaben) {
        QWidget* ziel = QApplication::activePopupWidget();
        ASSERT_TRUE(ziel) << "no menu open before " << QString(c).toStdString();
        QTest::keyClick(ziel, c.toLatin1());
    }
}

TEST_F(Desktop, JederMenuepunktIstUeberSeineBuchstabenErreichbar)
{
    zeigen();
    std::vector<std::pair<QString, QAction*>> punkte;
    for (QAction* menue : haupt->MainMenu1->actions()) {
        const QString taste = QKeySequence::mnemonic(menue->text()).toString().remove(QStringLiteral("Alt+"));
        ASSERT_FALSE(taste.isEmpty()) << menue->text().toStdString();
        menuepunkte(menue->menu(), taste, punkte);
    }
    ASSERT_EQ(punkte.size(), 22u);
    for (const auto& [weg, punkt] : punkte) {
        SCOPED_TRACE(weg.toStdString());
        punkt->setEnabled(true);
        punkt->disconnect(); // the test looks at the trigger only, not at the command behind it
        QSignalSpy ausgeloest(punkt, &QAction::triggered);
        QTest::keyClick(haupt, weg[0].toLatin1(), Qt::AltModifier);
        tippen(weg.mid(1));
        EXPECT_EQ(ausgeloest.count(), 1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
}

TEST_F(Desktop, KnoepfeHabenEigeneBuchstabenUndDieStandardkuerzelGelten)
{
    kleineSchule();
    zeigen();
    QStringList buchstaben;
    for (QAction* menue : haupt->MainMenu1->actions())
        buchstaben << QKeySequence::mnemonic(menue->text()).toString();
    for (QPushButton* k : knoepfe(haupt)) {
        k->setText(k == haupt->Zuweisen ? QStringLiteral("Lehrer der 5a &zuweisen") : k->text());
        const QKeySequence taste = QKeySequence::mnemonic(k->text());
        ASSERT_FALSE(taste.isEmpty()) << k->objectName().toStdString();
        EXPECT_FALSE(buchstaben.contains(taste.toString())) << "twice: " << taste.toString().toStdString();
        buchstaben << taste.toString();
        k->setEnabled(true);
        k->show();
        k->disconnect();
        QSignalSpy geklickt(k, &QPushButton::clicked);
        QTest::keySequence(haupt, taste);
        EXPECT_TRUE(geklickt.count() == 1 || geklickt.wait(1000)) << k->objectName().toStdString();
    }

    const std::pair<QKeySequence, QAction*> kuerzel[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), haupt->Neu1},       {QKeySequence(Qt::CTRL | Qt::Key_O), haupt->Oeffnen1},
        {QKeySequence(Qt::CTRL | Qt::Key_S), haupt->Speichern1}, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), haupt->Speichernunter1},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), haupt->Beenden1},   {QKeySequence(Qt::Key_F8), haupt->Klassl1},
    };
    for (const auto& [taste, befehl] : kuerzel) {
        befehl->disconnect();
        QSignalSpy ausgeloest(befehl, &QAction::triggered);
        QTest::keySequence(haupt->LV, taste);
        EXPECT_EQ(ausgeloest.count(), 1) << taste.toString().toStdString();
    }
}

TEST_F(Desktop, TabFuehrtVonDerUeberschriftDurchBaumKnoepfeListe)
{
    kleineSchule();
    zeigen();
    for (QPushButton* k : knoepfe(haupt)) {
        k->setEnabled(true);
        k->show();
    }
    haupt->StaticText1->setFocus();
    QStringList reihenfolge{haupt->focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reihenfolge << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reihenfolge, QStringList({"StaticText1", "TV", "B_KlasseHinzu", "ElternBearbeiten", "B_Klassenlehrer",
                                        "B_Vorsitz", "BKonferenz", "LV", "B_LehrerHinzu", "B_LehrerBearb", "Zuweisen",
                                        "StaticText1"}));
}

// The tests run on a screen of 1024 x 600 pixels (tests/gui/main.cpp).
TEST_F(Desktop, HauptfensterPasstAufDenNetbookBildschirm)
{
    const QRect bereich = haupt->screen()->availableGeometry();
    ASSERT_LE(bereich.height(), 600) << "needs the netbook screen";
    zeigen();
    EXPECT_TRUE(bereich.contains(haupt->frameGeometry())) << "frame outside the screen";
    EXPECT_LE(haupt->height() + VermuteterRahmen.top() + VermuteterRahmen.bottom(), bereich.height());
    EXPECT_EQ(haupt->width(), 887);

    // at its smallest the tree keeps room beside the teacher list
    haupt->resize(haupt->minimumSize());
    QApplication::processEvents();
    EXPECT_LE(haupt->width() + VermuteterRahmen.left() + VermuteterRahmen.right(), bereich.width());
    EXPECT_GE(haupt->TV->width(), 200);
    EXPECT_GE(haupt->LV->width(), 250);
}

TEST(Einpassen, FensterBleibenAnIhremPlatzUndImVerfuegbarenBereich)
{
    const QRect bereich(0, 27, 1024, 573); // a netbook with a panel on top
    const QMargins rahmen(4, 30, 4, 4);
    struct TFall
    {
        QPoint lage;
        QSize groesse, minimum;
        QRect erwartet;
    };
    const TFall faelle[] = {
        {{40, 40}, {700, 500}, {}, {{40, 40}, QSize(700, 500)}},            // fits: unchanged
        {{40, 40}, {900, 640}, {}, {{40, 40}, QSize(900, 526)}},            // too tall: shorter, in place
        {{40, 40}, {900, 640}, {300, 550}, {{40, 27}, QSize(900, 539)}},    // its minimum does not fit there
        {{900, 100}, {887, 400}, {600, 300}, {{416, 100}, QSize(600, 400)}}, // off to the right: narrower, moved left
        {{-50, 0}, {2000, 2000}, {}, {{0, 27}, QSize(1016, 539)}},          // larger than the screen
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(Eingepasst(f.lage, f.groesse, f.minimum, bereich, rahmen), f.erwartet) << f.lage.x() << "," << f.lage.y();
}

TEST_F(Desktop, HilfefensterGehoertZumHauptfensterUndPasstAufDenBildschirm)
{
    THilfe::DateiSetzen(QStringLiteral(SIMULTANO_HILFEDATEI));
    zeigen();
    QTest::keyClick(haupt->TV, Qt::Key_F1);
    TFHilfefenster* hilfe = THilfe::Fenster();
    ASSERT_TRUE(hilfe);
    ASSERT_TRUE(hilfe->windowHandle());
    EXPECT_EQ(hilfe->windowHandle()->transientParent(), haupt->windowHandle());
    EXPECT_EQ(hilfe->pos(), QPoint(40, 40));
    EXPECT_TRUE(haupt->screen()->availableGeometry().contains(hilfe->frameGeometry()));
    EXPECT_LT(hilfe->height(), 640) << "shorter, to fit below (40, 40)";

    // F1 brings it forward again; the contents use the same window
    const auto aktiv = [](QWidget* fenster) { return QTest::qWaitFor([fenster] { return QApplication::activeWindow() == fenster; }); };
    EXPECT_TRUE(aktiv(hilfe));
    haupt->activateWindow();
    ASSERT_TRUE(aktiv(haupt));
    QTest::keyClick(haupt->LV, Qt::Key_F1);
    EXPECT_TRUE(aktiv(hilfe));
    haupt->Hilfe1->trigger();
    EXPECT_EQ(THilfe::Fenster(), hilfe);
    EXPECT_EQ(hilfe->Seite(), "/start.html");

    // keyboard: Alt+D shows the index, Tab goes from the tabs through the open tab to the page
    auto* reiter = hilfe->findChild<QTabWidget*>();
    QTest::keyClick(hilfe, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(reiter->currentIndex(), 1);
    reiter->setCurrentIndex(0);
    reiter->tabBar()->setFocus();
    QTest::keyClick(reiter->tabBar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), hilfe->Inhalt());
    QTest::keyClick(hilfe->Inhalt(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), hilfe->Browser());
    THilfe::AlleSchliessen();
}

TEST_F(Desktop, HilfedateiNebenDemProgrammOderImInstallationsordner)
{
    const QString bin = ordner.filePath(QStringLiteral("bin/"));
    const QString daten = ordner.filePath(QStringLiteral("share/simultano/"));
    QDir().mkpath(bin);
    EXPECT_EQ(THilfe::DateiSuchen(bin), bin + "Simulta.chm"); // nowhere: the message names this place
    QDir().mkpath(daten);
    QFile::copy(QStringLiteral(SIMULTANO_HILFEDATEI), daten + "Simulta.chm");
    EXPECT_EQ(THilfe::DateiSuchen(bin), daten + "Simulta.chm");
    QFile::copy(QStringLiteral(SIMULTANO_HILFEDATEI), bin + "Simulta.chm");
    EXPECT_EQ(THilfe::DateiSuchen(bin), bin + "Simulta.chm");
}

class Startordner : public TFensterTest
{
protected:
    void SetUp() override
    {
        TFensterTest::SetUp();
        heimat = qgetenv("HOME");
        qputenv("HOME", ordner.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        dokumente = ordner.filePath(QStringLiteral("Documents"));
        QDir().mkpath(dokumente);
    }
    void TearDown() override
    {
        qputenv("HOME", heimat);
        TFensterTest::TearDown();
    }

    const TDateiDialog& dialog() const { return dialoge->Letzter().Datei; }

    QByteArray heimat;
    QString dokumente;
};

TEST_F(Startordner, SpeichernUnterBeimProjektNeueProjekteInDenDokumenten)
{
    kleineSchule();
    dialoge->DateiAbbrechen();
    haupt->Speichernunter1->trigger();
    EXPECT_EQ(dialog().Ordner, dokumente);
    EXPECT_TRUE(dialog().Dateiname.isEmpty());

    Dateiname = ordner.filePath(QStringLiteral("Schule/plan.spz"));
    dialoge->DateiAbbrechen();
    haupt->Speichernunter1->trigger();
    EXPECT_EQ(dialog().Ordner, ordner.filePath(QStringLiteral("Schule")));
    EXPECT_EQ(dialog().Dateiname, Dateiname);

    // a new project forgets the old one's place
    haupt->Neu1->trigger();
    dialoge->DateiAbbrechen();
    haupt->Speichern1->trigger();
    EXPECT_EQ(dialog().Ordner, dokumente);
    EXPECT_TRUE(dialog().Dateiname.isEmpty());
}

TEST_F(Startordner, OeffnenImGemerktenOrdnerSonstInDenDokumenten)
{
    const std::pair<QString, QString> faelle[] = {
        {QString(), dokumente},
        {ordner.filePath(QStringLiteral("gibt-es-nicht/")), dokumente},
        {ordner.path() + QLatin1Char('/'), ordner.path() + QLatin1Char('/')},
    };
    for (const auto& [gemerkt, erwartet] : faelle) {
        Ini->WriteString(QStringLiteral("Data"), QStringLiteral("open"), gemerkt);
        dialoge->DateiAbbrechen();
        haupt->Oeffnen1->trigger();
        EXPECT_EQ(dialog().Ordner, erwartet) << gemerkt.toStdString();
    }
    // without a documents folder: the home folder, never the program's
    QDir(dokumente).removeRecursively();
    Ini->WriteString(QStringLiteral("Data"), QStringLiteral("open"), QString());
    dialoge->DateiAbbrechen();
    haupt->Oeffnen1->trigger();
    EXPECT_EQ(dialog().Ordner, ordner.path());
}

// "Simultano datei.spz" opens the file as "Öffnen ..." does, with the same messages.
TEST_F(Desktop, DateiAusDerBefehlszeile)
{
    kleineSchule();
    const QString gut = ordner.filePath(QStringLiteral("Konferenzen/schule.spz"));
    QDir().mkpath(ordner.filePath(QStringLiteral("Konferenzen")));
    ASSERT_TRUE(ProjektSchreiben(gut, *Lehrerliste, *Klassenliste).isEmpty());
    ASSERT_TRUE(DateiSchreiben(ordner.filePath(QStringLiteral("liste.spz")), "Kürzel;Name\r\nAB;Albers\r\n").isEmpty());
    LeeresProjekt();
    anzeigen();

    EXPECT_EQ(Startdatei(QStringLiteral("file://") + QUrl::toPercentEncoding(gut, "/")), gut);
    QDir::setCurrent(ordner.path());
    EXPECT_EQ(Startdatei(QStringLiteral("Konferenzen/schule.spz")), gut);

    EXPECT_TRUE(haupt->ProjektOeffnen(Startdatei(gut)));
    EXPECT_TRUE(dialoge->Gezeigt.empty());
    EXPECT_EQ(Klassenliste->Count(), 3);
    EXPECT_EQ(haupt->Edit1->text(), gut);
    EXPECT_EQ(Ini->ReadString(QStringLiteral("Data"), QStringLiteral("open"), QString()),
              ordner.filePath(QStringLiteral("Konferenzen/")));

    const std::pair<QString, QString> falsch[] = {
        {ordner.filePath(QStringLiteral("liste.spz")), QStringLiteral("Die Datei \"%1\" ist keine Projektdatei von Simultano.")},
        {ordner.filePath(QStringLiteral("fehlt.spz")), QStringLiteral("Datei %1 kann nicht geöffnet werden. ")},
    };
    for (const auto& [datei, meldung] : falsch) {
        dialoge->FehlermeldungBestaetigen();
        EXPECT_FALSE(haupt->ProjektOeffnen(datei));
        EXPECT_EQ(dialoge->Letzter().Art, TScriptDialoge::TArt::Fehlermeldung);
        EXPECT_TRUE(dialoge->Letzter().Text.startsWith(meldung.arg(datei))) << dialoge->Letzter().Text.toStdString();
        EXPECT_TRUE(dialoge->Letzter().Text.endsWith(QLatin1Char('.')));
        EXPECT_EQ(Dateiname, gut) << "the open project stays";
    }
}

} // namespace
