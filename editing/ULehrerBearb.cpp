#include "editing/ULehrerBearb.h"

TFLehrerBearb::TFLehrerBearb(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFLehrerBearb")) {}
