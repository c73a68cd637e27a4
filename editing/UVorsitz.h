#pragma once

#include "app/UDialogFenster.h"

#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TDatumsfeld;
class TKlasse;
class TLehrer;

// Conference chair or conference date of the selected classes. In chair mode the
// abbreviation is looked up while it is typed (lower case suffices for its first two
// letters); in date mode a date is typed or picked, or no date.
class TFVorsitz : public TDialogFenster
{
    Q_OBJECT

public:
    TFVorsitz(IDialoge& dialoge, QWidget* besitzer);

    // Set by the opening command: date mode (true) or chair mode, and the classes concerned.
    bool fKonf = false;
    QList<TKlasse*> klassen;
    // The teacher the abbreviation named last; the chair command resets it before each show.
    TLehrer* lehrer = nullptr;

    // The chosen date as a calendar day value; 0 when "Kein Datum" is ticked.
    double Datum() const;

    QListWidget* lb = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* ekLabel = nullptr;
    QLineEdit* ek = nullptr;
    QLabel* Label1 = nullptr;
    TDatumsfeld* dtp = nullptr;
    QCheckBox* KeinDatum = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

    void ekChange(const QString& t);
    // OK: in date mode only for a day that exists (or "Kein Datum").
    void Button1Click();

protected:
    void showEvent(QShowEvent* ereignis) override; // FormShow

private:
    void datumZeigen();
    void vorsitzZeigen();
    void ekErsetzen(const QString& text);
};
