#include "import/UImpStufenwahl.h"

TFImpStufenwahl::TFImpStufenwahl(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFImpStufenwahl")) {}
