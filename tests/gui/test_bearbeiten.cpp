#include "gui/Fenstertest.h"
#include "gui/ImDialog.h"

#include "editing/UKlBez.h"
#include "editing/ULehrerBearb.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QAction>
#include <QLabel>
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

    // The field text replaced by typing, as the user does after selecting all.
    static void ersetzen(QLineEdit* feld, const QString& text)
    {
        feld->setFocus();
        feld->selectAll();
        Tippen(text);
    }

    // Press, release, double-click, release: what a double-click of the user delivers.
    void zeileDoppelklicken(int zeile)
    {
        const QPoint stelle = haupt->LV->visualItemRect(haupt->LV->item(zeile, 0)).center();
        QTest::mouseClick(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier, stelle);
        QTest::mouseDClick(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier, stelle);
        QTest::mouseRelease(haupt->LV->viewport(), Qt::LeftButton, Qt::NoModifier, stelle);
    }

    void klassenDialog(QObject* befehl, const std::function<void(TFKlBez&)>& schritte)
    {
        ASSERT_TRUE(ImDialog<TFKlBez>([&] { haupt->Hinzufgen1Click(befehl); }, schritte));
    }

    void lehrerDialog(QObject* befehl, const std::function<void(TFLehrerBearb&)>& schritte)
    {
        ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { haupt->B_LehrerHinzuClick(befehl); }, schritte));
    }
};

TEST_F(TBearbeiten, KlassenNacheinanderHinzufuegen_5aZweimalUnd5A)
{
    zeigen();
    dialoge->MeldungBestaetigen();
    klassenDialog(haupt->B_KlasseHinzu, [&](TFKlBez& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Neue Klasse"));
        for (const char* bez : {"5a", "5a", "5A"}) {
            ersetzen(d.Edit1, QString::fromUtf8(bez));
            Taste(Qt::Key_Return);
        }
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.Edit1->text().isEmpty());
        Taste(Qt::Key_Return); // empty: closes
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(meldungen(), QStringList({"Aktion ungültig: Diese Klasse gibt es schon!"}));
    QStringList texte = knotenTexte();
    texte.sort();
    EXPECT_EQ(texte, QStringList({"5A", "5a"}));
    EXPECT_TRUE(Geaendert);
}

TEST_F(TBearbeiten, UmbenennenZuEigenerUndFremderBezeichnung)
{
    kleineSchule();
    zeigen();
    klicken(klassenKnoten(2)); // 6a
    dialoge->MeldungBestaetigen();
    dialoge->MeldungBestaetigen();
    klassenDialog(haupt->Bezeichn, [&](TFKlBez& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Klassebezeichnung ändern"));
        EXPECT_EQ(d.Edit1->text(), QStringLiteral("6a"));
        ersetzen(d.Edit1, QString());
        Taste(Qt::Key_Backspace);
        Taste(Qt::Key_Return);
        ersetzen(d.Edit1, QStringLiteral("5b"));
        Taste(Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.Edit1->text(), QStringLiteral("6a"));
        ersetzen(d.Edit1, QStringLiteral("4c"));
        Taste(Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(meldungen(), QStringList({"Die Klassenbezeichnung darf nicht leer sein.",
                                        "Aktion ungültig: Diese Klasse gibt es schon!"}));
    // sorted anew, the renamed class selected where it is now
    EXPECT_EQ(knotenTexte(), QStringList({"4c", "5a", "5b"}));
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(0)}));
    EXPECT_EQ(haupt->Lschen1->text(), QStringLiteral("Klasse 4c löschen (Entf)"));

    Geaendert = false;
    klicken(klassenKnoten(1));
    klassenDialog(haupt->Bezeichn, [&](TFKlBez&) { Taste(Qt::Key_Return); });
    EXPECT_TRUE(Geaendert); // its own designation: accepted as a change
    EXPECT_EQ(k5a->Bezeichnung, QStringLiteral("5a"));
}

TEST_F(TBearbeiten, LehrerHinzufuegen_EnterWandertAnredeWirdErgaenzt)
{
    zeigen();
    dialoge->MeldungBestaetigen();
    dialoge->MeldungBestaetigen();
    lehrerDialog(haupt->B_LehrerHinzu, [&](TFLehrerBearb& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Lehrer hinzufügen"));
        EXPECT_EQ(d.focusWidget(), d.E_Kuerzel);
        Tippen(QStringLiteral("XY"));
        Taste(Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), d.E_Anrede);
        Tippen(QStringLiteral("h"));
        EXPECT_EQ(d.E_Anrede->text(), QStringLiteral("Herr"));
        EXPECT_EQ(d.E_Anrede->selectedText(), QStringLiteral("err"));
        Tippen(QStringLiteral("x"));
        EXPECT_EQ(d.E_Anrede->text(), QStringLiteral("Hx"));
        Taste(Qt::Key_Return);
        EXPECT_EQ(d.focusWidget(), d.E_Name);
        Taste(Qt::Key_Return); // empty name: nothing
        EXPECT_EQ(d.focusWidget(), d.E_Name);
        Tippen(QStringLiteral("Xander"));
        Taste(Qt::Key_Return);
        EXPECT_TRUE(d.E_Kuerzel->text().isEmpty());
        EXPECT_EQ(d.focusWidget(), d.E_Kuerzel);

        // a slash in the abbreviation, then a missing salutation
        d.E_Kuerzel->setText(QStringLiteral("A/B"));
        d.E_Anrede->setText(QStringLiteral("Frau"));
        d.E_Name->setText(QStringLiteral("Bär"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
        EXPECT_EQ(d.E_Kuerzel->text(), QStringLiteral("A/B"));
        d.E_Anrede->clear();
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(meldungen(), QStringList({"Aktion ungültig: Ein Kürzel darf keinen Schrägstrich (/) enthalten.",
                                        "Die Eingaben sind unvollständig."}));
    ASSERT_EQ(haupt->LV->rowCount(), 1);
    EXPECT_EQ(haupt->LV->item(0, 1)->text(), QStringLiteral("Hx"));
    EXPECT_TRUE(Geaendert);
}

TEST_F(TBearbeiten, LehrerBearbeiten_KuerzelVergebenNurAnredeWeiterNeuesKuerzelImBaum)
{
    kleineSchule();
    zeigen();
    dialoge->MeldungBestaetigen();
    haupt->B_LehrerHinzuClick(haupt->Bearbeiten3); // no row selected
    EXPECT_EQ(meldungen(), QStringList({"Wählen Sie einen Lehrer aus."}));

    zeileKlicken(0);
    dialoge->MeldungBestaetigen();
    lehrerDialog(haupt->B_LehrerBearb, [&](TFLehrerBearb& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Lehrer bearbeiten"));
        EXPECT_EQ(d.E_Name->text(), QStringLiteral("Albers"));
        d.E_Kuerzel->setText(QStringLiteral("CD"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        d.E_Kuerzel->setText(QStringLiteral("AB"));
        d.E_Anrede->setText(QStringLiteral("Herr"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
    });
    EXPECT_EQ(meldungen().last(), QStringLiteral("Aktion ungültig: Dieses Kürzel gibt es schon!"));
    EXPECT_EQ(ab->Anrede, QStringLiteral("Herr"));
    // only the salutation changed: the next teacher is selected, Enter edits it
    EXPECT_EQ(haupt->AusgewaehlteLehrer(), QList<TLehrer*>({cd}));
    EXPECT_EQ(haupt->focusWidget(), haupt->B_LehrerBearb);
    ASSERT_TRUE(ImDialog<TFLehrerBearb>([&] { QTest::keyClick(haupt->B_LehrerBearb, Qt::Key_Return); }, [](TFLehrerBearb& d) {
        EXPECT_EQ(d.E_Name->text(), QStringLiteral("Claßen"));
    }));

    zeileKlicken(3); // the last teacher stays selected
    lehrerDialog(haupt->B_LehrerBearb, [&](TFLehrerBearb& d) {
        d.E_Anrede->setText(QStringLiteral("Frau"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
    });
    EXPECT_EQ(haupt->AusgewaehlteLehrer(), QList<TLehrer*>({gh}));

    // a new abbreviation shows in the tree
    zeileKlicken(1);
    lehrerDialog(haupt->Bearbeiten3, [&](TFLehrerBearb& d) {
        d.E_Kuerzel->setText(QStringLiteral("CX"));
        QTest::mouseClick(d.B_Ok, Qt::LeftButton);
    });
    EXPECT_EQ(lehrerKnoten(0, 1)->text(0), QStringLiteral("CX"));
    EXPECT_EQ(haupt->AusgewaehlteLehrer(), QList<TLehrer*>({cd}));
}

TEST_F(TBearbeiten, LehrerLoeschen_DerKlassenleitungUndVorsitzHat)
{
    kleineSchule();
    k5a->K_Leitung = {ab};
    k5b->Vorsitz = ab; // does not teach 5b
    anzeigen();
    zeigen();
    zeileKlicken(0);
    const QByteArray vorher = ProjektBytes(*Lehrerliste, *Klassenliste);
    dialoge->FrageBeantworten(false);
    QTest::keyClick(haupt->LV, Qt::Key_Delete);
    EXPECT_EQ(ProjektBytes(*Lehrerliste, *Klassenliste), vorher);
    EXPECT_FALSE(Geaendert);

    dialoge->FrageBeantworten(true);
    haupt->Lschen2->trigger();
    ASSERT_EQ(dialoge->Gezeigt.size(), 2u);
    for (const auto& g : dialoge->Gezeigt) {
        EXPECT_EQ(g.Titel, QStringLiteral("Löschrückfrage"));
        EXPECT_EQ(g.Text, QStringLiteral("Möchten Sie Frau Albers wirklich löschen?"));
    }
    EXPECT_EQ(dialoge->FrageMitSymbol, std::vector<bool>({false, false}));
    EXPECT_EQ(Lehrerliste->Count(), 3);
    EXPECT_EQ(k5a->Unterrichtende, QList<TLehrer*>({cd, ef}));
    EXPECT_EQ(knotenTexte(), QStringList({"5a", "5b", "6a"}));
    EXPECT_EQ(k5b->Vorsitz, nullptr);
    EXPECT_EQ(haupt->LV->rowCount(), 3);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TBearbeiten, EntfImBaum_FragenUndNeinAendertNichts)
{
    kleineSchule();
    k5a->Vorsitz = cd;
    anzeigen();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    const struct
    {
        QTreeWidgetItem *erster, *zweiter;
        const char *titel, *text;
    } faelle[] = {
        {klassenKnoten(2), nullptr, "LÖSCHEN", "Möchten Sie die Klasse 6a wirklich löschen?"},
        {klassenKnoten(1), klassenKnoten(2), "LÖSCHEN: Achtung!", "Möchten Sie die markierten Klassen wirklich löschen?"},
        {lehrerKnoten(0, 1), nullptr, "LÖSCHEN", "Möchten Sie Herrn Claßen aus der Klasse 5a entfernen?"},
        {lehrerKnoten(0, 1), lehrerKnoten(0, 2), "LÖSCHEN: Achtung!",
         "Möchten Sie die markierten Lehrkräfte aus der Klasse 5a entfernen?"},
    };
    const QByteArray vorher = ProjektBytes(*Lehrerliste, *Klassenliste);
    for (const auto& f : faelle) {
        klicken(f.erster);
        if (f.zweiter)
            klicken(f.zweiter, Qt::ControlModifier);
        dialoge->FrageBeantworten(false);
        QTest::keyClick(haupt->TV, Qt::Key_Delete);
        EXPECT_EQ(dialoge->Letzter().Titel, QString::fromUtf8(f.titel));
        EXPECT_EQ(dialoge->Letzter().Text, QString::fromUtf8(f.text));
        EXPECT_TRUE(dialoge->FrageMitSymbol.back());
    }
    EXPECT_EQ(ProjektBytes(*Lehrerliste, *Klassenliste), vorher);
    EXPECT_FALSE(Geaendert);

    // the chair of 5a leaves 5a: no chair any more, the teacher stays
    klicken(lehrerKnoten(0, 1));
    dialoge->FrageBeantworten(true);
    haupt->Lschen1->trigger();
    EXPECT_EQ(k5a->Unterrichtende, QList<TLehrer*>({ab, ef}));
    EXPECT_EQ(k5a->Vorsitz, nullptr);
    EXPECT_EQ(Lehrerliste->Count(), 4);
    EXPECT_EQ(klassenKnoten(0)->childCount(), 2);
    EXPECT_TRUE(klassenKnoten(0)->isExpanded());

    klicken(klassenKnoten(1));
    klicken(klassenKnoten(2), Qt::ControlModifier);
    dialoge->FrageBeantworten(true);
    QTest::keyClick(haupt->TV, Qt::Key_Delete);
    EXPECT_EQ(knotenTexte(), QStringList({"5a"}));
    EXPECT_TRUE(Geaendert);
}

TEST_F(TBearbeiten, Zuweisen_ZweiVonDreiSchonDa_UndDoppelklick)
{
    kleineSchule();
    zeigen();
    klicken(klassenKnoten(1)); // 5b: CD, GH
    zeileKlicken(0);
    zeileKlicken(1, Qt::ControlModifier);
    zeileKlicken(3, Qt::ControlModifier);
    QTest::mouseClick(haupt->Zuweisen, Qt::LeftButton);
    EXPECT_EQ(k5b->Unterrichtende, QList<TLehrer*>({ab, cd, gh}));
    EXPECT_TRUE(haupt->AusgewaehlteLehrer().isEmpty());
    EXPECT_FALSE(haupt->Zuweisen->isVisibleTo(haupt->Panel2));
    EXPECT_TRUE(klassenKnoten(1)->isExpanded());
    EXPECT_EQ(klassenKnoten(1)->childCount(), 3);
    EXPECT_TRUE(Geaendert);

    klicken(klassenKnoten(2)); // 6a
    zeileDoppelklicken(2);
    EXPECT_EQ(k6a->Unterrichtende, QList<TLehrer*>({ef}));
    EXPECT_EQ(klassenKnoten(2)->childCount(), 1);
    dialoge->MeldungBestaetigen();
    zeileDoppelklicken(2);
    EXPECT_EQ(meldungen(), QStringList({"Ebert ist bereits eingetragen."}));
    EXPECT_EQ(k6a->Unterrichtende.size(), 1);
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
    const struct
    {
        const char* knopf;
        int bild;
        const char* knoten;
    } folge[] = {
        {"Klassenleitung aufheben", 10, "5a (AB)"},
        {"Als Klassenleitung kennzeichnen", 8, "5a"},
        {"Klassenleitung aufheben", 10, "5a (AB)"},
    };
    EXPECT_EQ(haupt->B_Klassenlehrer->text(), QStringLiteral("Vorsitz aufheben"));
    for (const auto& f : folge) {
        QTest::mouseClick(haupt->B_Klassenlehrer, Qt::LeftButton);
        EXPECT_EQ(haupt->B_Klassenlehrer->text(), QString::fromUtf8(f.knopf));
        EXPECT_EQ(lehrerKnoten(0, 0)->Bild(), f.bild);
        EXPECT_EQ(knotenTexte().first(), QString::fromUtf8(f.knoten));
    }
    EXPECT_EQ(haupt->Anzeigemodus(), 0);
    EXPECT_TRUE(haupt->TBklasleh->isChecked());
    EXPECT_EQ(k5a->Vorsitz, nullptr);
    EXPECT_TRUE(Geaendert);
}

} // namespace
