#pragma once

#include "app/UDialogFenster.h"
#include "import/UCsvImport.h"

#include <QPoint>

#include <array>

class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;
class TVorschauModell;

// The teacher list import: shows a delimited text file as a table and lets the user drag
// its fields onto the three teacher fields (abbreviation, name, salutation). OK appends one
// teacher per record to the teacher list.
class TFImport : public TDialogFenster
{
    Q_OBJECT

public:
    // How the dialog was left; "Neu öffnen..." asks the command for another file.
    enum TErgebnis { Abbrechen = QDialog::Rejected, Ok = QDialog::Accepted, Wiederholen = 2 };

    TFImport(IDialoge& dialoge, QWidget* besitzer);
    ~TFImport() override;

    // Sets Filename, shows the dialog modally and returns a TErgebnis.
    int Importieren(const QString& dateiname);

    // Opening: resets the dialog and reads Filename. A file that cannot be read leaves the
    // lists empty; the message is returned (empty when the file was read).
    QString FormActivate();
    // Closing: the fields of the first line are released.
    void FormDeactivate();
    // "Feldbezeichnungen" / "den 1.Datensatz" chosen.
    void RadioGroup2Click();
    // Field list, panels and column captions from the assignment.
    void FelderAnzeigen();
    void OkBtnClick();

    // What is dragged: an entry of the field list or a panel (slot 0..2).
    struct TZiehquelle
    {
        int Eintrag = -1; // row in FelderLB
        int Slot = -1;    // panel
    };
    bool FelderLBDragOver(const TZiehquelle& quelle) const;
    void FelderLBDragDrop(const TZiehquelle& quelle);
    bool P0DragOver(int slot, const TZiehquelle& quelle) const;
    void P0DragDrop(int slot, const TZiehquelle& quelle);

    // ---- state of one opening
    QString Filename;
    TCsvListe Liste;               // Kopf holds the fields of the first line (EinDatenSatz)
    TWahl Wahl{-1, -1, -1};        // slot -> field of the first line, -1 for none
    int AuswahlIndex = 0;          // entry of FelderLB to select after the next refresh

    // ---- components
    QLabel *Label4 = nullptr, *Label1 = nullptr, *Label3 = nullptr, *Label5 = nullptr;
    QListWidget* FelderLB = nullptr;
    std::array<QLabel*, 3> L{};    // L0, L1, L2
    std::array<QLabel*, 3> P{};    // P0, P1, P2: the panels
    QGroupBox* RadioGroup2 = nullptr;
    QRadioButton *Feldbezeichnungen = nullptr, *ErsterDatensatz = nullptr;
    QTableView* lvDaten = nullptr;
    QPushButton *OpenBtn = nullptr, *CcBtn = nullptr, *OkBtn = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    QWidget* felderSeite();
    QWidget* lehrerSeite();
    QWidget* hinweisSeite();
    QWidget* vorschau();
    QLayout* knopfreihe();
    void anzahlZeigen();
    void spaltenbreitenSetzen();

    // dragging between the field list and the panels, inside this window
    void ziehenBeginnen(QObject* objekt, QPoint stelle);
    void ziehenVerfolgen(QPoint global);
    void ziehenAblegen(QPoint global);
    void ziehenBeenden();
    QWidget* zielUnter(QPoint global) const;
    bool annehmen(QWidget* ziel) const;
    int panelSlot(const QObject* objekt) const;

    TVorschauModell* modell = nullptr;
    struct TZiehen
    {
        TZiehquelle Quelle;
        QObject* Objekt = nullptr; // where the button was pressed; null: no drag pending
        QPoint Start;
        bool Aktiv = false;        // moved past the drag threshold
    } ziehen;
};
