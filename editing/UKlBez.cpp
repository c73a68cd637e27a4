#include "editing/UKlBez.h"

TFKlBez::TFKlBez(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFKlBez")) {}
