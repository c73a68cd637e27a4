#include "gui/Fenstertest.h"

#include "app/UBildschirm.h"

#include "distribution/UErgebnis.h"
#include "minutes/UVorschau.h"
#include "planning/UFunctions.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>

namespace {

using THauptfenster = TFensterTest;

struct TSchalter
{
    bool eineKlasse, lschen1, klassenlehrer, vorsitzDatum, lschen2, lehrerBearb, zuweisen;
};

void schalterPruefen(const TFMain* h, const TSchalter& s)
{
    EXPECT_EQ(h->ElternBearbeiten->isEnabled(), s.eineKlasse);
    EXPECT_EQ(h->Bearbeiten2->isEnabled(), s.eineKlasse);
    EXPECT_EQ(h->Bezeichn->isEnabled(), s.eineKlasse);
    EXPECT_EQ(h->Lschen1->isEnabled(), s.lschen1);
    EXPECT_EQ(h->B_Klassenlehrer->isEnabled(), s.klassenlehrer);
    EXPECT_EQ(h->B_Vorsitz->isEnabled(), s.vorsitzDatum);
    EXPECT_EQ(h->BKonferenz->isEnabled(), s.vorsitzDatum);
    EXPECT_EQ(h->Lschen2->isEnabled(), s.lschen2);
    EXPECT_EQ(h->B_LehrerBearb->isEnabled(), s.lehrerBearb);
    EXPECT_EQ(h->Bearbeiten3->isEnabled(), s.lehrerBearb);
    EXPECT_EQ(h->Zuweisen->isEnabled(), s.zuweisen);
    EXPECT_EQ(h->Zuweisen->isVisibleTo(h->Panel2), s.zuweisen);
}

// Every command that does not depend on the selection.
void immerFrei(const TFMain* h)
{
    for (const QAction* a : {h->Neu1, h->Oeffnen1, h->Speichern1, h->Speichernunter1, h->ImportXML, h->ImportLehrerCSV,
                             h->TexteSpeichern, h->Beenden1, h->Hinzufgen1, h->Hinzufgen2, h->ImportCSV, h->Auswerten1,
                             h->Klassl1, h->Kfdat1, h->Konfvor1, h->Info1, h->Hilfe1, h->TBnew, h->TBopen, h->TBsave,
                             h->TBklasleh, h->ToolButton2, h->ToolButton8, h->TB_auswert, h->ToolButton6, h->TBexit})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(h->B_KlasseHinzu->isEnabled());
    EXPECT_TRUE(h->B_LehrerHinzu->isEnabled());
}

TEST_F(THauptfenster, FormUndBefehleWieAmAnfang)
{
    EXPECT_EQ(haupt->windowTitle(), QStringLiteral("Unbenannt[*] – Simultano"));
    // the design size as far as the screen allows (the tests run on a 1024 x 600 screen)
    EXPECT_EQ(haupt->size(), QSize(887, 689).boundedTo(haupt->screen()->availableGeometry().size().shrunkBy(VermuteterRahmen)));
    EXPECT_EQ(haupt->minimumHeight(), std::min(550, haupt->height()));
    EXPECT_EQ(haupt->palette().color(QPalette::Window), QColor(200, 185, 157));
    EXPECT_TRUE(haupt->Edit1->isReadOnly());

    QStringList menues;
    for (const QAction* a : haupt->MainMenu1->actions())
        menues << Beschriftung(a->text());
    EXPECT_EQ(menues, QStringList({"Datei", "Bearbeiten", "Konferenz", "Ansicht", "?"}));
    EXPECT_EQ(Beschriftung(haupt->Oeffnen1->text()), QStringLiteral("Öffnen ..."));
    EXPECT_EQ(haupt->ToolButton6->toolTip(), QStringLiteral("Texte für Protokoll..."));
    EXPECT_EQ(Beschriftung(haupt->B_Vorsitz->text()), QStringLiteral("Konferenz:\nVorsitz festlegen"));
    EXPECT_EQ(haupt->B_Vorsitz->toolTip(), QStringLiteral("Vorsitz für alle markierten Klassen festlegen"));
    EXPECT_TRUE(haupt->Zuweisen->font().bold());

    QStringList spalten;
    for (int i = 0; i < 3; ++i)
        spalten << haupt->LV->horizontalHeaderItem(i)->text() + QLatin1Char('/') + QString::number(haupt->LV->columnWidth(i));
    EXPECT_EQ(spalten, QStringList({"Kürzel/53", "/50", "Name/130"}));

    // the tests and the later windows find the components by their names
    for (const char* name : {"TV", "LV", "Edit1", "StaticText1", "Zuweisen", "Lschen1", "TBklasleh", "ToolBar1", "ToolBar3"})
        EXPECT_NE(haupt->findChild<QObject*>(QLatin1String(name)), nullptr) << name;
}

TEST_F(THauptfenster, DieDreizehnFensterEntstehenEinmalInDerVorgegebenenReihenfolge)
{
    QStringList namen;
    for (const QObject* kind : haupt->children())
        if (kind->inherits("QDialog"))
            namen << kind->objectName();
    EXPECT_EQ(namen, QStringList({"TFElternAdd", "TFElternliste", "TFErgebnis", "TFImport", "TFImpStufenwahl", "TFKlBez",
                                  "TFLehrerBearb", "TFMultClass", "TFSaveResult", "TFText", "TFVorschau", "TFVorsitz"}));
    EXPECT_EQ(&haupt->Fenster(), fenster.get());
    EXPECT_EQ(&fenster->Ergebnis->Dialoge(), &haupt->Dialoge());
    EXPECT_TRUE(fenster->Vorschau->isModal());
}

TEST_F(THauptfenster, LeeresProjektSperrtAllesWasEineAuswahlBraucht)
{
    anzeigen();
    EXPECT_EQ(haupt->TV->topLevelItemCount(), 0);
    EXPECT_EQ(haupt->LV->rowCount(), 0);
    schalterPruefen(haupt, {false, false, false, false, false, false, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("Löschen"));
    EXPECT_EQ(Beschriftung(haupt->Lschen2->text()), QStringLiteral("Löschen"));
    immerFrei(haupt);
    EXPECT_EQ(haupt->sucheEinzelneKlasse(), nullptr);
    EXPECT_FALSE(haupt->KlasseMitLehrkraft());
}

TEST_F(THauptfenster, KlassenAuswahl)
{
    kleineSchule();
    zeigen();
    klicken(klassenKnoten(0));
    schalterPruefen(haupt, {true, true, false, true, false, false, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("Klasse 5a löschen (Entf)"));
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Als Klassenleitung kennzeichnen"));

    klicken(klassenKnoten(2), Qt::ControlModifier);
    schalterPruefen(haupt, {false, true, false, true, false, false, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("Klassen löschen (Entf)"));
    // the first selected class in tree order, not the focused one
    EXPECT_EQ(haupt->sucheEinzelneKlasse(), klassenKnoten(0));

    // two classes and a teacher row: still nothing to assign to
    zeileKlicken(0);
    EXPECT_FALSE(haupt->Zuweisen->isVisibleTo(haupt->Panel2));
    immerFrei(haupt);
}

TEST_F(THauptfenster, LehrerAuswahlInEinerKlasse)
{
    kleineSchule();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 1));
    schalterPruefen(haupt, {true, true, true, false, false, false, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("CD aus 5a löschen (Entf)"));
    EXPECT_EQ(haupt->sucheEinzelneKlasse(), klassenKnoten(0));

    klicken(lehrerKnoten(0, 2), Qt::ControlModifier);
    schalterPruefen(haupt, {true, true, false, false, false, false, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("Lehrkräfte aus 5a löschen (Entf)"));
    EXPECT_EQ(haupt->sucheEinzelnenLehrer(klassenKnoten(0)), lehrerKnoten(0, 1));
    EXPECT_EQ(haupt->sucheEinzelnenLehrer(klassenKnoten(1)), lehrerKnoten(1, 0));
    EXPECT_EQ(haupt->sucheEinzelnenLehrer(klassenKnoten(2)), nullptr);
}

TEST_F(THauptfenster, ZuweisenNurMitEinemKnotenUndListenzeilen)
{
    kleineSchule();
    zeigen();
    zeileKlicken(3);
    schalterPruefen(haupt, {false, false, false, false, true, true, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen2->text()), QStringLiteral("GH löschen (Entf)"));
    zeileKlicken(1, Qt::ControlModifier);
    schalterPruefen(haupt, {false, false, false, false, true, false, false});
    EXPECT_EQ(Beschriftung(haupt->Lschen2->text()), QStringLiteral("Lehrkräfte löschen (Entf)"));
    EXPECT_EQ(haupt->AusgewaehlteLehrer(), QList<TLehrer*>({cd, gh}));

    klassenKnoten(1)->setExpanded(true);
    klicken(lehrerKnoten(1, 0));
    schalterPruefen(haupt, {true, true, true, false, true, false, true});
    EXPECT_EQ(Beschriftung(haupt->Zuweisen->text()), QStringLiteral("Lehrer der 5b zuweisen"));
    klicken(klassenKnoten(2));
    EXPECT_EQ(Beschriftung(haupt->Zuweisen->text()), QStringLiteral("Lehrer der 6a zuweisen"));
}

TEST_F(THauptfenster, BeschriftungVonB_KlassenlehrerNachDerRolle)
{
    kleineSchule();
    k5a->K_Leitung = {cd, ab};
    k5a->Vorsitz = ab;
    anzeigen();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 0)); // AB: leader and chair
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Vorsitz aufheben"));
    klicken(lehrerKnoten(0, 1)); // CD: leader
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Klassenleitung aufheben"));
    klicken(lehrerKnoten(0, 2)); // EF
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Als Klassenleitung kennzeichnen"));
    klicken(lehrerKnoten(0, 1), Qt::ControlModifier); // CD and EF: the first of them counts, n = 2
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Als Klassenleitung kennzeichnen"));
    EXPECT_FALSE(haupt->B_Klassenlehrer->isEnabled());
    klicken(lehrerKnoten(0, 0), Qt::ControlModifier); // AB, CD, EF: the chair counts
    EXPECT_EQ(Beschriftung(haupt->B_Klassenlehrer->text()), QStringLiteral("Vorsitz aufheben"));
}

TEST_F(THauptfenster, NachJedemNeuaufbauIstNichtsAusgewaehlt)
{
    kleineSchule();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 0));
    zeileKlicken(0);
    ASSERT_TRUE(haupt->Zuweisen->isEnabled());
    haupt->TreeViewAktualisieren();
    EXPECT_TRUE(haupt->TV->selectedItems().isEmpty());
    EXPECT_FALSE(klassenKnoten(0)->isExpanded());
    schalterPruefen(haupt, {false, false, false, false, true, true, false});
    haupt->ListViewAktualisieren();
    schalterPruefen(haupt, {false, false, false, false, false, false, false});
    // nothing selected: the current class is the first one
    EXPECT_EQ(haupt->sucheEinzelneKlasse(), klassenKnoten(0));
    EXPECT_TRUE(haupt->KlasseMitLehrkraft());
}

TEST_F(THauptfenster, MehrfachauswahlNurUnterGeschwistern)
{
    kleineSchule();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klassenKnoten(1)->setExpanded(true);
    TKlassenBaum* tv = haupt->TV;

    klicken(klassenKnoten(0));
    klicken(klassenKnoten(1), Qt::ControlModifier);
    EXPECT_EQ(tv->selectedItems().size(), 2);
    // a teacher node drops the class nodes
    klicken(lehrerKnoten(0, 1), Qt::ControlModifier);
    EXPECT_EQ(tv->selectedItems(), QList<QTreeWidgetItem*>({lehrerKnoten(0, 1)}));
    klicken(lehrerKnoten(0, 2), Qt::ControlModifier);
    EXPECT_EQ(tv->selectedItems().size(), 2);
    // a teacher of another class drops the teachers of 5a
    klicken(lehrerKnoten(1, 0), Qt::ControlModifier);
    EXPECT_EQ(tv->selectedItems(), QList<QTreeWidgetItem*>({lehrerKnoten(1, 0)}));
    // Ctrl toggles
    klicken(lehrerKnoten(1, 1), Qt::ControlModifier);
    klicken(lehrerKnoten(1, 0), Qt::ControlModifier);
    EXPECT_EQ(tv->selectedItems(), QList<QTreeWidgetItem*>({lehrerKnoten(1, 1)}));
    EXPECT_EQ(tv->FokusKnoten(), lehrerKnoten(1, 1));

    // a range over both levels keeps the siblings of the node clicked last
    klicken(klassenKnoten(0));
    klicken(klassenKnoten(2), Qt::ShiftModifier);
    EXPECT_EQ(tv->selectedItems().size(), 3);
    for (QTreeWidgetItem* item : tv->selectedItems())
        EXPECT_EQ(item->parent(), nullptr);
}

TEST_F(THauptfenster, ZuklappenNimmtVerborgeneKnotenAusDerAuswahl)
{
    kleineSchule();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 0));
    klicken(lehrerKnoten(0, 1), Qt::ControlModifier);
    klassenKnoten(0)->setExpanded(false);
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({klassenKnoten(0)}));
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("Klasse 5a löschen (Entf)"));
}

TEST_F(THauptfenster, AuswahlAusDemProgrammIstDieEinzigeUndDerFokus)
{
    kleineSchule();
    zeigen();
    klicken(klassenKnoten(0));
    klicken(klassenKnoten(1), Qt::ControlModifier);
    haupt->TV->KnotenWaehlen(lehrerKnoten(0, 2));
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({lehrerKnoten(0, 2)}));
    EXPECT_EQ(haupt->TV->currentItem(), lehrerKnoten(0, 2));
    EXPECT_TRUE(klassenKnoten(0)->isExpanded());
    EXPECT_EQ(Beschriftung(haupt->Lschen1->text()), QStringLiteral("EF aus 5a löschen (Entf)"));
}

TEST_F(THauptfenster, KnotentexteInDenDreiAnsichten)
{
    kleineSchule();
    k5a->K_Leitung = {cd, ab};
    k5a->Konferenzdatum = DatumZuWert(QDate(2021, 1, 24));
    k5b->Vorsitz = ab; // does not teach 5b
    anzeigen();
    EXPECT_EQ(knotenTexte(), QStringList({"5a (CD/AB)", "5b", "6a"}));

    haupt->ToolButton2->trigger();
    EXPECT_EQ(haupt->Anzeigemodus(), 1);
    EXPECT_EQ(knotenTexte(), QStringList({"5a --> 24.01.2021", "5b", "6a"}));

    haupt->Konfvor1->trigger();
    EXPECT_EQ(haupt->Anzeigemodus(), 2);
    EXPECT_EQ(knotenTexte(), QStringList({"5a", "5b . . . . . . [AB]", "6a"}));
    EXPECT_TRUE(haupt->ToolButton8->isChecked());
    EXPECT_FALSE(haupt->TBklasleh->isChecked());
    EXPECT_FALSE(haupt->ToolButton2->isChecked());
    // the chair who does not teach 5b shows in the text only
    for (int i = 0; i < klassenKnoten(1)->childCount(); ++i)
        EXPECT_EQ(lehrerKnoten(1, i)->Bild(), 8);

    // the mode survives a rebuild
    haupt->TreeViewAktualisieren();
    EXPECT_EQ(knotenTexte(), QStringList({"5a", "5b . . . . . . [AB]", "6a"}));
}

TEST_F(THauptfenster, AnsichtWechselnBehaeltAuswahlUndAufklappung)
{
    kleineSchule();
    k5a->Vorsitz = cd;
    anzeigen();
    zeigen();
    klassenKnoten(0)->setExpanded(true);
    klicken(lehrerKnoten(0, 1));
    haupt->TBklasleh->trigger(); // already the mode: nothing happens
    haupt->ToolButton8->trigger();
    EXPECT_EQ(knotenTexte().first(), QStringLiteral("5a . . . . . . [CD]"));
    EXPECT_TRUE(klassenKnoten(0)->isExpanded());
    EXPECT_EQ(haupt->TV->selectedItems(), QList<QTreeWidgetItem*>({lehrerKnoten(0, 1)}));
    EXPECT_TRUE(haupt->Konfvor1->isChecked());
}

TEST_F(THauptfenster, F8SchaltetUeberallAufKlassenleitung)
{
    kleineSchule();
    k5a->K_Leitung = {ab};
    anzeigen();
    zeigen();
    haupt->Kfdat1->trigger();
    ASSERT_EQ(haupt->Anzeigemodus(), 1);
    haupt->LV->setFocus();
    QTest::keyClick(haupt->LV, Qt::Key_F8);
    EXPECT_EQ(haupt->Anzeigemodus(), 0);
    EXPECT_TRUE(haupt->Klassl1->isChecked());
    EXPECT_TRUE(haupt->TBklasleh->isChecked());
    EXPECT_FALSE(haupt->ToolButton2->isChecked());
    EXPECT_EQ(knotenTexte().first(), QStringLiteral("5a (AB)"));

    haupt->TV->setFocus();
    QTest::keyClick(haupt->TV, Qt::Key_F8);
    EXPECT_EQ(haupt->Anzeigemodus(), 0);
    EXPECT_TRUE(haupt->Klassl1->isChecked());
}

TEST_F(THauptfenster, RollenbilderDerLehrerknoten)
{
    kleineSchule();
    k5a->K_Leitung = {ab, cd};
    k5a->Vorsitz = ab;
    anzeigen();
    EXPECT_EQ(lehrerKnoten(0, 0)->Bild(), 12); // chair wins over leadership
    EXPECT_EQ(lehrerKnoten(0, 0)->AuswahlBild(), 13);
    EXPECT_EQ(lehrerKnoten(0, 1)->Bild(), 10);
    EXPECT_EQ(lehrerKnoten(0, 1)->AuswahlBild(), 11);
    EXPECT_EQ(lehrerKnoten(0, 2)->Bild(), 8);
    EXPECT_EQ(lehrerKnoten(0, 2)->AuswahlBild(), 9);
    EXPECT_EQ(knotenTexte().first(), QStringLiteral("5a (AB/CD)"));

    EXPECT_EQ(klassenKnoten(0)->Bild(), 5);
    EXPECT_EQ(klassenKnoten(0)->AuswahlBild(), 6);
    klassenKnoten(0)->setExpanded(true);
    EXPECT_EQ(klassenKnoten(0)->Bild(), 4);
    EXPECT_EQ(klassenKnoten(0)->AuswahlBild(), 7);
    klassenKnoten(0)->setExpanded(false);
    EXPECT_EQ(klassenKnoten(0)->Bild(), 5);

    // a changed role shows after the class's teacher nodes are rebuilt
    k5a->Vorsitz = nullptr;
    haupt->KnotenAktualisieren(klassenKnoten(0));
    haupt->KnotenAktualisieren(lehrerKnoten(0, 0)); // nothing for a teacher node
    EXPECT_EQ(lehrerKnoten(0, 0)->Bild(), 10);
    EXPECT_EQ(klassenKnoten(0)->childCount(), 3);
}

TEST_F(THauptfenster, LehrerlisteZeigtAlleLehrkraefteInListenreihenfolge)
{
    kleineSchule();
    ASSERT_EQ(haupt->LV->rowCount(), 4);
    EXPECT_EQ(haupt->LV->item(1, 0)->text(), QStringLiteral("CD"));
    EXPECT_EQ(haupt->LV->item(1, 1)->text(), QStringLiteral("Herr"));
    EXPECT_EQ(haupt->LV->item(1, 2)->text(), QStringLiteral("Claßen"));
    EXPECT_EQ(haupt->KlassenKnoten(lehrerKnoten(1, 1)), klassenKnoten(1));
    EXPECT_EQ(haupt->KlassenKnoten(klassenKnoten(1)), klassenKnoten(1));
}

} // namespace
