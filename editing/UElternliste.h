#pragma once

#include "app/UDialogFenster.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TFElternAdd;
class TKlasse;

// The parent representatives of one class: shown, removed, and added through TFElternAdd.
// Every change takes effect at once; the dialog closes with OK when the list was changed.
class TFElternliste : public TDialogFenster
{
    Q_OBJECT

public:
    TFElternliste(IDialoge& dialoge, QWidget* besitzer);

    // Bound by the opening command before each show: the class.
    TKlasse* k = nullptr;
    // The list was changed while the dialog was open.
    bool geeand = false;

    QLineEdit* LE_Klassenbez = nullptr;
    QLabel* Label1 = nullptr;
    QTableWidget* lv = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *B_Ok = nullptr;

    // The dialog that adds a representative, bound once when the windows are created.
    void ElternAddSetzen(TFElternAdd* dialog);

    void lv_aktualisieren();
    void lvChange();
    // Del in the list: removes the selected representative; true when it did.
    bool lvKeyDown();
    void Button1Click();
    void Button2Click();
    void B_OkClick();

protected:
    void showEvent(QShowEvent* ereignis) override; // FormShow
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void hinzugefuegt();

    TFElternAdd* elternAdd = nullptr;
};
