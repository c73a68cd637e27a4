#include "import/UMultClass.h"

TFMultClass::TFMultClass(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFMultClass")) {}
