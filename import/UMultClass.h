#pragma once

#include "app/UDialogFenster.h"

// Its content comes with its own work; for now the window exists and can be reached.
class TFMultClass : public TDialogFenster
{
    Q_OBJECT

public:
    TFMultClass(IDialoge& dialoge, QWidget* besitzer);
};
