#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// The standard dialogs every window talks to the user through. The program uses the Qt
// dialogs (TQtDialoge); the tests answer them from a script.

// One file dialog. It lives as long as the window that owns it and keeps every property
// from one use to the next: a command sets what it needs, the rest stays as it was.
struct TDateiDialog
{
    QString Filter;             // "caption|patterns|caption|patterns", patterns joined by ';'
    int FilterIndex = 1;        // 1 = the first pair; the dialog leaves the chosen pair here
    QString Dateiname;          // preset name (may be empty); the chosen full path after OK
    QString Ordner;             // initial folder; empty = the platform's choice
    QString Standardendung;     // save: appended (with a dot) when the typed name has none
    QString Titel;              // empty = the dialog's own title
    bool UeberschreibenFragen = false; // save: ask before an existing file is replaced
};

enum class TKnopf { Ok, Abbrechen, Ja, Nein };
enum class TKnopfsatz { Ok, OkAbbrechen, JaNein, JaNeinAbbrechen };
enum class TSymbol { Keins, Information, Warnung, Fehler, Frage };

// A task dialog: caption, an emphasised main instruction, a text, an icon, an optional
// check box (unchecked at the start) and one of four button sets.
struct TAufgabe
{
    QString Fenstertitel;
    QString Hauptanweisung;
    QString Text;
    TSymbol Symbol = TSymbol::Information;
    QIcon EigenesSymbol;        // when not null it is shown instead of Symbol
    QString Kontrollkaestchen;  // empty: no check box
    TKnopfsatz Knoepfe = TKnopfsatz::Ok;
    TKnopf Vorgabe = TKnopf::Ok;
    QStringList Optionen;       // radio buttons below the text; empty: none
    int Option = 0;             // the radio button selected at the start
};

struct TAufgabeAntwort
{
    // Closing the dialog by its frame (or a dialog that cannot be shown) gives Abbrechen.
    TKnopf Knopf = TKnopf::Abbrechen;
    bool Angekreuzt = false;
    int Option = -1;            // the radio button selected at the end; -1 without radio buttons
};

class IDialoge
{
public:
    virtual ~IDialoge() = default;

    // True with d.Dateiname holding the chosen path; false when cancelled (d unchanged).
    virtual bool DateiOeffnen(QWidget* besitzer, TDateiDialog& d) = 0;
    // As DateiOeffnen; an existing file is only returned after the user agreed to replace
    // it when d.UeberschreibenFragen is set.
    virtual bool DateiSpeichern(QWidget* besitzer, TDateiDialog& d) = 0;
    // True with ordner holding the chosen folder; the dialog offers a new-folder button.
    virtual bool OrdnerWaehlen(QWidget* besitzer, const QString& titel, QString& ordner) = 0;
    // True when the user chose to print; the printer then holds the chosen settings.
    virtual bool Drucken(QWidget* besitzer, QPrinter* drucker) = 0;
    // A plain message with OK (input errors, notices).
    virtual void Meldung(QWidget* besitzer, const QString& text, const QString& titel = QString()) = 0;
    // The program's general error box, with the error icon and OK: a command failed
    // (a file that cannot be opened, read or created).
    virtual void Fehlermeldung(QWidget* besitzer, const QString& text) = 0;
    // Yes (true) or No (false); No is the default button.
    virtual bool Frage(QWidget* besitzer, const QString& titel, const QString& text, bool mitSymbol = true) = 0;
    virtual TAufgabeAntwort Aufgabe(QWidget* besitzer, const TAufgabe& aufgabe) = 0;
};

// Runs a write of the settings file; when it fails, its message is shown in the error box.
// Returns whether the write succeeded.
bool EinstellungSchreiben(IDialoge& dialoge, QWidget* besitzer, const std::function<void()>& schreiben);

// The dialogs of the running program.
std::unique_ptr<IDialoge> QtDialogeErzeugen();

// ---- helpers shared by the Qt dialogs and the test script

// "Konferenzplanung (*.spz)|*.spz|Alle Dateien (*.*)|*.*" as Qt filters:
// "Konferenzplanung (*.spz)", "Alle Dateien (*)". The caption's own pattern list in
// parentheses is replaced by the patterns of the pair.
QStringList QtFilter(const QString& filter);
// The file name with ".endung" appended when its last part has no extension.
QString MitStandardendung(const QString& dateiname, const QString& endung);
