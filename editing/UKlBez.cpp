#include "editing/UKlBez.h"

#include "app/UDialoge.h"
#include "editing/UAenderungen.h"
#include "editing/UDialogHilfen.h"
#include "planning/UVar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

const QString schonDa = QStringLiteral("Aktion ungültig: Diese Klasse gibt es schon!");

} // namespace

TFKlBez::TFKlBez(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFKlBez"))
{
    auto* spalte = new QVBoxLayout(this);
    Edit1 = FeldMitLabel(this, spalte, "Edit1", QStringLiteral("&Klasse"), &Label1);
    Label1->setObjectName(QStringLiteral("Label1"));
    std::tie(Button1, Button2) =
        OkAbbrechenZeile(this, spalte, "Button1", QStringLiteral("&Ok"), QStringLiteral("&Abbrechen"));
    connect(Button1, &QPushButton::clicked, this, &TFKlBez::Button1Click);
    setMinimumWidth(260);
}

void TFKlBez::showEvent(QShowEvent* ereignis)
{
    if (neu) {
        Edit1->clear();
        setWindowTitle(QStringLiteral("Neue Klasse"));
    } else {
        Edit1->setText(klasse ? klasse->Bezeichnung : QString());
        setWindowTitle(QStringLiteral("Klassebezeichnung ändern"));
    }
    Edit1->selectAll();
    Edit1->setFocus();
    adjustSize();
    RechtsImBesitzerPlatzieren(this, 30);
    TDialogFenster::showEvent(ereignis);
}

void TFKlBez::Button1Click()
{
    const QString text = Edit1->text().trimmed();
    if (neu)
        hinzufuegen(text);
    else
        umbenennen(text);
}

void TFKlBez::hinzufuegen(const QString& text)
{
    if (text.isEmpty()) {
        reject();
        return;
    }
    if (!KlasseHinzufuegen(*Klassenliste, text)) {
        Dialoge().Meldung(this, schonDa);
        Edit1->setFocus();
        return;
    }
    emit KlasseHinzugefuegt();
    Edit1->clear();
    Edit1->setFocus();
}

void TFKlBez::umbenennen(const QString& text)
{
    if (text.isEmpty()) {
        Dialoge().Meldung(this, QStringLiteral("Die Klassenbezeichnung darf nicht leer sein."));
        return;
    }
    if (!klasse || !KlasseUmbenennen(*Klassenliste, *klasse, text)) {
        Dialoge().Meldung(this, schonDa);
        Edit1->setText(klasse ? klasse->Bezeichnung : QString());
        return;
    }
    accept();
}
