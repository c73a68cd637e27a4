#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "editing/UElternAdd.h"
#include "editing/UElternliste.h"
#include "editing/UKlBez.h"
#include "editing/ULehrerBearb.h"
#include "editing/UVorsitz.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

namespace {

using TKonferenz = TFensterTest;

// Chair, date and parent representatives, and a school entered by hand.
TEST_F(TKonferenz, VorsitzKuerzelsucheMitGrossschreibung)
{
    kleineSchule();
    TLehrer* abel = lehrer(QStringLiteral("Ab"), QStringLiteral("Abel"), QStringLiteral("Herr"));
    TLehrer* xy = lehrer(QStringLiteral("XY"), QStringLiteral("Young"), QStringLiteral("Frau"));
    k5a->Vorsitz = ab;
    anzeigen();
    zeigen();
    klicken(klassenKnoten(0));
    klicken(klassenKnoten(1), Qt::ControlModifier);
    const auto vorsitz = [&](const std::function<void(TFVorsitz&)>& schritte) {
        ASSERT_TRUE(ImDialog<TFVorsitz>([&] { QTest::mouseClick(haupt->B_Vorsitz, Qt::LeftButton); }, schritte));
    };

    vorsitz([&](TFVorsitz& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Konferenzvorsitz festlegen"));
        EXPECT_EQ(d.lb->count(), 2);
        EXPECT_FALSE(d.dtp->isVisibleTo(&d));
        Tippen(QStringLiteral("a"));
        EXPECT_FALSE(d.Button1->isEnabled());
        Tippen(QStringLiteral("b")); // AB and Ab: the first upper-casing finds Ab
        EXPECT_EQ(d.ek->text(), QStringLiteral("Ab"));
        EXPECT_EQ(d.ek->cursorPosition(), 2);
        EXPECT_EQ(d.Label1->text(), QStringLiteral("Herr Abel"));
        // all selected and deleted at once: the teacher found last stays
        Taste(Qt::Key_A, Qt::ControlModifier);
        Taste(Qt::Key_Delete);
        EXPECT_EQ(d.Label1->text(), QStringLiteral("Herr Abel"));
        EXPECT_TRUE(d.Button1->isEnabled());
        EXPECT_EQ(d.lehrer, abel);
        Tippen(QStringLiteral("zz"));
        EXPECT_TRUE(d.Label1->text().isEmpty());
        EXPECT_FALSE(d.Button1->isEnabled());
        Taste(Qt::Key_Escape);
    });
    EXPECT_EQ(k5a->Vorsitz, ab); // cancelled: nothing changed, not even the view
    EXPECT_EQ(haupt->Anzeigemodus(), 0);
    EXPECT_FALSE(Geaendert);

    klicken(klassenKnoten(0));
    klicken(klassenKnoten(1), Qt::ControlModifier);
    vorsitz([&](TFVorsitz& d) {
        EXPECT_TRUE(d.Button1->isEnabled()); // although the last use ended disabled
        EXPECT_TRUE(d.ek->text().isEmpty());
        Tippen(QStringLiteral("xy"));
        EXPECT_EQ(d.ek->text(), QStringLiteral("XY"));
        Taste(Qt::Key_Return);
    });
    EXPECT_EQ(k5a->Vorsitz, xy);
    EXPECT_EQ(k5b->Vorsitz, xy);
    EXPECT_EQ(haupt->Anzeigemodus(), 2);
    EXPECT_TRUE(haupt->ToolButton8->isChecked());
    EXPECT_EQ(knotenTexte(), QStringList({"5a . . . . . . [XY]", "5b . . . . . . [XY]", "6a"}));

    // an empty confirmation clears the chair of a chair who does not teach the class
    klicken(klassenKnoten(1));
    vorsitz([&](TFVorsitz&) { Taste(Qt::Key_Return); });
    EXPECT_EQ(k5b->Vorsitz, nullptr);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TKonferenz, DatumAmErstenKlassendatumOderHeuteUndKeinDatum)
{
    kleineSchule();
    k5b->Konferenzdatum = DatumZuWert(QDate(2021, 1, 24));
    anzeigen();
    zeigen();
    const auto datum = [&](const std::function<void(TFVorsitz&)>& schritte) {
        ASSERT_TRUE(ImDialog<TFVorsitz>([&] { haupt->BKonferenz->click(); }, schritte));
    };
    klicken(klassenKnoten(1));
    klicken(klassenKnoten(2), Qt::ControlModifier);
    datum([&](TFVorsitz& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Konferenz: Datum festlegen"));
        EXPECT_EQ(d.Memo1->toPlainText(),
                  QStringLiteral("Legen Sie hier das Konferenzdatum für die links angezeigte(n) Klasse(n) fest."));
        EXPECT_FALSE(d.ek->isVisibleTo(&d));
        EXPECT_EQ(d.dtp->date(), QDate(2021, 1, 24));
        d.dtp->setDate(QDate(2021, 2, 1));
        QTest::mouseClick(d.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(haupt->Anzeigemodus(), 1);
    EXPECT_EQ(knotenTexte(), QStringList({"5a", "5b --> 01.02.2021", "6a --> 01.02.2021"}));

    klicken(klassenKnoten(0));
    datum([&](TFVorsitz& d) {
        EXPECT_EQ(d.dtp->date(), QDate::currentDate());
        QTest::mouseClick(d.Button2, Qt::LeftButton);
    });
    EXPECT_EQ(k5a->Konferenzdatum, 0.0);

    klicken(klassenKnoten(1));
    datum([&](TFVorsitz& d) {
        QTest::mouseClick(d.KeinDatum, Qt::LeftButton, Qt::NoModifier, QPoint(6, d.KeinDatum->height() / 2));
        EXPECT_FALSE(d.dtp->isEnabled());
        QTest::mouseClick(d.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(k5b->Konferenzdatum, 0.0);
    EXPECT_EQ(knotenTexte().at(1), QStringLiteral("5b"));
}

TEST_F(TKonferenz, ElternvertreterIDsUndWeiterZurNaechstenKlasse)
{
    kleineSchule();
    k6a->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("Nord"), 5));
    zeigen();
    klicken(klassenKnoten(0));
    for (int i = 0; i < 3; ++i)
        dialoge->MeldungBestaetigen();
    dialoge->MeldungBestaetigen(); // the hint on the ID
    const auto eltern = [&] { haupt->ElternBearbeiten->click(); };
    ASSERT_TRUE(ImDialog<TFElternliste>(eltern, [&](TFElternliste& l) {
        EXPECT_EQ(l.LE_Klassenbez->text(), QStringLiteral("5a"));
        EXPECT_FALSE(l.Button2->isEnabled());
        const auto hinzu = [&] { QTest::mouseClick(l.Button1, Qt::LeftButton); };
        ASSERT_TRUE(ImDialog<TFElternAdd>(hinzu, [&](TFElternAdd& a) {
            EXPECT_EQ(a.EID1->text(), QStringLiteral("6")); // across the classes
            Tippen(QStringLiteral("f"));
            EXPECT_EQ(a.EAnrede1->text(), QStringLiteral("Frau"));
            Taste(Qt::Key_Return); // no name yet: on to the name
            EXPECT_EQ(a.focusWidget(), a.EName1);
            Tippen(QStringLiteral("Ost"));
            for (const char* id : {"-1", "abc", "", "0"}) {
                a.EID1->setText(QString::fromUtf8(id));
                Taste(Qt::Key_Return);
            }
            EXPECT_EQ(a.EID1->text(), QStringLiteral("6"));
            EXPECT_EQ(a.focusWidget(), a.EAnrede1);
            a.EName1->setText(QStringLiteral("West"));
            QTest::mouseClick(a.EID1, Qt::LeftButton);
            QTest::mouseClick(a.Button1, Qt::LeftButton);
            EXPECT_EQ(a.EID1->text(), QStringLiteral("7"));
        }));
        ASSERT_EQ(l.lv->rowCount(), 2);
        EXPECT_EQ(l.lv->item(0, 2)->text(), QStringLiteral("0"));
        EXPECT_EQ(l.lv->item(1, 0)->text(), QString());
        QTest::mouseClick(l.lv->viewport(), Qt::LeftButton, Qt::NoModifier, l.lv->visualItemRect(l.lv->item(0, 0)).center());
        EXPECT_TRUE(l.Button2->isEnabled());
        QTest::keyClick(l.lv, Qt::Key_Delete);
        EXPECT_EQ(l.lv->rowCount(), 1);
        QTest::mouseClick(l.B_Ok, Qt::LeftButton);
    }));
    const QString ungueltig = QStringLiteral("Die ID ist ungültig.");
    QStringList texte;
    for (const auto& g : dialoge->Gezeigt)
        texte << g.Text;
    EXPECT_EQ(texte.mid(0, 3), QStringList({ungueltig, ungueltig, ungueltig}));
    EXPECT_TRUE(texte.at(3).startsWith(QStringLiteral("Die ID wird automatisch vergeben.\n")));
    ASSERT_EQ(k5a->Elternvertreter.Count(), 1);
    EXPECT_EQ(k5a->Elternvertreter.First()->Name, QStringLiteral("West"));
    EXPECT_EQ(k5a->Elternvertreter.First()->ID, QStringLiteral("6"));
    // changed: on to 5b, which has no representatives
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(1)}));

    // closed without a change: the selection stays
    ASSERT_TRUE(ImDialog<TFElternliste>(eltern, [&](TFElternliste& l) { QTest::mouseClick(l.B_Ok, Qt::LeftButton); }));
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(1)}));
}

// Everything of a school through the dialogs and commands, saved, reopened: nothing lost.
TEST_F(TKonferenz, SchuleVonHandEingebenSpeichernUndUnveraendertWiederOeffnen)
{
    zeigen();
    ASSERT_TRUE(ImDialog<TFKlBez>([&] { haupt->Hinzufgen1->trigger(); }, [](TFKlBez&) {
        for (const char* bez : {"6b", "5a", ""}) {
            Tippen(QString::fromUtf8(bez));
            Taste(Qt::Key_Return);
        }
    }));
    ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { haupt->Hinzufgen2->trigger(); }, [](TFLehrerBearb&) {
        for (const char* feld : {"CD", "h", "Claßen", "AB", "f", "Albers"}) {
            Tippen(QString::fromUtf8(feld));
            Taste(Qt::Key_Return);
        }
    }));
    // 5a: both teachers, AB leads; 6b: CD by double-click
    klicken(klassenKnoten(0));
    zeileKlicken(0);
    zeileKlicken(1, Qt::ControlModifier);
    haupt->Zuweisen->click();
    klicken(klassenKnoten(1));
    zeileKlicken(1);
    QTest::mouseDClick(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier,
                       haupt->LV->visualItemRect(haupt->LV->item(1, 0)).center());
    QTest::mouseRelease(haupt->LV->viewport(), Qt::LeftButton);
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 0));
    haupt->B_Klassenlehrer->click();
    // chair CD for both, a date for 5a, a representative of 6b
    klicken(klassenKnoten(0));
    klicken(klassenKnoten(1), Qt::ControlModifier);
    ASSERT_TRUE(ImDialog<TFVorsitz>([&] { haupt->B_Vorsitz->click(); }, [](TFVorsitz&) {
        Tippen(QStringLiteral("cd"));
        Taste(Qt::Key_Return);
    }));
    klicken(klassenKnoten(0));
    ASSERT_TRUE(ImDialog<TFVorsitz>([&] { haupt->BKonferenz->click(); }, [](TFVorsitz& d) {
        d.dtp->setDate(QDate(2026, 1, 20));
        Taste(Qt::Key_Return);
    }));
    klicken(klassenKnoten(1));
    ASSERT_TRUE(ImDialog<TFElternliste>([&] { haupt->Bearbeiten2->trigger(); }, [](TFElternliste& l) {
        ImDialog<TFElternAdd>([&] { l.Button1->click(); }, [](TFElternAdd&) {
            for (const char* feld : {"f", "Ost", ""}) {
                Tippen(QString::fromUtf8(feld));
                Taste(Qt::Key_Return);
            }
        });
        l.B_Ok->click();
    }));

    const TKlasse* k5a = Klassenliste->Items(0);
    const TKlasse* k6b = Klassenliste->Items(1);
    ASSERT_EQ(k5a->Bezeichnung, QStringLiteral("5a"));
    EXPECT_EQ(KuerzelVerbunden(k5a->Unterrichtende), QStringLiteral("AB/CD"));
    EXPECT_EQ(KuerzelVerbunden(k5a->K_Leitung), QStringLiteral("AB"));
    EXPECT_EQ(KuerzelVerbunden(k6b->Unterrichtende), QStringLiteral("CD"));
    EXPECT_EQ(k6b->Vorsitz->Kuerzel, QStringLiteral("CD"));
    EXPECT_EQ(DatumText(k5a->Konferenzdatum), QStringLiteral("20.01.2026"));
    ASSERT_EQ(k6b->Elternvertreter.Count(), 1);
    EXPECT_EQ(ElternMitAnrede(k6b->Elternvertreter.First(), false), QStringLiteral("Frau Ost"));
    EXPECT_TRUE(Geaendert);

    const QByteArray eingegeben = ProjektBytes(*Lehrerliste, *Klassenliste);
    const QString datei = ordner.filePath(QStringLiteral("hand.spz"));
    dialoge->DateiWaehlen(datei);
    haupt->Speichern1->trigger();
    EXPECT_FALSE(Geaendert);
    haupt->Neu1->trigger();
    ASSERT_EQ(Klassenliste->Count(), 0);
    dialoge->DateiWaehlen(datei);
    haupt->Oeffnen1->trigger();
    EXPECT_EQ(ProjektBytes(*Lehrerliste, *Klassenliste), eingegeben);
    EXPECT_EQ(knotenTexte(), QStringList({"5a --> 20.01.2026", "6b"}));
}

// Each dialog lies inside the screen; with SIMULTANO_DIALOGFOTOS=folder (under xvfb-run)
// the screen with the dialog is saved there as a picture.
TEST_F(TKonferenz, DialogePassenAufDenBildschirm)
{
    kleineSchule();
    k5a->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Frau"), QStringLiteral("Ost"), 1));
    zeigen();
    klicken(klassenKnoten(0));
    zeileKlicken(0);
    const QString fotos = qEnvironmentVariable("SIMULTANO_DIALOGFOTOS");
    int nummer = 0;
    const auto pruefen = [&](QDialog& d) {
        QTest::qWait(50);
        EXPECT_TRUE(d.screen()->availableGeometry().contains(d.frameGeometry())) << d.objectName().toStdString();
        const QString bild = QStringLiteral("%1-%2.png").arg(++nummer).arg(d.objectName());
        if (!fotos.isEmpty())
            QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QDir(fotos).filePath(bild)});
    };
    ImDialog<TFKlBez>([&] { haupt->Bezeichn->trigger(); }, pruefen);
    ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerBearb->click(); }, pruefen);
    ImDialog<TFVorsitz>([&] { haupt->B_Vorsitz->click(); }, pruefen);
    ImDialog<TFVorsitz>([&] { haupt->BKonferenz->click(); }, pruefen);
    ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerHinzu->click(); }, pruefen);
    ImDialog<TFElternliste>([&] { haupt->ElternBearbeiten->click(); }, [&](TFElternliste& l) {
        pruefen(l);
        ImDialog<TFElternAdd>([&] { l.Button1->click(); }, pruefen);
    });
}

} // namespace
