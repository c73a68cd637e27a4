#pragma once

#include "import/UImpFrage.h"
#include "import/UxmlImp.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TLehrer;

// The question of the XML import about a lesson that spans several classes: is its teacher
// to attend the conferences of all of them? The answer may hold for every further lesson of
// the subject, or for every further lesson of any subject.
class TFMultClass : public TImpFrageFenster
{
    Q_OBJECT

public:
    TFMultClass(IDialoge& dialoge, QWidget* besitzer);

    // Shows the question for the teacher le, the subject fa and the classes kl, centred on
    // the screen; "JA", "NEIN" or "Import hier abbrechen" and which of the boxes were ticked.
    TRueckfrage Fragen(const TLehrer& le, const QString& fa, const QStringList& kl);

    // What the question is about; set by Fragen, not changed by the window.
    const TLehrer* le = nullptr;
    QString fa;
    QStringList kl;

    QLabel *LabeledEdit1Label = nullptr, *LabeledEdit2Label = nullptr, *la = nullptr, *lab = nullptr, *L_immer = nullptr;
    QLineEdit *LabeledEdit1 = nullptr, *LabeledEdit2 = nullptr;
    QListWidget* libo = nullptr;
    QCheckBox* CheckBox1 = nullptr; // the answer holds for the subject
    QCheckBox* CheckBox2 = nullptr; // the answer holds for every subject
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;

private:
    void FormShow();
};
