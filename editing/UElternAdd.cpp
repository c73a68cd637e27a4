#include "editing/UElternAdd.h"

TFElternAdd::TFElternAdd(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFElternAdd")) {}
