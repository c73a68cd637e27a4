#include "editing/ULehrerBearb.h"

#include "app/UDialoge.h"
#include "editing/UAenderungen.h"
#include "editing/UDialogHilfen.h"
#include "planning/UVar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

TFLehrerBearb::TFLehrerBearb(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFLehrerBearb"))
{
    auto* spalte = new QVBoxLayout(this);
    E_Kuerzel = FeldMitLabel(this, spalte, "E_Kuerzel", QStringLiteral("&Kürzel"));
    E_Anrede = FeldMitLabel(this, spalte, "E_Anrede", QStringLiteral("&Anrede"));
    E_Name = FeldMitLabel(this, spalte, "E_Name", QStringLiteral("&Name"));
    AnredeErgaenzen(E_Anrede);
    C_Leiten = new QCheckBox(QStringLiteral("darf Konferenzen &leiten"), this);
    C_Leiten->setObjectName(QStringLiteral("C_Leiten"));
    spalte->addWidget(C_Leiten);
    std::tie(B_Ok, Button2) = OkAbbrechenZeile(this, spalte, "B_Ok", QStringLiteral("&Ok"),
                                               QStringLiteral("A&bbrechen"));
    connect(B_Ok, &QPushButton::clicked, this, &TFLehrerBearb::B_OkClick);
    setMinimumWidth(280);
}

void TFLehrerBearb::showEvent(QShowEvent* ereignis)
{
    nurAnredeNeu = false;
    if (neu || !lehrer) {
        setWindowTitle(QStringLiteral("Lehrer hinzufügen"));
        Fensterfarbe(this, QColor(170, 221, 204));
        for (QLineEdit* feld : {E_Kuerzel, E_Anrede, E_Name})
            feld->clear();
        C_Leiten->setChecked(false);
        E_Kuerzel->setFocus();
    } else {
        setWindowTitle(QStringLiteral("Lehrer bearbeiten"));
        Fensterfarbe(this, QColor(170, 204, 255));
        E_Kuerzel->setText(lehrer->Kuerzel);
        E_Anrede->setText(lehrer->Anrede);
        E_Name->setText(lehrer->Name);
        C_Leiten->setChecked(lehrer->DarfLeiten);
        (lehrer->Anrede.isEmpty() ? E_Anrede : E_Kuerzel)->setFocus();
    }
    k_alt = E_Kuerzel->text();
    a_alt = E_Anrede->text();
    n_alt = E_Name->text();
    adjustSize();
    NebenBesitzerPlatzieren(this, 40, 30);
    TDialogFenster::showEvent(ereignis);
}

void TFLehrerBearb::B_OkClick()
{
    const QString k = E_Kuerzel->text().trimmed();
    const QString a = E_Anrede->text().trimmed();
    const QString n = E_Name->text().trimmed();
    if (k.isEmpty() && a.isEmpty() && n.isEmpty()) {
        reject();
        return;
    }
    // Enter walks through the fields before it confirms
    const QWidget* fokus = focusWidget();
    if (fokus == E_Kuerzel) {
        E_Anrede->setFocus();
        return;
    }
    if (fokus == E_Anrede) {
        E_Name->setFocus();
        return;
    }
    if (fokus == E_Name && n.isEmpty())
        return;
    if (k.isEmpty() || a.isEmpty() || n.isEmpty()) {
        Dialoge().Meldung(this, QStringLiteral("Die Eingaben sind unvollständig."));
        return;
    }
    if (neu)
        hinzufuegen(k, a, n);
    else
        aendern(k, a, n);
}

bool TFLehrerBearb::kuerzelAbgelehnt(TKuerzelFehler fehler)
{
    switch (fehler) {
    case TKuerzelFehler::Keiner:
        return false;
    case TKuerzelFehler::Vergeben:
        Dialoge().Meldung(this, QStringLiteral("Aktion ungültig: Dieses Kürzel gibt es schon!"));
        break;
    case TKuerzelFehler::MitSchraegstrich:
        Dialoge().Meldung(this, QStringLiteral("Aktion ungültig: Ein Kürzel darf keinen Schrägstrich (/) enthalten."));
        break;
    }
    E_Kuerzel->setFocus();
    return true;
}

void TFLehrerBearb::hinzufuegen(const QString& k, const QString& a, const QString& n)
{
    if (kuerzelAbgelehnt(LehrerHinzufuegen(*Lehrerliste, k, a, n)))
        return;
    if (TLehrer* hinzu = Lehrerliste->Suche(k))
        LeitenSetzen(*hinzu, C_Leiten->isChecked());
    emit LehrerHinzugefuegt();
    for (QLineEdit* feld : {E_Kuerzel, E_Anrede, E_Name})
        feld->clear();
    C_Leiten->setChecked(false);
    E_Kuerzel->setFocus();
}

void TFLehrerBearb::aendern(const QString& k, const QString& a, const QString& n)
{
    if (!lehrer || kuerzelAbgelehnt(LehrerAendern(*Lehrerliste, *lehrer, k, a, n)))
        return;
    const bool leitenNeu = lehrer->DarfLeiten != C_Leiten->isChecked();
    LeitenSetzen(*lehrer, C_Leiten->isChecked());
    nurAnredeNeu = k == k_alt && n == n_alt && a != a_alt && !leitenNeu;
    accept();
}
