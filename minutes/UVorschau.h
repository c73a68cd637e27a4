#pragma once

#include "app/UDialoge.h"
#include "app/UDialogFenster.h"
#include "minutes/UProtokoll.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class TEditorHinweis;
class TFText;
class TKlasse;
struct TEditor;

// The preview of the minutes texts: pick a class and see its text, switch the gendered
// designations, copy the text, change the template and go on to saving the texts.
class TFVorschau : public TDialogFenster
{
    Q_OBJECT

public:
    TFVorschau(IDialoge& dialoge, QWidget* besitzer);

    // Opens the window modally; its save button leads to textFenster.
    void Ausfuehren(TFText& textFenster);

    // ---- handlers
    void FormShow();
    void ListBox1Click();
    void cbMFClick();
    void BCloseClick();
    void BStandardClick();
    void BVorlOeffnClick();
    void BVorlBearbClick();
    void BClipboardcopyClick();
    void BTextSpeichClick();
    void FormHelp();
    // Shows the text of aktuelleKlasse.
    void fuelleRE();

    // The folder where the built-in template is saved for editing (the user's data folder).
    static QString Vorlagenordner();
    // The note shown while the template is edited; null before the first edit.
    TEditorHinweis* EditorHinweis() const;

    // ---- components
    QPlainTextEdit* Memo1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QTextEdit* re = nullptr;
    QCheckBox* cbMF = nullptr;
    QPushButton *BVorlBearb = nullptr, *BVorlOeffn = nullptr, *BStandard = nullptr;
    QPushButton *BClipboardcopy = nullptr, *BTextSpeich = nullptr, *BClose = nullptr;

    // ---- state
    bool tmpMF = true;
    TKlasse* aktuelleKlasse = nullptr;
    QString VorlageDatei; // full path of the user template; empty: the built-in one
    TVorlage Vorlage;     // the template of the last generation
    QByteArray Text;      // the RTF shown

protected:
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void aufbauen();
    void TextKopieren();
    void vorlageBearbeiten(const TEditor& editor);
    bool editorHinweis(const TEditor& editor);
    void editorStarten(const TEditor& editor);

    TFText* textFenster = nullptr;
    TEditorHinweis* editorHinweis_ = nullptr;
    TDateiDialog OD;
    TDateiDialog SD;
};
