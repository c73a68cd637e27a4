// Undo and redo, the window title, "Zuletzt geöffnet", dragging teachers onto a class and
// the sample school.
#include "gui/Fenstertest.h"

#include "editing/UAenderungen.h"
#include "planning/UProjekt.h"
#include "planning/UZuletzt.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>

#include <functional>

namespace {

class Verlauf : public TFensterTest
{
protected:
    // The small school saved as schule.spz and opened from there.
    void gespeicherteSchule()
    {
        kleineSchule();
        datei = ordner.filePath(QStringLiteral("schule.spz"));
        ASSERT_TRUE(ProjektSchreiben(datei, *Lehrerliste, *Klassenliste).isEmpty());
        ASSERT_TRUE(haupt->ProjektOeffnen(datei));
    }

    static QByteArray stand() { return ProjektBytes(*Lehrerliste, *Klassenliste, Projektzusatz); }
    static TKlasse* k(const char* bezeichnung) { return Klassenliste->SucheKlasse(QLatin1String(bezeichnung)); }
    static TLehrer* l(const char* kuerzel) { return Lehrerliste->Suche(QLatin1String(kuerzel)); }

    // A mouse drag with real events from a row of the list to a node of the tree.
    void ziehen(int zeile, QTreeWidgetItem* ziel)
    {
        QWidget* liste = haupt->LV->viewport();
        const QPoint von = haupt->LV->visualItemRect(haupt->LV->item(zeile, 0)).center();
        const QPoint nach = liste->mapFromGlobal(haupt->TV->viewport()->mapToGlobal(haupt->TV->visualItemRect(ziel).center()));
        QTest::mousePress(liste, Qt::LeftButton, {}, von);
        for (int schritt = 1; schritt <= 4; ++schritt)
            QTest::mouseMove(liste, von + (nach - von) * schritt / 4);
        QTest::mouseRelease(liste, Qt::LeftButton, {}, nach);
    }

    QString datei;
};

// Every kind of change is one step: undo gives the saved file's bytes back and the window
// shows "unchanged", redo the changed bytes.
TEST_F(Verlauf, JedeAenderungLaesstSichRueckgaengigMachen)
{
    const std::pair<const char*, std::function<void()>> aktionen[] = {
        {"Klasse hinzufügen", [] { KlasseHinzufuegen(*Klassenliste, QStringLiteral("7c")); }},
        {"Klasse umbenennen", [] { KlasseUmbenennen(*Klassenliste, *k("5b"), QStringLiteral("4b")); }},
        {"Klassen löschen", [] { KlassenLoeschen(*Klassenliste, *Verteilung, {k("5a"), k("6a")}); }},
        {"Lehrer hinzufügen", [] { LehrerHinzufuegen(*Lehrerliste, "ZZ", "Frau", "Zander"); }},
        {"Lehrer ändern", [] { LehrerAendern(*Lehrerliste, *l("AB"), "AA", "Herr", "Abel"); }},
        {"Lehrer löschen (Entf)", [this] {
             zeileKlicken(1);
             dialoge->FrageBeantworten(true);
             QTest::keyClick(haupt->LV, Qt::Key_Delete);
         }},
        {"Zuweisen", [this] {
             klicken(klassenKnoten(2));
             zeileKlicken(0);
             haupt->Zuweisen->click();
         }},
        {"aus der Klasse entfernen", [] { AusKlasseEntfernen(*k("5a"), {l("CD")}); }},
        {"Klassenleitung", [] { KlassenleitungUmschalten(*k("5b"), l("GH")); }},
        {"Vorsitz mehrerer Klassen", [] { VorsitzSetzen({k("5a"), k("5b"), k("6a")}, l("EF")); }},
        {"Datum", [] { DatumSetzen({k("5a"), k("6a")}, 46400); }},
        {"Elternvertreter", [] { ElternHinzufuegen(*k("6a"), "Frau", "Ernst", 7); }},
        {"darf Konferenzen leiten", [] { LeitenSetzen(*l("AB"), true); }},
        // the timetable and the plan kept by the result window go back with the classes
        {"Zeitplan und Plan", [] {
             Projektzusatz.Zeitplan = TZeitplanEinstellungen{};
             Projektzusatz.Plan = TGehaltenerPlan{2, {{k("5a"), k("6a")}, {k("5b")}}};
             Geaendert = true; // as the result window marks a plan it keeps
         }},
    };
    zeigen();
    for (const auto& [name, aktion] : aktionen) {
        SCOPED_TRACE(name);
        gespeicherteSchule();
        const QByteArray vorher = stand();
        aktion();
        haupt->SchrittFesthalten(); // what every command of the window does after its work
        const QByteArray nachher = stand();
        ASSERT_NE(nachher, vorher);
        EXPECT_TRUE(haupt->isWindowModified());
        ASSERT_TRUE(haupt->Rueckgaengig1->isEnabled());

        QTest::keyClick(haupt->LV, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(stand(), vorher);
        EXPECT_FALSE(haupt->isWindowModified());
        EXPECT_FALSE(Geaendert);
        EXPECT_FALSE(haupt->Rueckgaengig1->isEnabled());
        QTest::keyClick(haupt->LV, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(stand(), nachher);
        EXPECT_TRUE(Geaendert);
        // after saving, undo leads away from the file again
        haupt->Speichern1->trigger();
        EXPECT_FALSE(haupt->isWindowModified());
        haupt->Rueckgaengig1->trigger();
        EXPECT_EQ(stand(), vorher);
        EXPECT_TRUE(Geaendert);
        haupt->ProjektErsetzen(std::make_unique<TLehrerliste>(), std::make_unique<TKlassenliste>()); // the tree too
    }
}

TEST_F(Verlauf, OeffnenUndImportLeerenDenVerlaufTitelZeigtDieDatei)
{
    EXPECT_EQ(haupt->windowTitle(), QStringLiteral("Unbenannt[*] – Simultano"));
    gespeicherteSchule();
    EXPECT_EQ(haupt->windowTitle(), QStringLiteral("schule.spz[*] – Simultano"));
    EXPECT_FALSE(haupt->isWindowModified());
    KlasseHinzufuegen(*Klassenliste, QStringLiteral("9z"));
    haupt->SchrittFesthalten();
    EXPECT_TRUE(haupt->isWindowModified());
    // the view mode changes nothing: no step
    haupt->ToolButton2->trigger();
    haupt->Rueckgaengig1->trigger();
    EXPECT_EQ(Klassenliste->SucheKlasse(QStringLiteral("9z")), nullptr);
    haupt->Wiederholen1->trigger();
    ASSERT_NE(Klassenliste->SucheKlasse(QStringLiteral("9z")), nullptr);

    haupt->ProjektOeffnen(datei);
    haupt->Neu1->trigger();
    EXPECT_FALSE(haupt->Rueckgaengig1->isEnabled());
    EXPECT_FALSE(haupt->Wiederholen1->isEnabled());
    EXPECT_EQ(haupt->windowTitle(), QStringLiteral("Unbenannt[*] – Simultano"));
}

TEST_F(Verlauf, ZuletztGeoeffnetMitFehlenderDatei)
{
    kleineSchule();
    const QString a = ordner.filePath(QStringLiteral("a.spz")), b = ordner.filePath(QStringLiteral("b&c.spz"));
    for (const QString& d : {a, b}) {
        ASSERT_TRUE(ProjektSchreiben(d, *Lehrerliste, *Klassenliste).isEmpty());
        ASSERT_TRUE(haupt->ProjektOeffnen(d));
    }
    QList<QAction*> punkte = haupt->Zuletzt1->actions();
    ASSERT_EQ(punkte.size(), 2);
    EXPECT_EQ(punkte[0]->text(), QStringLiteral("&1 b&&c.spz"));
    EXPECT_EQ(punkte[1]->text(), QStringLiteral("&2 a.spz"));
    EXPECT_EQ(ZuletztLesen(*Ini), QStringList({b, a}));

    punkte[1]->trigger();
    EXPECT_EQ(Dateiname, a);
    EXPECT_EQ(haupt->Zuletzt1->actions()[0]->text(), QStringLiteral("&1 a.spz"));

    QFile::remove(b);
    dialoge->MeldungBestaetigen();
    haupt->Zuletzt1->actions()[1]->trigger();
    EXPECT_TRUE(dialoge->Letzter().Text.contains(QDir::toNativeSeparators(b)));
    EXPECT_EQ(ZuletztLesen(*Ini), QStringList({a}));
    EXPECT_EQ(haupt->Zuletzt1->actions().size(), 1);
    EXPECT_EQ(Dateiname, a) << "the open project stays";
}

// Teachers dragged with the mouse onto a class are assigned as "Zuweisen" does; a drag
// that ends outside the tree changes nothing.
TEST_F(Verlauf, LehrerAufEineKlasseZiehen)
{
    kleineSchule();
    zeigen();
    zeileKlicken(0);                          // AB
    zeileKlicken(3, Qt::ControlModifier);     // and GH
    ziehen(0, klassenKnoten(2));              // onto 6a, pressing on the selected AB
    EXPECT_EQ(k6a->Unterrichtende, QList<TLehrer*>({ab, gh}));
    EXPECT_TRUE(klassenKnoten(2)->isExpanded());
    EXPECT_TRUE(haupt->Rueckgaengig1->isEnabled()) << "one step";

    // dragging from a row not yet selected drags that row; onto a teacher node: its class
    klassenKnoten(1)->setExpanded(true);
    ziehen(2, lehrerKnoten(1, 0));             // EF onto CD of 5b
    EXPECT_EQ(k5b->Unterrichtende.size(), 3);
    EXPECT_TRUE(k5b->Unterrichtende.contains(ef));

    // a plain click on a selected row selects it alone, a drag into the list does nothing
    zeileKlicken(0);
    zeileKlicken(1, Qt::ControlModifier);
    zeileKlicken(1);
    EXPECT_EQ(haupt->AusgewaehlteLehrer(), QList<TLehrer*>({cd}));
    const QByteArray vorher = ProjektBytes(*Lehrerliste, *Klassenliste);
    QWidget* liste = haupt->LV->viewport();
    const QPoint von = haupt->LV->visualItemRect(haupt->LV->item(1, 0)).center();
    QTest::mousePress(liste, Qt::LeftButton, {}, von);
    QTest::mouseMove(liste, von + QPoint(0, 40));
    QTest::mouseRelease(liste, Qt::LeftButton, {}, von + QPoint(0, 40));
    EXPECT_EQ(ProjektBytes(*Lehrerliste, *Klassenliste), vorher);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Verlauf, BeispielschuleAlsUnbenanntesProjekt)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(SIMULTANO_QUELLORDNER "/resources/beispiel/Beispielschule.spz"),
                            Programmpfad + QStringLiteral("Beispielschule.spz")));
    haupt->BeispielOeffnen1->trigger();
    EXPECT_EQ(Klassenliste->Count(), 30);
    EXPECT_TRUE(Dateiname.isEmpty());
    EXPECT_FALSE(Geaendert);
    EXPECT_EQ(haupt->windowTitle(), QStringLiteral("Unbenannt[*] – Simultano"));
    // "Speichern" asks for a name, in the documents rather than beside the sample
    dialoge->DateiAbbrechen();
    haupt->Speichern1->trigger();
    EXPECT_TRUE(dialoge->Letzter().Datei.Dateiname.isEmpty());

    QFile::remove(Programmpfad + QStringLiteral("Beispielschule.spz"));
    ASSERT_TRUE(TFMain::BeispielschuleDatei().isEmpty());
    dialoge->FehlermeldungBestaetigen();
    EXPECT_FALSE(haupt->BeispielschuleOeffnen());
    EXPECT_EQ(Klassenliste->Count(), 30);
}

} // namespace
