#pragma once

#include "app/UDialogFenster.h"

class QLineEdit;
class QPushButton;
class TKlasse;

// Adds parent representatives to a class one after another; proposes the next free ID.
// Closes on an empty confirmation or "Abbrechen".
class TFElternAdd : public TDialogFenster
{
    Q_OBJECT

public:
    TFElternAdd(IDialoge& dialoge, QWidget* besitzer);

    // The class the representatives are added to; bound by the list dialog before each show.
    TKlasse* k = nullptr;

    QLineEdit *EAnrede1 = nullptr, *EName1 = nullptr, *EID1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

    void Button1Click();

signals:
    // After each representative added to k.
    void Hinzugefuegt();

protected:
    void showEvent(QShowEvent* ereignis) override; // FormShow
    bool eventFilter(QObject* objekt, QEvent* ereignis) override; // EID1MouseDown

private:
    void naechsteID();
};
