#pragma once

#include "app/UDialogFenster.h"

// Its content comes with its own work; for now the window exists and can be reached.
class TFLehrerBearb : public TDialogFenster
{
    Q_OBJECT

public:
    TFLehrerBearb(IDialoge& dialoge, QWidget* besitzer);
};
