#include "app/UDialogFenster.h"

TDialogFenster::TDialogFenster(IDialoge& dialoge, QWidget* besitzer, const QString& name)
    : QDialog(besitzer), dialoge_(dialoge)
{
    setObjectName(name);
    setModal(true);
}
