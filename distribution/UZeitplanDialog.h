#pragma once

#include "app/UDialogFenster.h"
#include "planning/UZusatz.h"

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Zeitplan": the settings of the conference afternoon of the project — the conference days
// with their time frames, the length of a conference and the lengths of chosen classes or
// grade levels, the changeover between two time slots and the rooms.
class TFZeitplanDialog : public TDialogFenster
{
    Q_OBJECT

public:
    TFZeitplanDialog(IDialoge& dialoge, QWidget* besitzer);

    // Shows the project's settings (else the defaults, with the rooms of the limit grenze)
    // and, on "OK" with changed settings, writes them into the project and sets Geaendert.
    // True when the settings changed.
    bool Bearbeiten(int grenze);

    // Shows the settings in the controls; the rooms shown are those of the limit grenze
    // when none are named.
    void Zeigen(const TZeitplanEinstellungen& einstellungen, int grenze);
    // The settings as the controls hold them, or an error text for the user.
    std::optional<TZeitplanEinstellungen> Einstellungen(QString& fehler) const;

    QTableWidget* Tage = nullptr;         // date, start, latest end
    QPushButton *TagHinzu = nullptr, *TagWeg = nullptr;
    QSpinBox* Dauer = nullptr;
    QSpinBox* Wechsel = nullptr;
    QTableWidget* Sonderdauern = nullptr; // classes or grade level, minutes
    QPushButton *DauerHinzu = nullptr, *DauerWeg = nullptr;
    QPlainTextEdit* Raeume = nullptr;     // one room a line
    QLabel* LRaeume = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

    void TagHinzuClick();
    void TagWegClick();
    void DauerHinzuClick();
    void DauerWegClick();

public slots:
    void accept() override; // checks the entries first

private:
    QWidget* tageAufbauen();
    QWidget* dauernAufbauen();
    QWidget* raeumeAufbauen();
    void tagAnfuegen(const TKonferenztag& tag);
    void sonderdauerAnfuegen(const TSonderdauer& dauer);
    void knoepfeFreigeben();

    int grenze = 4;
    QStringList vorgabeRaeume; // the rooms shown when the project names none
};
