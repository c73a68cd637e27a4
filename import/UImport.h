#pragma once

#include "app/UDialogFenster.h"

// Its content comes with its own work; for now the window exists and can be reached.
class TFImport : public TDialogFenster
{
    Q_OBJECT

public:
    TFImport(IDialoge& dialoge, QWidget* besitzer);
};
