#pragma once

#include "app/UDialogFenster.h"

// Its content comes with its own work; for now the window exists and can be reached.
class TFKlBez : public TDialogFenster
{
    Q_OBJECT

public:
    TFKlBez(IDialoge& dialoge, QWidget* besitzer);
};
