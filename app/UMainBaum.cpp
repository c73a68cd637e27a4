// The class tree, the teacher list, the view modes and the enabling of the commands.
#include "app/UBerichtsliste.h"
#include "app/UBilder.h"
#include "app/UKlassenBaum.h"
#include "app/UMain.h"
#include "editing/UAenderungen.h"
#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>

namespace {

// A teacher who may chair conferences shows the chair image beside the abbreviation.
void LeitenZeigen(QTableWidgetItem* kuerzel)
{
    kuerzel->setIcon(Bild(20));
    kuerzel->setToolTip(QStringLiteral("darf Konferenzen leiten"));
}

// Images of the class tree (indexes of the image list).
enum : int {
    KlasseOffen = 4,
    KlasseZu = 5,
    KlasseZuAusgewaehlt = 6,
    KlasseOffenAusgewaehlt = 7,
    Lehrkraft = 8,
    Klassenleitung = 10,
    Vorsitz = 12,
};

// A designation or abbreviation inside a caption: a '&' shows as such instead of marking
// the caption's mnemonic.
QString woertlich(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QString TFMain::KnotenText(const TKlasse* k) const
{
    QString text = k->Bezeichnung;
    switch (displaymode) {
    case 0:
        if (!k->K_Leitung.isEmpty())
            text += QStringLiteral(" (") + KuerzelVerbunden(k->K_Leitung) + QLatin1Char(')');
        break;
    case 1:
        if (k->Konferenzdatum != 0.0)
            text += QStringLiteral(" --> ") + DatumText(k->Konferenzdatum);
        break;
    case 2:
        if (k->Vorsitz)
            text += QStringLiteral(" . . . . . . [%1]").arg(k->Vorsitz->Kuerzel);
        break;
    }
    return text;
}

void TFMain::TreeViewAktualisieren()
{
    beimAktualisieren = true;
    TV->setUpdatesEnabled(false);
    TV->clear();
    for (TKlasse* k : *Klassenliste) {
        auto* knoten = new TKnoten(k);
        knoten->setText(0, KnotenText(k));
        TV->addTopLevelItem(knoten);
        KnotenAktualisieren(knoten);
        TV->BilderSetzen(knoten, KlasseZu, KlasseZuAusgewaehlt);
    }
    TV->setUpdatesEnabled(true);
    beimAktualisieren = false;
    SchalterErlauben();
}

void TFMain::KnotenAktualisieren(QTreeWidgetItem* n)
{
    TKnoten* knoten = Knoten(n);
    if (!knoten || !knoten->IstKlasse())
        return;
    qDeleteAll(knoten->takeChildren());
    for (TLehrer* l : knoten->Klasse->Unterrichtende) {
        auto* kind = new TKnoten(l);
        kind->setText(0, l->Kuerzel);
        knoten->addChild(kind);
        LehrerBild(kind);
    }
}

void TFMain::LehrerBild(QTreeWidgetItem* n)
{
    TKnoten* knoten = Knoten(n);
    const TKnoten* klasse = KlassenKnoten(n);
    if (!knoten || knoten->IstKlasse() || !klasse || !klasse->IstKlasse())
        return;
    const TRolle rolle = Rolle(*klasse->Klasse, knoten->Lehrer);
    const int bild = rolle == TRolle::Vorsitz ? Vorsitz : rolle == TRolle::Klassenleitung ? Klassenleitung : Lehrkraft;
    TV->BilderSetzen(knoten, bild, bild + 1);
}

void TFMain::ListViewAktualisieren()
{
    beimAktualisieren = true;
    LV->setUpdatesEnabled(false);
    LV->clearSelection();
    LV->setRowCount(0);
    LV->setRowCount(Lehrerliste->Count());
    int zeile = 0;
    for (TLehrer* l : *Lehrerliste) {
        ZeileSetzen(LV, zeile, l, {l->Kuerzel, l->Anrede, l->Name});
        if (l->DarfLeiten)
            LeitenZeigen(LV->item(zeile, 0));
        ++zeile;
    }
    LV->setCurrentItem(nullptr, QItemSelectionModel::Clear);
    LV->setUpdatesEnabled(true);
    beimAktualisieren = false;
    SchalterErlauben();
}

QList<TLehrer*> TFMain::AusgewaehlteLehrer() const
{
    QList<TLehrer*> lehrer;
    for (int zeile = 0; zeile < LV->rowCount(); ++zeile) {
        const QTableWidgetItem* item = LV->item(zeile, 0);
        if (item && item->isSelected())
            lehrer << Datensatz<TLehrer>(LV, zeile);
    }
    return lehrer;
}

TKnoten* TFMain::KlassenKnoten(QTreeWidgetItem* n) const
{
    if (!n)
        return nullptr;
    return Knoten(n->parent() ? n->parent() : n);
}

TKnoten* TFMain::sucheEinzelneKlasse() const
{
    const TKnoten* fokus = TV->FokusKnoten();
    if (!fokus)
        return Knoten(TV->topLevelItem(0));
    if (!fokus->IstKlasse())
        return Knoten(fokus->parent());
    for (int i = 0; i < TV->topLevelItemCount(); ++i)
        if (TV->topLevelItem(i)->isSelected())
            return Knoten(TV->topLevelItem(i));
    return nullptr;
}

TKnoten* TFMain::sucheEinzelnenLehrer(QTreeWidgetItem* n) const
{
    if (!n || n->childCount() == 0)
        return nullptr;
    for (int i = 0; i < n->childCount(); ++i)
        if (n->child(i)->isSelected())
            return Knoten(n->child(i));
    return Knoten(n->child(0));
}

bool TFMain::KlasseMitLehrkraft() const
{
    for (int i = 0; i < TV->topLevelItemCount(); ++i)
        if (TV->topLevelItem(i)->childCount() > 0)
            return true;
    return false;
}

void TFMain::SchalterErlauben()
{
    const TKnoten* fokus = TV->FokusKnoten();
    const int n = fokus ? static_cast<int>(TV->selectedItems().size()) : 0;
    klassenSchalter(n, fokus);
    lehrerSchalter(AusgewaehlteLehrer(), n);
}

void TFMain::klassenSchalter(int n, const TKnoten* fokus)
{
    const bool klassenAuswahl = fokus && fokus->IstKlasse();
    const bool lehrerAuswahl = fokus && !fokus->IstKlasse();
    const TKnoten* klasse = lehrerAuswahl ? Knoten(fokus->parent()) : nullptr;

    const bool eineKlasse = n == 1 || (n >= 2 && lehrerAuswahl);
    for (QAction* a : {Bearbeiten2, Bezeichn})
        a->setEnabled(eineKlasse);
    ElternBearbeiten->setEnabled(eineKlasse);

    Lschen1->setEnabled(n >= 1);
    if (n == 0)
        Lschen1->setText(QStringLiteral("&Löschen"));
    else if (klassenAuswahl)
        Lschen1->setText(n == 1 ? QStringLiteral("Klasse %1 &löschen (Entf)").arg(woertlich(fokus->Klasse->Bezeichnung))
                                : QStringLiteral("Klassen &löschen (Entf)"));
    else
        Lschen1->setText(n == 1 ? QStringLiteral("%1 aus %2 &löschen (Entf)")
                                      .arg(woertlich(fokus->Lehrer->Kuerzel), woertlich(klasse->Klasse->Bezeichnung))
                                : QStringLiteral("Lehrkräfte aus %1 &löschen (Entf)").arg(woertlich(klasse->Klasse->Bezeichnung)));

    B_Klassenlehrer->setEnabled(lehrerAuswahl && n == 1);
    if (klassenAuswahl) {
        B_Klassenlehrer->setText(QStringLiteral("Als Klassenle&itung kennzeichnen"));
    } else if (lehrerAuswahl) {
        const TKnoten* lehrer = sucheEinzelnenLehrer(fokus->parent());
        const TRolle rolle = lehrer ? Rolle(*klasse->Klasse, lehrer->Lehrer) : TRolle::Lehrkraft;
        QString text = QStringLiteral("Als Klassenle&itung kennzeichnen");
        if (rolle == TRolle::Vorsitz)
            text = QStringLiteral("Vors&itz aufheben");
        else if (rolle == TRolle::Klassenleitung && n == 1)
            text = QStringLiteral("Klassenle&itung aufheben");
        B_Klassenlehrer->setText(text);
    }

    B_Vorsitz->setEnabled(klassenAuswahl && n >= 1);
    BKonferenz->setEnabled(klassenAuswahl && n >= 1);
}

void TFMain::lehrerSchalter(const QList<TLehrer*>& zeilen, int n)
{
    const auto m = zeilen.size();
    Lschen2->setEnabled(m >= 1);
    if (m == 0)
        Lschen2->setText(QStringLiteral("&Löschen"));
    else if (m == 1)
        Lschen2->setText(QStringLiteral("%1 &löschen (Entf)").arg(woertlich(zeilen.constFirst()->Kuerzel)));
    else
        Lschen2->setText(QStringLiteral("Lehrkräfte &löschen (Entf)"));

    B_LehrerBearb->setEnabled(m == 1);
    Bearbeiten3->setEnabled(m == 1);

    const bool zuweisen = m >= 1 && n == 1;
    if (zuweisen)
        Zuweisen->setText(QStringLiteral("Lehrer der ") + woertlich(sucheEinzelneKlasse()->Klasse->Bezeichnung) +
                          QStringLiteral(" &zuweisen"));
    Zuweisen->setEnabled(zuweisen);
    Zuweisen->setVisible(zuweisen);
}

void TFMain::TVChange()
{
    if (!beimAktualisieren)
        SchalterErlauben();
}

void TFMain::TVClick()
{
    TVChange();
}

void TFMain::klassenKnotenBild(TKnoten* n)
{
    if (n->isExpanded())
        TV->BilderSetzen(n, KlasseOffen, KlasseOffenAusgewaehlt);
    else
        TV->BilderSetzen(n, KlasseZu, KlasseZuAusgewaehlt);
}

void TFMain::TVExpanded(QTreeWidgetItem* n)
{
    if (TKnoten* knoten = Knoten(n))
        klassenKnotenBild(knoten);
}

void TFMain::TVCollapsed(QTreeWidgetItem* n)
{
    TVExpanded(n);
}

void TFMain::LVChange()
{
    if (!beimAktualisieren)
        SchalterErlauben();
}

void TFMain::TBklaslehClick(QAction* Sender)
{
    AnsichtWechseln(Sender->data().toInt() - 4);
}

void TFMain::AnsichtWechseln(int modus)
{
    if (modus < 0 || modus > 2)
        return;
    // An exclusive group has already marked the clicked item; the other group follows here.
    ansichtMenue[static_cast<std::size_t>(modus)]->setChecked(true);
    ansichtKnoepfe[static_cast<std::size_t>(modus)]->setChecked(true);
    if (modus == displaymode)
        return;
    displaymode = modus;
    for (int i = 0; i < TV->topLevelItemCount(); ++i)
        if (TKnoten* knoten = Knoten(TV->topLevelItem(i)))
            knoten->setText(0, KnotenText(knoten->Klasse));
    TV->viewport()->repaint();
}
