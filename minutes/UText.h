#pragma once

#include "app/UDialogFenster.h"
#include "distribution/UZeitplan.h"

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct TTexteErgebnis;

// The status bar's word after the texts were written: "30 Protokolltexte in ~/Konferenzen geschrieben."
QString TexteMeldung(const TTexteErgebnis& ergebnis, const QString& ordner);

// The timetable of the plan kept in the open project: "<Beginn>" and "<Raum>" of the texts
// and of the preview.
std::optional<TZeitplan> ProjektZeitplan();

// Saves the minutes texts of all or some classes, one RTF file per class, into a folder.
class TFText : public TDialogFenster
{
    Q_OBJECT

public:
    TFText(IDialoge& dialoge, QWidget* besitzer);

    // Opens the window modally for the template the preview uses (empty: the built-in one)
    // and the m/w choice it shows, so that the texts saved are the texts shown.
    void Ausfuehren(const QString& vorlageDatei, bool mf);

    // ---- handlers
    void FormShow();
    void lbClick();
    void BPfadClick();
    void BokClick();

    QString VorlageDatei;
    bool MF; // gendered designations by salutation: the preview's choice, MFnutzen at the start

    // ---- components
    QLabel *Label12 = nullptr, *Label11 = nullptr, *Label4 = nullptr, *Label1 = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label5 = nullptr, *Label7 = nullptr;
    QListWidget* lb = nullptr;
    QLineEdit *EKlasse = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *MPfad = nullptr;
    QPushButton *BPfad = nullptr, *Bok = nullptr, *Bcanc = nullptr;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void aufbauen();
    // OK needs a chosen class and a folder.
    void bokSetzen();
};
