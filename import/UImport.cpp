#include "import/UImport.h"

TFImport::TFImport(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFImport")) {}
