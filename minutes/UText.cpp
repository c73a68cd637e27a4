#include "minutes/UText.h"

TFText::TFText(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFText")) {}
