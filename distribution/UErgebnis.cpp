#include "distribution/UErgebnis.h"

TFErgebnis::TFErgebnis(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFErgebnis")) {}
