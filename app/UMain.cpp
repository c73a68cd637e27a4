#include "app/UMain.h"

TFMain::TFMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TFMain"));
    setWindowTitle(QStringLiteral("Simultano"));
    resize(887, 689);
}
