#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "editing/UKlBez.h"
#include "editing/ULehrerBearb.h"
#include "planning/UProjekt.h"

#include <QAction>
#include <QCheckBox>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>

namespace {

class TBearbeiten : public TFensterTest
{
protected:
    QStringList meldungen() const
    {
        QStringList texte;
        for (const auto& g : dialoge->Gezeigt)
            if (g.Art == TScriptDialoge::TArt::Meldung)
                texte << g.Text;
        return texte;
    }

    // Selects all of the field and types over it.
    static void ueberschreiben(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        feld->selectAll();
        Tippen(text);
        if (text.isEmpty())
            Taste(Qt::Key_Backspace);
    }

    QByteArray projekt() const { return ProjektBytes(*Lehrerliste, *Klassenliste); }
};

TEST_F(TBearbeiten, KlassenHinzufuegen_5aZweimalDann5A)
{
    zeigen();
    dialoge->MeldungBestaetigen();
    ASSERT_TRUE(ImDialog<TFKlBez>([&] { haupt->B_KlasseHinzu->click(); }, [](TFKlBez& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Neue Klasse"));
        for (const char* bez : {"5a", "5a", "5A", ""}) {
            ueberschreiben(d.Edit1, QString::fromUtf8(bez));
            Taste(Qt::Key_Return);
        }
        EXPECT_FALSE(d.isVisible()); // the empty confirmation closed it
    }));
    EXPECT_EQ(meldungen(), QStringList({"Aktion ungültig: Diese Klasse gibt es schon!"}));
    EXPECT_EQ(knotenTexte().size(), 2);
    EXPECT_TRUE(knotenTexte().contains(QStringLiteral("5A")));
    EXPECT_TRUE(Geaendert);
}

TEST_F(TBearbeiten, UmbenennenZuFremderUndEigenerBezeichnung)
{
    kleineSchule();
    zeigen();
    klicken(klassenKnoten(2)); // 6a
    dialoge->MeldungBestaetigen();
    dialoge->MeldungBestaetigen();
    const auto umbenennen = [&](const std::function<void(TFKlBez&)>& schritte) {
        ASSERT_TRUE(ImDialog<TFKlBez>([&] { haupt->Bezeichn->trigger(); }, schritte));
    };
    umbenennen([](TFKlBez& d) {
        for (const char* bez : {"", "5b", "4c"}) {
            ueberschreiben(d.Edit1, QString::fromUtf8(bez));
            Taste(Qt::Key_Return);
            if (*bez == '5') {
                EXPECT_EQ(d.Edit1->text(), QStringLiteral("6a")); // back to its own
            }
        }
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(meldungen(), QStringList({"Die Klassenbezeichnung darf nicht leer sein.",
                                        "Aktion ungültig: Diese Klasse gibt es schon!"}));
    // sorted anew; the renamed class is selected where it is now
    EXPECT_EQ(knotenTexte(), QStringList({"4c", "5a", "5b"}));
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(0)}));

    Geaendert = false;
    umbenennen([](TFKlBez&) { Taste(Qt::Key_Return); });
    EXPECT_TRUE(Geaendert); // its own designation is accepted as a change
}

TEST_F(TBearbeiten, LehrerHinzufuegen_EnterWandertAnredeErgaenzt)
{
    zeigen();
    dialoge->MeldungBestaetigen();
    ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerHinzu->click(); }, [](TFLehrerBearb& d) {
        Tippen(QStringLiteral("XY"));
        Taste(Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), d.E_Anrede);
        Tippen(QStringLiteral("h"));
        EXPECT_EQ(d.E_Anrede->selectedText(), QStringLiteral("err"));
        Tippen(QStringLiteral("x"));
        EXPECT_EQ(d.E_Anrede->text(), QStringLiteral("Hx"));
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // an empty name: nothing happens
        EXPECT_EQ(d.focusWidget(), d.E_Name);
        Tippen(QStringLiteral("Xander"));
        Taste(Qt::Key_Return);
        EXPECT_TRUE(d.E_Kuerzel->text().isEmpty());
        EXPECT_EQ(d.focusWidget(), d.E_Kuerzel);

        d.E_Kuerzel->setText(QStringLiteral("A/B"));
        d.E_Anrede->setText(QStringLiteral("Frau"));
        d.E_Name->setText(QStringLiteral("Bär"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
        EXPECT_EQ(d.E_Kuerzel->text(), QStringLiteral("A/B"));
    }));
    EXPECT_EQ(meldungen(), QStringList({"Aktion ungültig: Ein Kürzel darf keinen Schrägstrich (/) enthalten."}));
    ASSERT_EQ(Lehrerliste->Count(), 1);
    EXPECT_EQ(Lehrerliste->First()->Anrede, QStringLiteral("Hx"));
    EXPECT_EQ(haupt->LV->rowCount(), 1);
}

TEST_F(TBearbeiten, LehrerBearbeiten_KuerzelVergebenUndAnredeNachAnrede)
{
    kleineSchule();
    zeigen();
    zeileKlicken(0);
    dialoge->MeldungBestaetigen();
    ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerBearb->click(); }, [](TFLehrerBearb& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Lehrer bearbeiten"));
        d.E_Kuerzel->setText(QStringLiteral("CD"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        d.E_Kuerzel->setText(QStringLiteral("AB"));
        d.E_Anrede->setText(QStringLiteral("Herr"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
    }));
    EXPECT_EQ(meldungen(), QStringList({"Aktion ungültig: Dieses Kürzel gibt es schon!"}));
    EXPECT_EQ(ab->Anrede, QStringLiteral("Herr"));
    // only the salutation changed: the next teacher is selected and Enter edits it
    EXPECT_EQ(haupt->AusgewaehlteLehrer(), QList<TLehrer*>({cd}));
    ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { QTest::keyClick(haupt->B_LehrerBearb, Qt::Key_Return); },
                                        [](TFLehrerBearb& d) { EXPECT_EQ(d.E_Kuerzel->text(), QStringLiteral("CD")); }));
}

// Every deletion asks first (list: without icon; tree: with the question icon); No changes nothing.
TEST_F(TBearbeiten, LoeschfragenJeAuswahl_NeinAendertNichts)
{
    kleineSchule();
    k5a->K_Leitung = {ab};
    k5b->Vorsitz = ab; // does not teach 5b
    anzeigen();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    const struct
    {
        QWidget* ansicht;
        QTreeWidgetItem *erster, *zweiter;
        const char *titel, *text;
    } faelle[] = {
        {haupt->LV, nullptr, nullptr, "Löschrückfrage", "Möchten Sie Frau Albers wirklich löschen?"},
        {haupt->TV, klassenKnoten(2), nullptr, "LÖSCHEN", "Möchten Sie die Klasse 6a wirklich löschen?"},
        {haupt->TV, klassenKnoten(1), klassenKnoten(2), "LÖSCHEN: Achtung!",
         "Möchten Sie die markierten Klassen wirklich löschen?"},
        {haupt->TV, lehrerKnoten(0, 1), nullptr, "LÖSCHEN", "Möchten Sie Herrn Claßen aus der Klasse 5a entfernen?"},
        {haupt->TV, lehrerKnoten(0, 1), lehrerKnoten(0, 2), "LÖSCHEN: Achtung!",
         "Möchten Sie die markierten Lehrkräfte aus der Klasse 5a entfernen?"},
    };
    const QByteArray vorher = projekt();
    for (const auto& f : faelle) {
        if (f.erster)
            klicken(f.erster);
        else
            zeileKlicken(0);
        if (f.zweiter)
            klicken(f.zweiter, Qt::ControlModifier);
        dialoge->FrageBeantworten(false);
        QTest::keyClick(f.ansicht, Qt::Key_Delete);
        EXPECT_EQ(dialoge->Letzter().Titel + QLatin1Char('|') + dialoge->Letzter().Text,
                  QString::fromUtf8(f.titel) + QLatin1Char('|') + QString::fromUtf8(f.text));
    }
    EXPECT_EQ(dialoge->FrageMitSymbol, std::vector<bool>({false, true, true, true, true}));
    EXPECT_EQ(projekt(), vorher);
    EXPECT_FALSE(Geaendert);

    // Yes: the teacher who leads 5a and chairs 5b is gone from both, the views follow
    zeileKlicken(0);
    dialoge->FrageBeantworten(true);
    haupt->Lschen2->trigger();
    EXPECT_EQ(knotenTexte(), QStringList({"5a", "5b", "6a"}));
    EXPECT_EQ(k5b->Vorsitz, nullptr);
    EXPECT_EQ(haupt->LV->rowCount(), 3);
    EXPECT_EQ(klassenKnoten(0)->childCount(), 2);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TBearbeiten, ZuweisenZweiVonDreienSchonDa_Doppelklick)
{
    kleineSchule();
    zeigen();
    klicken(klassenKnoten(1)); // 5b: CD, GH
    for (const int zeile : {0, 1, 3})
        zeileKlicken(zeile, Qt::ControlModifier);
    QTest::mouseClick(haupt->Zuweisen, Qt::LeftButton);
    EXPECT_EQ(k5b->Unterrichtende, QList<TLehrer*>({ab, cd, gh}));
    EXPECT_TRUE(haupt->AusgewaehlteLehrer().isEmpty());
    EXPECT_FALSE(haupt->Zuweisen->isVisibleTo(haupt->Panel2));
    EXPECT_EQ(klassenKnoten(1)->childCount(), 3);

    klicken(klassenKnoten(2)); // 6a
    dialoge->MeldungBestaetigen();
    const QPoint stelle = haupt->LV->visualItemRect(haupt->LV->item(2, 0)).center();
    for (int mal = 0; mal < 2; ++mal) { // press, release, double-click, release
        QTest::mouseClick(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier, stelle);
        QTest::mouseDClick(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier, stelle);
        QTest::mouseRelease(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier, stelle);
    }
    EXPECT_EQ(k6a->Unterrichtende, QList<TLehrer*>({ef}));
    EXPECT_EQ(meldungen(), QStringList({"Ebert ist bereits eingetragen."}));
}

TEST_F(TBearbeiten, KlassenleitungsknopfBeiLeitungUndVorsitz)
{
    kleineSchule();
    k5a->K_Leitung = {ab};
    k5a->Vorsitz = ab;
    anzeigen();
    haupt->AnsichtWechseln(2);
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 0));
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Vorsitz aufheben"));
    const struct
    {
        const char* knopf;
        int bild;
        const char* knoten;
    } folge[] = {{"Klassenleitung aufheben", 10, "5a (AB)"}, {"Als Klassenleitung kennzeichnen", 8, "5a"}};
    for (const auto& f : folge) {
        QTest::mouseClick(haupt->B_Klassenlehrer, Qt::LeftButton);
        EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QString::fromUtf8(f.knopf));
        EXPECT_EQ(lehrerKnoten(0, 0)->Bild(), f.bild);
        EXPECT_EQ(knotenTexte().first(), QString::fromUtf8(f.knoten)); // in the class leadership view
    }
    EXPECT_TRUE(Geaendert);
}

} // namespace

// The mark "darf Konferenzen leiten": set in the teacher dialog, shown in the list, and the
// Konferenz command gives the plan's classes chairs from the marked teachers.
TEST_F(TBearbeiten, DarfLeiten_ImDialogUndVorsitzVerteilen)
{
    kleineSchule();
    zeigen();
    zeileKlicken(0);
    Geaendert = false;
    ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerBearb->click(); }, [](TFLehrerBearb& d) {
        EXPECT_FALSE(d.C_Leiten->isChecked());
        d.C_Leiten->setChecked(true);
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
    }));
    EXPECT_TRUE(ab->DarfLeiten);
    EXPECT_TRUE(Geaendert);
    EXPECT_FALSE(haupt->LV->item(0, 0)->icon().isNull());
    EXPECT_TRUE(haupt->LV->item(1, 0)->icon().isNull());

    Verteilung = std::make_unique<TVerteilung>();
    dialoge->MeldungBestaetigen();
    haupt->VorsitzVerteilen1->trigger();
    // 5a and 6a in one slot: AB teaches 5a, so AB may chair 5a but not 6a
    TGruppe* gruppe = Verteilung->Add(std::make_unique<TGruppe>());
    *gruppe << k5a << k6a;
    Verteilung->Add(std::make_unique<TGruppe>())->append(k5b);
    dialoge->MeldungBestaetigen();
    haupt->VorsitzVerteilen1->trigger();
    Verteilung->First()->removeLast();
    Verteilung->Add(std::make_unique<TGruppe>())->append(k6a);
    dialoge->MeldungBestaetigen();
    Geaendert = false;
    haupt->VorsitzVerteilen1->trigger();
    EXPECT_TRUE(Geaendert); // the chairs given are a change of the project
    EXPECT_EQ(meldungen(), QStringList({"Bitte zuerst auswerten: Der Vorsitz wird für die Zeitfenster des Ergebnisses verteilt.",
                                        "Diese Klassen können keinen Vorsitz erhalten: 6a.",
                                        "3 Klassen haben einen Vorsitz erhalten; höchstens 3 Konferenzen je Person."}));
    for (const TKlasse* k : {k5a, k5b, k6a})
        EXPECT_EQ(k->Vorsitz, ab);
}
