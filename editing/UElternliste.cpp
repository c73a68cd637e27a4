#include "editing/UElternliste.h"

TFElternliste::TFElternliste(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFElternliste")) {}
