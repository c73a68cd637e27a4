#include "editing/UElternAdd.h"

#include "app/UDialoge.h"
#include "editing/UAenderungen.h"
#include "editing/UDialogHilfen.h"
#include "planning/UVar.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

TFElternAdd::TFElternAdd(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFElternAdd"))
{
    setWindowTitle(QStringLiteral("Elternvertreter hinzufügen"));
    auto* spalte = new QVBoxLayout(this);
    EAnrede1 = FeldMitLabel(this, spalte, "EAnrede1", QStringLiteral("&Anrede"));
    EName1 = FeldMitLabel(this, spalte, "EName1", QStringLiteral("&Name"));
    EID1 = FeldMitLabel(this, spalte, "EID1", QStringLiteral("&ID"));
    AnredeErgaenzen(EAnrede1);
    EID1->installEventFilter(this);
    std::tie(Button1, Button2) =
        OkAbbrechenZeile(this, spalte, "Button1", QStringLiteral("&Ok"), QStringLiteral("A&bbrechen"));
    connect(Button1, &QPushButton::clicked, this, &TFElternAdd::Button1Click);
    setMinimumWidth(280);
}

void TFElternAdd::showEvent(QShowEvent* ereignis)
{
    EAnrede1->clear();
    EName1->clear();
    naechsteID();
    EAnrede1->setFocus();
    TDialogFenster::showEvent(ereignis);
}

bool TFElternAdd::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == EID1 && ereignis->type() == QEvent::MouseButtonPress)
        Dialoge().Meldung(this, QStringLiteral("Die ID wird automatisch vergeben.\n"
                                               "Nur dann, wenn ein Elternvertreter in 2 Klassen ist,\n"
                                               "können Sie die ID anpassen, damit diese Klassen\n"
                                               "nicht parallel gelegt werden."));
    return TDialogFenster::eventFilter(objekt, ereignis);
}

void TFElternAdd::naechsteID()
{
    EID1->setText(QString::number(NaechsteElternID(*Klassenliste)));
}

void TFElternAdd::Button1Click()
{
    const QString anrede = EAnrede1->text().trimmed();
    const QString name = EName1->text().trimmed();
    if (anrede.isEmpty() && name.isEmpty()) {
        reject();
        return;
    }
    if (name.isEmpty()) {
        if (focusWidget() == EAnrede1)
            EName1->setFocus();
        return;
    }
    const int id = ElternID(EID1->text());
    if (id < 0) {
        Dialoge().Meldung(this, QStringLiteral("Die ID ist ungültig."));
        return;
    }
    if (!k)
        return;
    ElternHinzufuegen(*k, anrede, name, id);
    emit Hinzugefuegt();
    EAnrede1->clear();
    EName1->clear();
    naechsteID();
    EAnrede1->setFocus();
}
