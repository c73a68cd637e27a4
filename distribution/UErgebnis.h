#pragma once

#include "app/UDialoge.h"
#include "app/UDialogFenster.h"
#include "distribution/UErgebnisText.h"
#include "distribution/USuche.h"
#include "distribution/UZeitplan.h"
#include "distribution/UVorsitzVerteilen.h"

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QSpinBox;
class TErgebnisRaster;
class TFZeitplanDialog;
class TOptimierung;

// The one-second beat that counts down the optimisation loop. The window uses a Qt timer;
// the tests tick by hand.
class TTakt
{
public:
    virtual ~TTakt() = default;
    virtual void Starten() = 0;     // a tick once a second from now on
    virtual void Anhalten() = 0;
    virtual bool Laeuft() const = 0;
    std::function<void()> BeiTick;
};

std::unique_ptr<TTakt> SekundenTakt();

// "Mögliche Kombinationen": the plan of the last search as a table, one row per time slot,
// one column per parallel conference. From here the user searches again, lets the
// optimisation loop run for some seconds, rearranges the table by hand and saves or
// prints it. The table as shown is what the file and the printout get.
class TFErgebnis : public TDialogFenster
{
    Q_OBJECT

public:
    TFErgebnis(IDialoge& dialoge, QWidget* besitzer);
    ~TFErgebnis() override;

    // The evaluation after the main window's checks: one search with the current limit,
    // "Start" shown only when two classes share a time slot, then the window, modal.
    void Auswerten();

    // Which people besides the teachers make two classes conflict (the two boxes).
    TKonfliktArten Konfliktarten() const;
    // The table as shown, manual moves included: the source of the file and the printout.
    TErgebnisTabelle Tabelle() const;
    // True while one of the two loops runs.
    bool SchleifeLaeuft() const { return laeuft; }
    void TaktSetzen(std::unique_ptr<TTakt> takt);
    // The printer of the print command; it keeps the user's choices between uses.
    QPrinter& Drucker();
    // Adds a group box, label or button to the side panel, below what is there (above the
    // output buttons); the panel scrolls when the window is too low for all of it.
    void SeiteHinzufuegen(QWidget* teil);

    // The components, named as on the form (owned through Qt's parent chain).
    TErgebnisRaster* StringGrid1 = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label5 = nullptr;
    QLabel* LUntergrenze = nullptr;  // the lower bound of the time slots
    QSpinBox* Edit1 = nullptr;       // limit of parallel conferences
    QSpinBox* Edit2 = nullptr;       // seconds of the optimisation loop
    QCheckBox *C1 = nullptr, *C2 = nullptr;
    QCheckBox* CVorsitz = nullptr;   // chairs make classes conflict
    QCheckBox* CEltern = nullptr;    // shared parent representatives make classes conflict
    QCheckBox* CVorsitzVerteilen = nullptr; // "Vorsitz verteilen": the plan gives every class a chair
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr;
    QPushButton* Button6 = nullptr; // "Ausgaben …"
    QScrollArea* Seitenleiste = nullptr; // the side panel of all controls but "Schließen"

    // The save dialog of the export; it keeps its settings between uses.
    TDateiDialog sd1;

    // ---- handlers
    void Button1Click();  // search again; with C1 until the result is not worse
    void Button2Click();  // close, or cancel the running loop
    void Button3Click();  // the optimisation loop
    void Button4Click();  // save as text
    void Button5Click();  // print
    void Button6Click();  // the outputs of the plan's timetable (TFAusgaben)
    void Timer1Timer();
    void FormHelp();

    // ---- the timetable of the plan shown (UErgebnisZeitplan.cpp)
    QGroupBox* GroupBoxZeitplan = nullptr;
    QPushButton* BZeitplan = nullptr;     // the settings dialog
    QPushButton* BReihenfolge = nullptr;  // order the rows for little waiting
    QPushButton* BTermine = nullptr;      // the days into the classes' conference dates
    QCheckBox* CUhrzeiten = nullptr;      // file and printout with day, times and rooms
    QLabel* LWartezeit = nullptr;         // the waiting figures
    QLabel* LNichtUntergebracht = nullptr; // the classes the days have no room for
    TFZeitplanDialog* Zeitplandialog = nullptr;

    // The rows as shown, manual moves included; a cell that names no class is null.
    TPlanZeilen PlanZeilen() const;
    // The timetable of those rows, as the headers and figures show it.
    const TZeitplan& Zeitplan() const { return zeitplan; }
    // The table of the file and the printout: with "mit Uhrzeiten und Räumen" the day,
    // times and rooms are added.
    TErgebnisTabelle Ausgabetabelle() const;
    void BZeitplanClick();
    void BReihenfolgeClick();
    void BTermineClick();

public slots:
    void reject() override; // Esc presses Button2

protected:
    void showEvent(QShowEvent* ereignis) override;   // FormShow
    void changeEvent(QEvent* ereignis) override;     // FormActivate, FormDeactivate
    void closeEvent(QCloseEvent* ereignis) override; // FormCloseQuery

private:
    // construction (UErgebnis.cpp)
    QWidget* einstellungenAufbauen();
    QWidget* sucheAufbauen();
    QWidget* optimierungAufbauen();
    void kaestchenMerken(QCheckBox* kaestchen, const QString& schluessel);
    void groesseSetzen();
    // The width the side panel needs without scrolling sideways, and its height unscrolled.
    QSize SeitenleisteGroesse() const;

    // the plan and the loops (UErgebnisSchleife.cpp)
    void ErgebnisAnzeigen();
    void SucheBeenden();
    void schleifeBeginnen();
    void schleifeGeendet();
    void schalterFreigeben(bool frei);
    void schleifeMitC1();
    void untergrenzeZeigen();

    // the timetable (UErgebnisZeitplan.cpp)
    QWidget* zeitplanAufbauen();
    void planZeigen(const TPlanZeilen& zeilen);
    void zeitplanZeigen();
    void planMerken();
    bool gehaltenenPlanNehmen();
    void reihenfolgeOrdnen();
    void wenigWartenZeigen(TOptimierung& optimierung, bool spalten);
    void grenzeAnRaeumeAnpassen();
    void zeitplanFreigeben(bool frei);
    TZeitplanEinstellungen einstellungen() const;
    QStringList raeume() const;

    TZeitplan zeitplan;
    bool gehaltenZeigen = false; // the evaluation shows the plan kept in the project
    bool neuGezeigt = false;     // a loop has shown a new plan
    std::optional<TGehaltenerPlan> eigenerPlan; // the plan this window last kept in the project
    // "Vorsitz verteilen" (UErgebnisVorsitz.cpp)
    QCheckBox* vorsitzKaestchenAufbauen(QWidget* eltern);
    bool vorsitzVorbereiten();
    void vorsitzZuteilen();
    QString vorsitzSchranke(int& zeilen) const;
    std::optional<TVorsitzEinstellung> vorsitzEinstellung; // while the box is ticked, from the marks
    QList<QPair<TKlasse*, TLehrer*>> gegebeneVorsitze;     // the chairs this window gave

    QVBoxLayout* seite = nullptr;
    int ColZahl = 1;
    qint16 Merker = 0;
    bool stoppen = true;
    bool laeuft = false;
    bool optimiert = false; // an optimisation loop has run since the program started
    bool groesseGesetzt = false;
    std::unique_ptr<TTakt> Timer1;
    std::unique_ptr<QPrinter> PrintDialog1;

    // the lower bound of the plan shown, computed once per evaluation and set of rules
    struct TUntergrenze
    {
        int Grenze;
        TKonfliktArten Arten;
        int Zeilen;
    };
    std::optional<TUntergrenze> untergrenze;
};
