#pragma once

#include "import/UImpFrage.h"
#include "import/UxmlImp.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// The grade-range question of the XML import, asked once after the teachers were read: the
// first and the last grade level whose classes are imported.
class TFImpStufenwahl : public TImpFrageFenster
{
    Q_OBJECT

public:
    TFImpStufenwahl(IDialoge& dialoge, QWidget* besitzer);

    // Shows the question with the range offered for the school type; the chosen grade
    // levels, or none for "Import abbrechen".
    std::optional<TStufen> Fragen(bool IstGymnasium);

    QLabel *Label4 = nullptr, *Label1 = nullptr, *Label5 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

private:
    void FormShow(bool IstGymnasium);
};
