#include "distribution/USaveResult.h"

TFSaveResult::TFSaveResult(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFSaveResult")) {}
