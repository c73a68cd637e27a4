#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "editing/UDatumsfeld.h"
#include "editing/UElternAdd.h"
#include "editing/UElternliste.h"
#include "editing/UKlBez.h"
#include "editing/ULehrerBearb.h"
#include "editing/UVorsitz.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

namespace {

// Chair, date, parent representatives, and a whole school entered by hand.
class TKonferenz : public TFensterTest
{
protected:
    void vorsitz(QPushButton* befehl, const std::function<void(TFVorsitz&)>& schritte)
    {
        ASSERT_TRUE(ImDialog<TFVorsitz>([&] { befehl->click(); }, schritte));
    }

    void klassenWaehlen(std::initializer_list<int> klassen)
    {
        for (const int i : klassen)
            klicken(klassenKnoten(i), i == *klassen.begin() ? Qt::NoModifier : Qt::ControlModifier);
    }
};

TEST_F(TKonferenz, VorsitzKuerzelsuche_abBeiABundAb)
{
    kleineSchule();
    TLehrer* abel = lehrer(QStringLiteral("Ab"), QStringLiteral("Abel"), QStringLiteral("Herr"));
    TLehrer* xy = lehrer(QStringLiteral("XY"));
    k5a->Vorsitz = ab;
    anzeigen();
    zeigen();
    klassenWaehlen({0, 1});
    vorsitz(haupt->B_Vorsitz, [&](TFVorsitz& d) {
        Tippen(QStringLiteral("a"));
        EXPECT_FALSE(d.Button1->isEnabled());
        Tippen(QStringLiteral("b")); // the first upper-casing finds Ab
        EXPECT_EQ(d.ek->text(), QStringLiteral("Ab"));
        EXPECT_EQ(d.ek->cursorPosition(), 2);
        Taste(Qt::Key_A, Qt::ControlModifier); // all of it deleted at once: the teacher stays
        Taste(Qt::Key_Delete);
        EXPECT_EQ(d.Label1->text(), QStringLiteral("Herr Abel"));
        EXPECT_EQ(d.lehrer, abel);
        Tippen(QStringLiteral("zz"));
        EXPECT_TRUE(d.Label1->text().isEmpty());
        EXPECT_FALSE(d.Button1->isEnabled());
        Taste(Qt::Key_Escape);
    });
    EXPECT_EQ(k5a->Vorsitz, ab); // cancelled: nothing changed, not even the view
    EXPECT_EQ(haupt->Anzeigemodus(), 0);

    klassenWaehlen({0, 1});
    vorsitz(haupt->B_Vorsitz, [](TFVorsitz& d) {
        EXPECT_TRUE(d.Button1->isEnabled()); // although the last use ended disabled
        Tippen(QStringLiteral("xy"));
        EXPECT_EQ(d.ek->text(), QStringLiteral("XY"));
        Taste(Qt::Key_Return);
    });
    EXPECT_EQ(knotenTexte(), QStringList({"5a . . . . . . [XY]", "5b . . . . . . [XY]", "6a"}));
    EXPECT_TRUE(haupt->ToolButton8->isChecked());
    EXPECT_EQ(k5b->Vorsitz, xy);

    klassenWaehlen({1}); // an empty confirmation clears a chair who does not teach the class
    vorsitz(haupt->B_Vorsitz, [](TFVorsitz&) { Taste(Qt::Key_Return); });
    EXPECT_EQ(k5b->Vorsitz, nullptr);
}

TEST_F(TKonferenz, DatumAmErstenKlassendatumOderHeute_KeinDatum)
{
    kleineSchule();
    k5b->Konferenzdatum = DatumZuWert(QDate(2021, 1, 24));
    anzeigen();
    zeigen();
    klassenWaehlen({1, 2});
    vorsitz(haupt->BKonferenz, [](TFVorsitz& d) {
        EXPECT_EQ(d.Memo1->toPlainText(),
                  QStringLiteral("Legen Sie hier das Konferenzdatum für die links angezeigte(n) Klasse(n) fest."));
        EXPECT_EQ(d.dtp->date(), QDate(2021, 1, 24));
        d.dtp->setDate(QDate(2021, 2, 1));
        Taste(Qt::Key_Return);
    });
    EXPECT_EQ(knotenTexte(), QStringList({"5a", "5b --> 01.02.2021", "6a --> 01.02.2021"}));
    EXPECT_TRUE(haupt->ToolButton2->isChecked());

    klassenWaehlen({0});
    vorsitz(haupt->BKonferenz, [](TFVorsitz& d) { EXPECT_EQ(d.dtp->date(), QDate::currentDate()); });
    klassenWaehlen({1});
    vorsitz(haupt->BKonferenz, [](TFVorsitz& d) {
        QTest::mouseClick(d.KeinDatum, Qt::LeftButton, Qt::NoModifier, QPoint(6, d.KeinDatum->height() / 2));
        Taste(Qt::Key_Return);
    });
    EXPECT_EQ(k5a->Konferenzdatum, 0.0);
    EXPECT_EQ(k5b->Konferenzdatum, 0.0);
}

// The date as the user types or pastes it: with or without dots, one-digit day and month.
TEST_F(TKonferenz, DatumGetipptOderEingefuegt)
{
    kleineSchule();
    zeigen();
    const struct
    {
        const char* eingabe;
        bool einfuegen;
        const char* datum;
    } faelle[] = {
        {"22.01.2027", false, "22.01.2027"}, {"22012027", false, "22.01.2027"}, {"5.2.2027", false, "05.02.2027"},
        {"05.2.27", false, "05.02.2027"},    {"22.01.2027", true, "22.01.2027"},
    };
    for (const auto& f : faelle) {
        klassenWaehlen({0});
        vorsitz(haupt->BKonferenz, [&](TFVorsitz&) {
            if (f.einfuegen) {
                QGuiApplication::clipboard()->setText(QString::fromUtf8(f.eingabe));
                Taste(Qt::Key_V, Qt::ControlModifier);
            } else {
                Tippen(QString::fromUtf8(f.eingabe));
            }
            Taste(Qt::Key_Return);
        });
        EXPECT_EQ(DatumText(k5a->Konferenzdatum), QString::fromUtf8(f.datum)) << f.eingabe;
    }
    // a day that does not exist is refused with a message and never stored as another day
    klassenWaehlen({0});
    dialoge->MeldungBestaetigen();
    vorsitz(haupt->BKonferenz, [](TFVorsitz& d) {
        Tippen(QStringLiteral("31.02.2027"));
        Taste(Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()); // left open, and cancelled afterwards
    });
    EXPECT_TRUE(dialoge->Letzter().Text.contains(QStringLiteral("31.02.2027"))) << dialoge->Letzter().Text.toStdString();
    EXPECT_EQ(DatumText(k5a->Konferenzdatum), QStringLiteral("22.01.2027"));
}

TEST_F(TKonferenz, ElternvertreterIDsUndWeiterZurNaechstenKlasse)
{
    kleineSchule();
    k6a->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("Nord"), 5));
    zeigen();
    klassenWaehlen({0});
    for (int i = 0; i < 4; ++i) // three invalid IDs, the hint on the ID
        dialoge->MeldungBestaetigen();
    const auto liste = [&] { haupt->ElternBearbeiten->click(); };
    ASSERT_TRUE(ImDialog<TFElternliste>(liste, [](TFElternliste& l) {
        ImDialog<TFElternAdd>([&] { l.Button1->click(); }, [](TFElternAdd& a) {
            EXPECT_EQ(a.EID1->text(), QStringLiteral("6")); // beyond the ID of 6a
            Tippen(QStringLiteral("f"));
            Taste(Qt::Key_Return); // no name yet: on to the name
            Tippen(QStringLiteral("Ost"));
            for (const char* id : {"-1", "abc", "", "0"}) {
                a.EID1->setText(QString::fromUtf8(id));
                Taste(Qt::Key_Return);
            }
            EXPECT_EQ(a.EID1->text(), QStringLiteral("6"));
            a.EName1->setText(QStringLiteral("West"));
            QTest::mouseClick(a.EID1, Qt::LeftButton);
            QTest::mouseClick(a.Button1, Qt::LeftButton);
            EXPECT_EQ(a.EID1->text(), QStringLiteral("7"));
        });
        ASSERT_EQ(l.lv->rowCount(), 2);
        const QPoint zeile = l.lv->visualItemRect(l.lv->item(0, 0)).center();
        QTest::mouseClick(l.lv->viewport(), Qt::LeftButton, Qt::NoModifier, zeile);
        QTest::keyClick(l.lv, Qt::Key_Delete);
        QTest::mouseClick(l.B_Ok, Qt::LeftButton);
    }));
    EXPECT_EQ(dialoge->Gezeigt.at(2).Text, QStringLiteral("Die ID ist ungültig."));
    EXPECT_TRUE(dialoge->Letzter().Text.startsWith(QStringLiteral("Die ID wird automatisch vergeben.\n")));
    ASSERT_EQ(k5a->Elternvertreter.Count(), 1);
    EXPECT_EQ(k5a->Elternvertreter.First()->Name + k5a->Elternvertreter.First()->ID, QStringLiteral("West6"));
    // changed: on to 5b, which has no representatives; unchanged: the selection stays
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(1)}));
    ASSERT_TRUE(ImDialog<TFElternliste>(liste, [](TFElternliste& l) { l.B_Ok->click(); }));
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(1)}));
}

TEST_F(TKonferenz, SchuleVonHandEingegebenGespeichertUndUnveraendertWiederGeoeffnet)
{
    zeigen();
    const auto eingeben = [](const QStringList& eingaben) {
        for (const QString& e : eingaben) {
            Tippen(e);
            Taste(Qt::Key_Return);
        }
    };
    ImDialog<TFKlBez>([&] { haupt->Hinzufgen1->trigger(); }, [&](TFKlBez&) { eingeben({"6b", "5a", ""}); });
    ImDialog<TFLehrerBearb>([&] { haupt->Hinzufgen2->trigger(); },
                            [&](TFLehrerBearb&) { eingeben({"CD", "h", "Claßen", "AB", "f", "Albers"}); });
    klassenWaehlen({0}); // 5a: both, AB leads
    zeileKlicken(0);
    zeileKlicken(1, Qt::ControlModifier);
    haupt->Zuweisen->click();
    klicken(lehrerKnoten(0, 0));
    haupt->B_Klassenlehrer->click();
    klassenWaehlen({1}); // 6b: CD, chair of both
    zeileKlicken(1);
    haupt->LVDblClick();
    klassenWaehlen({0, 1});
    vorsitz(haupt->B_Vorsitz, [&](TFVorsitz&) { eingeben({"cd"}); });
    klassenWaehlen({0});
    vorsitz(haupt->BKonferenz, [&](TFVorsitz& d) {
        d.dtp->setDate(QDate(2026, 1, 20));
        eingeben({""});
    });
    klassenWaehlen({1});
    ImDialog<TFElternliste>([&] { haupt->Bearbeiten2->trigger(); }, [&](TFElternliste& l) {
        ImDialog<TFElternAdd>([&] { l.Button1->click(); }, [&](TFElternAdd&) { eingeben({"f", "Ost", ""}); });
        l.B_Ok->click();
    });
    const TKlasse* k6b = Klassenliste->Last();
    EXPECT_EQ(KuerzelVerbunden(Klassenliste->First()->Unterrichtende), QStringLiteral("AB/CD"));
    EXPECT_EQ(KuerzelVerbunden(k6b->Unterrichtende) + k6b->Vorsitz->Kuerzel, QStringLiteral("CDCD"));
    ASSERT_EQ(k6b->Elternvertreter.Count(), 1);
    const TEltern* ost = k6b->Elternvertreter.First();
    EXPECT_EQ(ElternMitAnrede(ost, false) + ost->ID, QStringLiteral("Frau Ost1"));
    haupt->AnsichtWechseln(0);
    EXPECT_EQ(knotenTexte(), QStringList({"5a (AB)", "6b"}));

    const QByteArray eingegeben = ProjektBytes(*Lehrerliste, *Klassenliste);
    const QString datei = ordner.filePath(QStringLiteral("hand.spz"));
    dialoge->DateiWaehlen(datei);
    haupt->Speichern1->trigger();
    haupt->Neu1->trigger();
    ASSERT_EQ(Klassenliste->Count(), 0);
    dialoge->DateiWaehlen(datei);
    haupt->Oeffnen1->trigger();
    EXPECT_EQ(ProjektBytes(*Lehrerliste, *Klassenliste), eingegeben);
    EXPECT_EQ(DatumText(Klassenliste->First()->Konferenzdatum), QStringLiteral("20.01.2026"));
}

// Every dialog lies inside the screen. Under xvfb-run with QT_QPA_PLATFORM=xcb and
// SIMULTANO_DIALOGFOTOS=folder the screen with each dialog is saved there.
TEST_F(TKonferenz, DialogeAufDemBildschirm)
{
    kleineSchule();
    zeigen();
    klassenWaehlen({0});
    zeileKlicken(0);
    int nummer = 0;
    const auto pruefen = [&](QDialog& d) {
        QTest::qWait(50);
        EXPECT_TRUE(d.screen()->availableGeometry().contains(d.frameGeometry())) << d.objectName().toStdString();
        const QString fotos = qEnvironmentVariable("SIMULTANO_DIALOGFOTOS");
        if (!fotos.isEmpty())
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"),
                               QStringLiteral("%1/%2-%3.png").arg(fotos).arg(++nummer).arg(d.objectName())});
    };
    ImDialog<TFKlBez>([&] { haupt->Bezeichn->trigger(); }, pruefen);
    ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerBearb->click(); }, pruefen);
    for (QPushButton* befehl : {haupt->B_Vorsitz, haupt->BKonferenz})
        ImDialog<TFVorsitz>([&] { befehl->click(); }, pruefen);
    ImDialog<TFElternliste>([&] { haupt->ElternBearbeiten->click(); }, [&](TFElternliste& l) {
        pruefen(l);
        ImDialog<TFElternAdd>([&] { l.Button1->click(); }, pruefen);
    });
}

} // namespace
