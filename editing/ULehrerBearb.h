#pragma once

#include "app/UDialogFenster.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class TLehrer;
enum class TKuerzelFehler;

// Adds teachers one after another (stays open after each add, closes on an empty
// confirmation) or edits one teacher. Enter walks from the abbreviation to the salutation
// to the name before it confirms.
class TFLehrerBearb : public TDialogFenster
{
    Q_OBJECT

public:
    TFLehrerBearb(IDialoge& dialoge, QWidget* besitzer);

    // Set by the opening command: add teachers, or edit lehrer.
    bool neu = true;
    TLehrer* lehrer = nullptr;
    // After an edit: only the salutation changed.
    bool nurAnredeNeu = false;
    // The fields as they were when the dialog opened.
    QString k_alt, a_alt, n_alt;

    QLineEdit *E_Kuerzel = nullptr, *E_Anrede = nullptr, *E_Name = nullptr;
    QCheckBox* C_Leiten = nullptr; // "darf Konferenzen leiten"
    QPushButton *B_Ok = nullptr, *Button2 = nullptr;

    void B_OkClick();

signals:
    // After each teacher added: the teacher list has changed and is sorted anew.
    void LehrerHinzugefuegt();

protected:
    void showEvent(QShowEvent* ereignis) override; // FormShow

private:
    bool kuerzelAbgelehnt(TKuerzelFehler fehler);
    void hinzufuegen(const QString& k, const QString& a, const QString& n);
    void aendern(const QString& k, const QString& a, const QString& n);
};
