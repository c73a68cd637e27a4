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

#include <functional>

namespace {

using Desktop = TFensterTest;

QString buchstabe(const QString& text)
{
    return QKeySequence::mnemonic(text).toString().remove(QStringLiteral("Alt+"));
}

// Every menu item with the letters that reach it after Alt ("DN" for "Datei" › "Neu").
void menuepunkte(QMenu* menue, const QString& weg, std::vector<std::pair<QString, QAction*>>& punkte)
{
    for (QAction* a : menue->actions()) {
        if (a->isSeparator())
            continue;
        EXPECT_FALSE(buchstabe(a->text()).isEmpty()) << a->text().toStdString();
        if (a->menu())
            menuepunkte(a->menu(), weg + buchstabe(a->text()), punkte);
        else
            punkte.emplace_back(weg + buchstabe(a->text()), a);
    }
}

// The tests look at the trigger only, not at the command behind it.
template <class Knopf, class Signal>
bool loestAus(Knopf* k, Signal signal, const std::function<void()>& tasten)
{
    k->disconnect();
    QSignalSpy ausgeloest(k, signal);
    tasten();
    return ausgeloest.count() == 1 || ausgeloest.wait(1000); // buttons click after a short delay
}

TEST_F(Desktop, JederMenuepunktPerAltUndBuchstaben)
{
    zeigen();
    std::vector<std::pair<QString, QAction*>> punkte;
    for (QAction* menue : haupt->MainMenu1->actions())
        menuepunkte(menue->menu(), buchstabe(menue->text()), punkte);
    ASSERT_EQ(punkte.size(), 26u);
    for (const auto& [weg, punkt] : punkte) {
        punkt->setEnabled(true);
        EXPECT_TRUE(loestAus(punkt, &QAction::triggered, [&weg = weg] {
            QTest::keyClick(QApplication::activeWindow(), weg[0].toLatin1(), Qt::AltModifier);
            for (const QChar c : weg.mid(1))
                if (QApplication::activePopupWidget())
                    QTest::keyClick(QApplication::activePopupWidget(), c.toLatin1());
        })) << weg.toStdString();
    }
}

TEST_F(Desktop, KnoepfeKuerzelUndTabPerTastatur)
{
    kleineSchule();
    zeigen();
    // the buttons' letters differ from each other and from the menus'
    QStringList buchstaben{"D", "B", "A", "?"};
    for (QPushButton* k : haupt->Panel1->findChildren<QPushButton*>() + haupt->Panel2->findChildren<QPushButton*>()) {
        if (k == haupt->Zuweisen)
            k->setText(QStringLiteral("Lehrer der 5a &zuweisen"));
        ASSERT_FALSE(buchstaben.contains(buchstabe(k->text()))) << k->objectName().toStdString();
        buchstaben << buchstabe(k->text());
        k->setEnabled(true);
        k->show();
        EXPECT_TRUE(loestAus(k, &QPushButton::clicked, [&] { QTest::keySequence(haupt, QKeySequence::mnemonic(k->text())); }))
            << k->objectName().toStdString();
    }

    const std::pair<QKeyCombination, QAction*> kuerzel[] = {
        {Qt::CTRL | Qt::Key_N, haupt->Neu1},       {Qt::CTRL | Qt::Key_O, haupt->Oeffnen1},
        {Qt::CTRL | Qt::Key_S, haupt->Speichern1}, {Qt::CTRL | Qt::SHIFT | Qt::Key_S, haupt->Speichernunter1},
        {Qt::CTRL | Qt::Key_Q, haupt->Beenden1},   {QKeyCombination(Qt::Key_F8), haupt->Klassl1},
    };
    for (const auto& [taste, befehl] : kuerzel)
        EXPECT_TRUE(loestAus(befehl, &QAction::triggered, [&taste = taste, this] { QTest::keySequence(haupt->LV, taste); }))
            << befehl->objectName().toStdString();

    // Tab: heading, tree, its buttons, list, its buttons, and round again
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
    // the window manager places it; with its frame it fits
    const QSize mitRahmen = haupt->size().grownBy(VermuteterRahmen);
    EXPECT_LE(mitRahmen.height(), bereich.height());
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
    const std::tuple<QPoint, QSize, QSize, QRect> faelle[] = {
        {{40, 40}, {700, 500}, {}, {{40, 40}, QSize(700, 500)}},            // fits: unchanged
        {{40, 40}, {900, 640}, {}, {{40, 40}, QSize(900, 526)}},            // too tall: shorter, in place
        {{40, 40}, {900, 640}, {300, 550}, {{40, 27}, QSize(900, 539)}},    // its minimum does not fit there
        {{900, 100}, {887, 400}, {600, 300}, {{416, 100}, QSize(600, 400)}}, // off to the right
        {{-50, 0}, {2000, 2000}, {}, {{0, 27}, QSize(1016, 539)}},          // larger than the screen
    };
    for (const auto& [lage, groesse, minimum, erwartet] : faelle)
        EXPECT_EQ(Eingepasst(lage, groesse, minimum, bereich, rahmen), erwartet) << lage.x() << "," << lage.y();
}

TEST_F(Desktop, HilfefensterGehoertZumHauptfensterUndPasstAufDenBildschirm)
{
    THilfe::DateiSetzen(QStringLiteral(SIMULTANO_HILFEDATEI));
    zeigen();
    QTest::keyClick(haupt->TV, Qt::Key_F1);
    TFHilfefenster* hilfe = THilfe::Fenster();
    ASSERT_TRUE(hilfe && hilfe->windowHandle());
    EXPECT_EQ(hilfe->windowHandle()->transientParent(), haupt->windowHandle());
    EXPECT_EQ(hilfe->pos(), QPoint(40, 40));
    EXPECT_LT(hilfe->height(), 640) << "shorter, to fit below (40, 40)";
    EXPECT_TRUE(haupt->screen()->availableGeometry().contains(hilfe->frameGeometry().marginsAdded(VermuteterRahmen)));

    // F1 brings it forward again; the contents use the same window
    const auto aktiv = [](QWidget* w) { return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }); };
    haupt->activateWindow();
    ASSERT_TRUE(aktiv(haupt));
    QTest::keyClick(haupt->LV, Qt::Key_F1);
    EXPECT_TRUE(aktiv(hilfe));
    haupt->Hilfe1->trigger();
    EXPECT_EQ(THilfe::Fenster(), hilfe);
    EXPECT_EQ(hilfe->Seite(), "/start.html");

    QTest::keyClick(hilfe, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(hilfe->findChild<QTabWidget*>()->currentIndex(), 1) << "Alt+D shows the index";
    THilfe::AlleSchliessen();

    // the help file beside the program, else in the data folder of an installed program
    const QString bin = ordner.filePath(QStringLiteral("bin/"));
    const QString daten = ordner.filePath(QStringLiteral("share/simultano/"));
    QDir().mkpath(bin);
    QDir().mkpath(daten);
    EXPECT_EQ(THilfe::DateiSuchen(bin), bin + "Simulta.chm"); // nowhere: the message names this place
    QFile::copy(QStringLiteral(SIMULTANO_HILFEDATEI), daten + "Simulta.chm");
    EXPECT_EQ(THilfe::DateiSuchen(bin), daten + "Simulta.chm");
    QFile::copy(QStringLiteral(SIMULTANO_HILFEDATEI), bin + "Simulta.chm");
    EXPECT_EQ(THilfe::DateiSuchen(bin), bin + "Simulta.chm");
}

TEST_F(Desktop, StartordnerDerDateidialoge)
{
    const QByteArray heimat = qgetenv("HOME");
    qputenv("HOME", ordner.path().toUtf8());
    const QString dokumente = ordner.filePath(QStringLiteral("Documents"));
    QDir().mkpath(dokumente);
    const auto gezeigt = [this](QAction* befehl) {
        dialoge->DateiAbbrechen();
        befehl->trigger();
        return std::pair(dialoge->Letzter().Datei.Ordner, dialoge->Letzter().Datei.Dateiname);
    };
    // save: the project's own folder and name, a new project the documents
    kleineSchule();
    EXPECT_EQ(gezeigt(haupt->Speichernunter1), std::pair(dokumente, QString()));
    Dateiname = ordner.filePath(QStringLiteral("Schule/plan.spz"));
    EXPECT_EQ(gezeigt(haupt->Speichernunter1), std::pair(ordner.filePath(QStringLiteral("Schule")), Dateiname));
    haupt->Neu1->trigger();
    EXPECT_EQ(gezeigt(haupt->Speichern1), std::pair(dokumente, QString()));

    // open: the remembered folder while it exists, else the documents, else home
    for (const QString& gemerkt : {QString(), ordner.filePath(QStringLiteral("weg/")), ordner.path() + "/"}) {
        Ini->WriteString(QStringLiteral("Data"), QStringLiteral("open"), gemerkt);
        EXPECT_EQ(gezeigt(haupt->Oeffnen1).first, gemerkt.endsWith("weg/") || gemerkt.isEmpty() ? dokumente : gemerkt);
    }
    QDir(dokumente).removeRecursively();
    Ini->WriteString(QStringLiteral("Data"), QStringLiteral("open"), QString());
    EXPECT_EQ(gezeigt(haupt->Oeffnen1).first, ordner.path());
    qputenv("HOME", heimat);
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
    EXPECT_EQ(Ini->ReadString(QStringLiteral("Data"), QStringLiteral("open"), QString()), ordner.filePath("Konferenzen/"));

    const std::pair<QString, QString> falsch[] = {
        {ordner.filePath(QStringLiteral("liste.spz")), QStringLiteral("Die Datei \"%1\" ist keine Projektdatei von Simultano.")},
        {ordner.filePath(QStringLiteral("fehlt.spz")), QStringLiteral("Datei %1 kann nicht geöffnet werden. ")},
    };
    for (const auto& [datei, meldung] : falsch) {
        dialoge->FehlermeldungBestaetigen();
        EXPECT_FALSE(haupt->ProjektOeffnen(datei));
        EXPECT_TRUE(dialoge->Letzter().Text.startsWith(meldung.arg(datei))) << dialoge->Letzter().Text.toStdString();
        EXPECT_TRUE(dialoge->Letzter().Text.endsWith(QLatin1Char('.')));
        EXPECT_EQ(Dateiname, gut) << "the open project stays";
    }
}

} // namespace
