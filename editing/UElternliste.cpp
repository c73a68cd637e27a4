#include "editing/UElternliste.h"

#include "app/UBerichtsliste.h"
#include "editing/UAenderungen.h"
#include "editing/UDialogHilfen.h"
#include "editing/UElternAdd.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The list of representatives: whole rows, one at a time, no editing, no sorting.
QTableWidget* elternTabelle(QWidget* eltern)
{
    auto* lv = Benannt<QTableWidget>(eltern, "lv", 0, 3);
    const int breite = BerichtslisteEinrichten(
        lv, {QStringLiteral("Anrede"), QStringLiteral("Name"), QStringLiteral("ID")}, {60, 140, 40});
    lv->horizontalHeader()->setStretchLastSection(true);
    lv->setShowGrid(false);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setMinimumSize(breite + 24, 160);
    Feldfarbe(lv, Cremefarbe);
    return lv;
}

} // namespace

TFElternliste::TFElternliste(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFElternliste"))
{
    setWindowTitle(QStringLiteral("Elternvertreter"));
    Fensterfarbe(this, QColor(221, 204, 170));
    auto* spalte = new QVBoxLayout(this);
    LE_Klassenbez = FeldMitLabel(this, spalte, "LE_Klassenbez", QStringLiteral("Klassenbezeichnung"));
    LE_Klassenbez->setReadOnly(true);
    LE_Klassenbez->setFocusPolicy(Qt::ClickFocus);
    Feldfarbe(LE_Klassenbez, Cremefarbe);
    Label1 = Benannt<QLabel>(this, "Label1", QStringLiteral("E&lternvertreter"));
    spalte->addWidget(Label1);

    lv = elternTabelle(this);
    Label1->setBuddy(lv);
    auto* knoepfe = new QVBoxLayout;
    Button1 = Benannt<QPushButton>(this, "Button1", QStringLiteral("&Hinzufügen"));
    Button2 = Benannt<QPushButton>(this, "Button2", QStringLiteral("&Entfernen"));
    B_Ok = Benannt<QPushButton>(this, "B_Ok", QStringLiteral("&Schließen"));
    B_Ok->setDefault(true);
    Button2->setEnabled(false);
    for (QPushButton* k : {Button1, Button2})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    knoepfe->addWidget(B_Ok);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(lv, 1);
    zeile->addLayout(knoepfe);
    spalte->addLayout(zeile, 1);

    connect(lv, &QTableWidget::itemSelectionChanged, this, &TFElternliste::lvChange);
    connect(Button1, &QPushButton::clicked, this, &TFElternliste::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFElternliste::Button2Click);
    connect(B_Ok, &QPushButton::clicked, this, &TFElternliste::B_OkClick);
    lv->installEventFilter(this);
}

void TFElternliste::showEvent(QShowEvent* ereignis)
{
    geeand = false;
    LE_Klassenbez->setText(k ? k->Bezeichnung : QString());
    lv_aktualisieren();
    (k && !k->Elternvertreter.IsEmpty() ? B_Ok : Button1)->setFocus();
    adjustSize();
    RechtsImBesitzerPlatzieren(this, 30);
    TDialogFenster::showEvent(ereignis);
}

void TFElternliste::lv_aktualisieren()
{
    lv->setUpdatesEnabled(false);
    lv->clearSelection();
    lv->setRowCount(0);
    if (k) {
        lv->setRowCount(k->Elternvertreter.Count());
        int zeile = 0;
        for (TEltern* e : k->Elternvertreter)
            ZeileSetzen(lv, zeile++, e, {e->Anrede, e->Name, e->ID});
    }
    lv->setCurrentItem(nullptr, QItemSelectionModel::Clear);
    lv->setUpdatesEnabled(true);
    lvChange();
}

void TFElternliste::lvChange()
{
    Button2->setEnabled(lv->selectionModel()->selectedRows().size() == 1);
}

bool TFElternliste::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == lv && ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Delete)
        return lvKeyDown();
    return TDialogFenster::eventFilter(objekt, ereignis);
}

bool TFElternliste::lvKeyDown()
{
    if (lv->selectionModel()->selectedRows().size() != 1)
        return false;
    Button2Click();
    return true; // the key is used up
}

void TFElternliste::Button2Click()
{
    const QModelIndexList zeilen = lv->selectionModel()->selectedRows();
    if (zeilen.size() != 1 || !k)
        return;
    if (!ElternEntfernen(*k, Datensatz<const TEltern>(lv, zeilen.constFirst().row())))
        return;
    geeand = true;
    lv_aktualisieren();
}

void TFElternliste::ElternAddSetzen(TFElternAdd* dialog)
{
    elternAdd = dialog;
    connect(elternAdd, &TFElternAdd::Hinzugefuegt, this, &TFElternliste::hinzugefuegt);
}

void TFElternliste::Button1Click()
{
    if (!elternAdd)
        return;
    elternAdd->k = k;
    elternAdd->exec();
    B_Ok->setFocus();
}

void TFElternliste::hinzugefuegt()
{
    geeand = true;
    lv_aktualisieren();
}

void TFElternliste::B_OkClick()
{
    if (geeand)
        accept();
    else
        reject();
}
