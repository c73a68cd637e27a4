#pragma once

#include "app/UDialogFenster.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TKlasse;

// Adds classes one after another (stays open after each add, closes on an empty
// confirmation) or gives the current class a new designation.
class TFKlBez : public TDialogFenster
{
    Q_OBJECT

public:
    TFKlBez(IDialoge& dialoge, QWidget* besitzer);

    // Set by the opening command: add classes, or rename klasse.
    bool neu = true;
    TKlasse* klasse = nullptr;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void Button1Click();

signals:
    // After each class added: the class list has changed and is sorted anew.
    void KlasseHinzugefuegt();

protected:
    void showEvent(QShowEvent* ereignis) override; // FormShow

private:
    void hinzufuegen(const QString& text);
    void umbenennen(const QString& text);
};
