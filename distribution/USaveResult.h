#pragma once

#include "app/UDialogFenster.h"

// Its content comes with its own work; for now the window exists and can be reached.
class TFSaveResult : public TDialogFenster
{
    Q_OBJECT

public:
    TFSaveResult(IDialoge& dialoge, QWidget* besitzer);
};
