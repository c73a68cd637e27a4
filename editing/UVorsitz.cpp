#include "editing/UVorsitz.h"

TFVorsitz::TFVorsitz(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFVorsitz")) {}
