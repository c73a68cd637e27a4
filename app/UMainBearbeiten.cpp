// Commands of the main window that edit classes, teachers, chair, date and parent
// representatives. Their dialogs live in editing/; the changes to the lists are the core
// functions of UAenderungen.
#include "app/UBerichtsliste.h"
#include "app/UFenster.h"
#include "app/UKlassenBaum.h"
#include "app/UMain.h"
#include "editing/UAenderungen.h"
#include "editing/UElternliste.h"
#include "editing/UKlBez.h"
#include "editing/ULehrerBearb.h"
#include "editing/UVorsitz.h"
#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>

namespace {

// The records of the selected nodes below a node, in tree order: the classes of the
// selected class nodes below the tree's root, the teachers of the selected teacher nodes
// below a class node.
template <class Datensatz>
QList<Datensatz*> ausgewaehlt(const QTreeWidgetItem* eltern, Datensatz* TKnoten::*feld)
{
    QList<Datensatz*> daten;
    for (int i = 0; i < eltern->childCount(); ++i)
        if (TKnoten* knoten = Knoten(eltern->child(i)); knoten && knoten->isSelected())
            daten << knoten->*feld;
    return daten;
}

QList<TKlasse*> ausgewaehlteKlassen(const QTreeWidget* tv)
{
    return ausgewaehlt(tv->invisibleRootItem(), &TKnoten::Klasse);
}

int zeileVon(const QTableWidget* lv, const TLehrer* lehrer)
{
    for (int zeile = 0; zeile < lv->rowCount(); ++zeile)
        if (Datensatz<TLehrer>(lv, zeile) == lehrer)
            return zeile;
    return -1;
}

} // namespace

TKnoten* TFMain::KnotenSuchen(QTreeWidgetItem* knoten, const TKlasse* klasse)
{
    if (!knoten || !knoten->treeWidget())
        return nullptr;
    // a class node's parent is the tree's invisible root
    const QTreeWidgetItem* eltern = knoten->parent() ? knoten->parent() : knoten->treeWidget()->invisibleRootItem();
    for (int i = eltern->indexOfChild(knoten); i < eltern->childCount(); ++i)
        if (TKnoten* n = Knoten(eltern->child(i)); n && n->Klasse == klasse)
            return n;
    return nullptr;
}

// ---------------------------------------------------------------- classes and teachers

void TFMain::Hinzufgen1Click(QObject* Sender)
{
    TFKlBez& dialog = *Fenster().KlBez;
    dialog.neu = Sender != Bezeichn;
    dialog.klasse = nullptr;
    if (!dialog.neu) {
        const TKnoten* knoten = KlassenKnoten(TV->FokusKnoten());
        if (!knoten)
            return;
        dialog.klasse = knoten->Klasse;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.neu)
        return;
    // the renamed class may have moved: select it where it is now
    TreeViewAktualisieren();
    TV->KnotenWaehlen(KnotenSuchen(TV->topLevelItem(0), dialog.klasse));
}

void TFMain::B_LehrerHinzuClick(QObject* Sender)
{
    TFLehrerBearb& dialog = *Fenster().LehrerBearb;
    dialog.neu = Sender == B_LehrerHinzu || Sender == Hinzufgen2;
    dialog.lehrer = nullptr;
    if (!dialog.neu) {
        const QList<TLehrer*> auswahl = AusgewaehlteLehrer();
        if (auswahl.isEmpty()) {
            Dialoge().Meldung(this, QStringLiteral("Wählen Sie einen Lehrer aus."));
            return;
        }
        dialog.lehrer = auswahl.constFirst();
    }
    const QString kuerzelAlt = dialog.lehrer ? dialog.lehrer->Kuerzel : QString();
    if (dialog.exec() != QDialog::Accepted || dialog.neu)
        return;

    ListViewAktualisieren();
    if (dialog.lehrer->Kuerzel != kuerzelAlt)
        TreeViewAktualisieren(); // teacher nodes and the texts of views 0 and 2 show abbreviations
    int zeile = zeileVon(LV, dialog.lehrer);
    // only the salutation changed: on to the next teacher, so that salutations can be
    // filled in one after another with Enter
    const bool weiter = dialog.nurAnredeNeu && zeile + 1 < LV->rowCount();
    if (weiter)
        ++zeile;
    LV->setCurrentCell(zeile, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    LV->scrollToItem(LV->item(zeile, 0));
    if (weiter) {
        B_LehrerBearb->setEnabled(true);
        B_LehrerBearb->setFocus();
    }
}

void TFMain::Lschen1Click()
{
    TVKeyDown();
}

void TFMain::Lschen2Click()
{
    LVKeyDown();
}

void TFMain::TVKeyDown()
{
    TKnoten* fokus = TV->FokusKnoten();
    if (TV->topLevelItemCount() == 0 || !fokus)
        return;
    if (fokus->IstKlasse()) {
        const QList<TKlasse*> klassen = ausgewaehlteKlassen(TV);
        const bool eine = klassen.size() == 1;
        const QString frage = eine ? QStringLiteral("Möchten Sie die Klasse %1 wirklich löschen?")
                                         .arg(klassen.constFirst()->Bezeichnung)
                                   : QStringLiteral("Möchten Sie die markierten Klassen wirklich löschen?");
        if (!Dialoge().Frage(this, eine ? QStringLiteral("LÖSCHEN") : QStringLiteral("LÖSCHEN: Achtung!"), frage))
            return;
        KlassenLoeschen(*Klassenliste, *Verteilung, klassen, &Projektzusatz);
        TreeViewAktualisieren();
        return;
    }

    TKnoten* klassenKnoten = KlassenKnoten(fokus);
    TKlasse* klasse = klassenKnoten->Klasse;
    const QList<TLehrer*> lehrer = ausgewaehlt(klassenKnoten, &TKnoten::Lehrer);
    if (lehrer.isEmpty())
        return;
    const bool einer = lehrer.size() == 1;
    const QString frage = einer ? QStringLiteral("Möchten Sie %1 aus der Klasse %2 entfernen?")
                                      .arg(LehrerMitAnrede(lehrer.constFirst(), true), klasse->Bezeichnung)
                                : QStringLiteral("Möchten Sie die markierten Lehrkräfte aus der Klasse %1 entfernen?")
                                      .arg(klasse->Bezeichnung);
    if (!Dialoge().Frage(this, einer ? QStringLiteral("LÖSCHEN") : QStringLiteral("LÖSCHEN: Achtung!"), frage))
        return;
    AusKlasseEntfernen(*klasse, lehrer);
    klassenKnoten->setText(0, KnotenText(klasse));
    KnotenAktualisieren(klassenKnoten);
    klassenKnoten->setExpanded(true);
    SchalterErlauben();
}

void TFMain::LVKeyDown()
{
    const QList<TLehrer*> lehrer = AusgewaehlteLehrer();
    if (lehrer.isEmpty())
        return;
    const QString frage = lehrer.size() == 1 ? QStringLiteral("Möchten Sie %1 wirklich löschen?")
                                                   .arg(LehrerMitAnrede(lehrer.constFirst(), true))
                                             : QStringLiteral("Möchten Sie die markierten Lehrkräfte wirklich löschen?");
    if (!Dialoge().Frage(this, QStringLiteral("Löschrückfrage"), frage, false))
        return;
    // no selected row may name a teacher that is gone while the views are rebuilt
    LV->clearSelection();
    LehrerLoeschen(*Lehrerliste, *Klassenliste, lehrer);
    TreeViewAktualisieren();
    ListViewAktualisieren();
}

// ---------------------------------------------------------------- who teaches where

void TFMain::LVDblClick()
{
    TKnoten* fokus = TV->FokusKnoten();
    const QList<TLehrer*> zeilen = AusgewaehlteLehrer();
    if (!fokus || zeilen.isEmpty())
        return;
    TKnoten* klassenKnoten = KlassenKnoten(fokus);
    TLehrer* lehrer = zeilen.constFirst();
    if (LehrerZuweisen(*klassenKnoten->Klasse, {lehrer}) == 0) {
        Dialoge().Meldung(this, lehrer->Name + QStringLiteral(" ist bereits eingetragen."));
        return;
    }
    KnotenAktualisieren(klassenKnoten);
    klassenKnoten->setExpanded(true);
    SchalterErlauben();
}

void TFMain::ZuweisenClick()
{
    TKnoten* klassenKnoten = sucheEinzelneKlasse();
    const QList<TLehrer*> lehrer = AusgewaehlteLehrer();
    if (!klassenKnoten || lehrer.isEmpty())
        return;
    lehrerZuweisen(klassenKnoten, lehrer);
}

void TFMain::LehrerAbgelegt(TKnoten* klassenKnoten)
{
    const QList<TLehrer*> lehrer = AusgewaehlteLehrer();
    if (klassenKnoten && !lehrer.isEmpty())
        lehrerZuweisen(klassenKnoten, lehrer);
}

void TFMain::lehrerZuweisen(TKnoten* klassenKnoten, const QList<TLehrer*>& lehrer)
{
    for (int i = 0; i < TV->topLevelItemCount(); ++i)
        TV->topLevelItem(i)->setExpanded(false);
    LV->clearSelection();
    LehrerZuweisen(*klassenKnoten->Klasse, lehrer);
    Geaendert = true; // also when every teacher was there already
    KnotenAktualisieren(klassenKnoten);
    klassenKnoten->setExpanded(true);
}

void TFMain::B_KlassenlehrerClick()
{
    AnsichtWechseln(0);
    TKnoten* fokus = TV->FokusKnoten();
    if (!fokus || fokus->IstKlasse())
        return;
    TKnoten* klassenKnoten = KlassenKnoten(fokus);
    const TKnoten* lehrer = sucheEinzelnenLehrer(klassenKnoten);
    if (!lehrer)
        return;
    KlassenleitungUmschalten(*klassenKnoten->Klasse, lehrer->Lehrer);
    for (int i = 0; i < klassenKnoten->childCount(); ++i)
        LehrerBild(klassenKnoten->child(i));
    klassenKnoten->setText(0, KnotenText(klassenKnoten->Klasse));
    TV->setFocus();
    SchalterErlauben(); // the button's caption follows the new role
}

// ---------------------------------------------------------------- chair and date

void TFMain::B_VorsitzClick()
{
    TFVorsitz& dialog = *Fenster().Vorsitz;
    dialog.lehrer = nullptr;
    dialog.fKonf = false;
    dialog.klassen = ausgewaehlteKlassen(TV);
    if (dialog.klassen.isEmpty() || dialog.exec() != QDialog::Accepted)
        return;
    AnsichtWechseln(2);
    VorsitzSetzen(dialog.klassen, dialog.lehrer);
    TreeViewAktualisieren();
}

void TFMain::BKonferenzClick()
{
    TFVorsitz& dialog = *Fenster().Vorsitz;
    dialog.fKonf = true;
    dialog.klassen = ausgewaehlteKlassen(TV);
    if (dialog.klassen.isEmpty() || dialog.exec() != QDialog::Accepted)
        return;
    AnsichtWechseln(1);
    DatumSetzen(dialog.klassen, dialog.Datum());
    TreeViewAktualisieren();
}

// ---------------------------------------------------------------- parent representatives

void TFMain::ElternBearbeitenClick()
{
    TKnoten* knoten = sucheEinzelneKlasse();
    if (!knoten)
        return;
    TFElternliste& dialog = *Fenster().Elternliste;
    dialog.k = knoten->Klasse;
    if (dialog.exec() != QDialog::Accepted)
        return;
    // the list was changed: on to the next class if it has no representatives yet
    TKnoten* naechster = Knoten(TV->topLevelItem(TV->indexOfTopLevelItem(knoten) + 1));
    if (naechster && naechster->Klasse->Elternvertreter.IsEmpty())
        TV->KnotenWaehlen(naechster);
}
