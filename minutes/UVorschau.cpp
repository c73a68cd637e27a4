#include "minutes/UVorschau.h"

TFVorschau::TFVorschau(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFVorschau")) {}
