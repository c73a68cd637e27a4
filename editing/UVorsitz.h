#pragma once

#include "app/UDialogFenster.h"

// Its content comes with its own work; for now the window exists and can be reached.
class TFVorsitz : public TDialogFenster
{
    Q_OBJECT

public:
    TFVorsitz(IDialoge& dialoge, QWidget* besitzer);
};
