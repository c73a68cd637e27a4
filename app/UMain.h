#pragma once

#include "app/UDialoge.h"
#include "editing/UVerlauf.h"
#include "planning/UDatei.h"
#include "planning/UZusatz.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;
class QToolBar;
class QTreeWidgetItem;
class TFenster;
class TKlasse;
class TKlassenBaum;
class TKnoten;
class TLehrer;
class TLehrerliste;
class TKlassenliste;

// The program's one top-level window: the class tree with the teachers of every class on
// the left, the list of all teachers on the right, the menu, the tool bar and the buttons
// every command starts from. It owns the standard dialogs that all windows use.
class TFMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFMain(std::unique_ptr<IDialoge> dialoge, QWidget* parent = nullptr);
    ~TFMain() override;

    IDialoge& Dialoge() const { return *dialoge_; }
    // The other windows of the program; set once by TFenster when it created them.
    TFenster& Fenster() const;
    void FensterSetzen(TFenster* fenster) { fenster_ = fenster; }

    // ---- the views
    // Rebuilds the tree from Klassenliste: all classes collapsed, nothing selected.
    void TreeViewAktualisieren();
    // Rebuilds the teacher list from Lehrerliste: nothing selected.
    void ListViewAktualisieren();
    // Rebuilds the teacher nodes of a class node; nothing for a teacher node.
    void KnotenAktualisieren(QTreeWidgetItem* n);
    // The class node of a node: the node itself or its parent.
    TKnoten* KlassenKnoten(QTreeWidgetItem* n) const;
    // The node of the current class; with several class nodes selected the first of them,
    // with nothing selected the first class node; null for an empty tree.
    TKnoten* sucheEinzelneKlasse() const;
    // The first selected teacher node below the class node, or its first teacher node.
    TKnoten* sucheEinzelnenLehrer(QTreeWidgetItem* n) const;
    // Enables and captions the commands after the selection in the tree and the list.
    void SchalterErlauben();
    // The text of a class node in the current view mode.
    QString KnotenText(const TKlasse* k) const;
    // Image and selected image of a teacher node from the teacher's role in its class.
    void LehrerBild(QTreeWidgetItem* n);
    // True when at least one class has a teacher.
    bool KlasseMitLehrkraft() const;
    // The teachers of the selected list rows, in list order.
    QList<TLehrer*> AusgewaehlteLehrer() const;
    // The node of the class among the node and its following siblings; null when none.
    static TKnoten* KnotenSuchen(QTreeWidgetItem* knoten, const TKlasse* klasse);

    // View mode: 0 class leadership, 1 conference date, 2 conference chair.
    int Anzeigemodus() const { return displaymode; }
    void AnsichtWechseln(int modus);

    // ---- the file commands
    // Replaces the project on screen by these lists (an empty distribution) and shows them.
    void ProjektErsetzen(std::unique_ptr<TLehrerliste> lehrer, std::unique_ptr<TKlassenliste> klassen,
                         TProjektZusatz zusatz = TProjektZusatz());
    void Neu1Click();
    void Oeffnen1Click();
    // Opens the project file as "Öffnen ..." does after its dialog (also the file named on
    // the command line); false, after the error message, when the file cannot be read.
    bool ProjektOeffnen(const QString& datei);
    // "Speichern" (menu item or tool button) writes to the current file without a dialog;
    // "Speichern unter ..." always asks for the file.
    void Speichernunter1Click(QObject* Sender);
    void Beenden1Click();
    // The question about unsaved changes; true when the caller may go on.
    bool SpeichernFragen();
    // "Hilfe › Beispielschule öffnen": the sample school as an unnamed project; false, after
    // the error message, when it cannot be read.
    bool BeispielschuleOeffnen();
    // The sample school beside the program or in the data folder of an installed program;
    // empty when there is none.
    static QString BeispielschuleDatei();

    // ---- undo and redo (UMainVerlauf.cpp)
    // After a user action that may have changed the school data: a new undo step when it did.
    // Connected to every command of this window; other windows call it after their own changes.
    void SchrittFesthalten();
    void Rueckgaengig1Click();
    void Wiederholen1Click();
    // Title with the file name and the modified mark, and the undo commands enabled.
    void ZustandZeigen();
    // A message in the status bar after longer work ("30 Protokolltexte in ... geschrieben.").
    void Statusmeldung(const QString& text);
    // The folder file dialogs of a kind start in: the project's folder, else the folder last
    // used for that kind (key of section Data) while it exists, else the documents.
    QString Startordner(const QString& schluessel) const;
    // Remembers the folder of the file under the key of section Data when it changed.
    void OrdnerMerken(const QString& schluessel, const QString& datei);

    // ---- help and info
    void FormHelp();
    void Hilfe1Click();
    void Info1Click();

    // ---- commands that act on classes, teachers, the evaluation, imports and texts
    void Hinzufgen1Click(QObject* Sender);
    void B_LehrerHinzuClick(QObject* Sender);
    void Lschen1Click();
    void Lschen2Click();
    void TVKeyDown();
    void LVKeyDown();
    void LVDblClick();
    void ZuweisenClick();
    // Teachers dragged from the list onto a class: assigned as "Zuweisen" does.
    void LehrerAbgelegt(TKnoten* klassenKnoten);
    void B_KlassenlehrerClick();
    void B_VorsitzClick();
    void BKonferenzClick();
    void ElternBearbeitenClick();
    void TB_auswertClick();
    void VorsitzVerteilenClick();
    void ImportXMLClick();
    void ImportLehrerCSVClick();
    void TexteSpeichernClick();

    // The components, named as on the form (owned through Qt's parent chain).
    QToolBar* ToolBar1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QToolBar* ToolBar3 = nullptr;
    QAction *Neu1 = nullptr, *Oeffnen1 = nullptr, *Speichern1 = nullptr, *Speichernunter1 = nullptr;
    QAction *ImportXML = nullptr, *ImportLehrerCSV = nullptr, *TexteSpeichern = nullptr, *Beenden1 = nullptr;
    QAction *Hinzufgen1 = nullptr, *Bezeichn = nullptr, *Bearbeiten2 = nullptr, *Lschen1 = nullptr;
    QAction *Hinzufgen2 = nullptr, *Bearbeiten3 = nullptr, *Lschen2 = nullptr, *ImportCSV = nullptr;
    QAction* VorsitzVerteilen1 = nullptr; // Konferenz › Vorsitz verteilen
    QAction *Auswerten1 = nullptr, *Klassl1 = nullptr, *Kfdat1 = nullptr, *Konfvor1 = nullptr;
    QAction *Info1 = nullptr, *Hilfe1 = nullptr, *BeispielOeffnen1 = nullptr;
    QAction *Rueckgaengig1 = nullptr, *Wiederholen1 = nullptr;
    QMenu* Zuletzt1 = nullptr; // "Zuletzt geöffnet"
    QAction *TBnew = nullptr, *TBopen = nullptr, *TBsave = nullptr, *TBklasleh = nullptr;
    QAction *ToolButton2 = nullptr, *ToolButton8 = nullptr, *TB_auswert = nullptr, *ToolButton6 = nullptr;
    QAction* TBexit = nullptr;
    QLineEdit* Edit1 = nullptr;
    QWidget *Panel1 = nullptr, *Panel2 = nullptr;
    QLabel *Label1 = nullptr, *StaticText1 = nullptr, *Label2 = nullptr;
    TKlassenBaum* TV = nullptr;
    QTableWidget* LV = nullptr;
    QPushButton *B_KlasseHinzu = nullptr, *ElternBearbeiten = nullptr, *B_Klassenlehrer = nullptr;
    QPushButton *B_Vorsitz = nullptr, *BKonferenz = nullptr;
    QPushButton *B_LehrerHinzu = nullptr, *B_LehrerBearb = nullptr, *Zuweisen = nullptr;

    // The open and save dialogs of the window; they keep their settings between uses.
    TDateiDialog OD1;
    TDateiDialog SD1;

protected:
    void closeEvent(QCloseEvent* ereignis) override; // FormCloseQuery
    void changeEvent(QEvent* ereignis) override;     // FormActivate

private:
    // Reads the file and shows its project, unchanged; the project on screen stays, with a
    // message, when the file cannot be read.
    std::optional<TDateiStand> projektLaden(const QString& datei);
    // construction (UMain.cpp)
    void menueAufbauen();
    void werkzeugleisteAufbauen();
    void flaecheAufbauen();
    QWidget* klassenPanel();
    QWidget* lehrerPanel();
    void befehleVerbinden();
    void tastenEinrichten();
    QAction* aktion(const char* name, const QString& text, int bild = -1);
    QPushButton* knopf(QWidget* panel, const char* name, const QString& text);

    // tree and list events (UMainBaum.cpp)
    void TVChange();
    void TVClick();
    void TVExpanded(QTreeWidgetItem* n);
    void TVCollapsed(QTreeWidgetItem* n);
    void LVChange();
    void TBklaslehClick(QAction* Sender);
    void klassenKnotenBild(TKnoten* n);
    void klassenSchalter(int n, const TKnoten* fokus);
    void lehrerSchalter(const QList<TLehrer*>& zeilen, int n);
    void lehrerZuweisen(TKnoten* klassenKnoten, const QList<TLehrer*>& lehrer);

    // file commands (UMainDatei.cpp)
    bool speichern(bool mitDialog);
    // The open dialog OD1 with this filter, starting in the folder remembered under the key of
    // section Data while that folder exists, else in the documents.
    void oeffnenVorbereiten(const QString& filter, const QString& schluessel);
    void hilfeFehlerZeigen(const QString& fehler);

    // history and recent files (UMainVerlauf.cpp)
    void schritteVerbinden();
    // A new history for the project now on screen (opened, imported or new).
    void verlaufBeginnen(bool gespeichert);
    // The project of the state on screen, the view kept as far as it goes.
    void standZeigen(const QByteArray& stand);
    // Puts the file in front of "Zuletzt geöffnet"; melden: an unwritable settings file is reported.
    void zuletztMerken(const QString& datei, bool melden = true);
    void zuletztAnzeigen();
    void zuletztOeffnen(const QString& datei);

    std::unique_ptr<IDialoge> dialoge_;
    TVerlauf verlauf;
    TFenster* fenster_ = nullptr;
    int displaymode = 0;
    bool beimAktualisieren = false;
    std::array<QAction*, 3> ansichtMenue{};
    std::array<QAction*, 3> ansichtKnoepfe{};
};

// A folder as the status bar names it: "~/Konferenzen" inside the home folder.
QString OrdnerKurz(const QString& ordner);

// Filter of the project file dialogs.
extern const QString ProjektFilter;
