#pragma once

#include "app/UDialogFenster.h"

class QLabel;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Ergebnis speichern": explains the text file and asks for its separator, comma or tab.
// The choice is kept between uses.
class TFSaveResult : public TDialogFenster
{
    Q_OBJECT

public:
    TFSaveResult(IDialoge& dialoge, QWidget* besitzer);

    // Shows the question; true when the user chose "Speichern ...".
    bool Fragen();
    bool Tabulator() const;

    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton *Komma = nullptr, *Tab = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void FormCreate();
};
