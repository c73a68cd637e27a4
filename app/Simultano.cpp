#include "app/UMain.h"
#include "planning/UVar.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Simultano"));
    QApplication::setApplicationVersion(QStringLiteral(SIMULTANO_VERSION));
    PlanungsdatenStarten();
    int ergebnis = 0;
    {
        TFMain hauptfenster;
        hauptfenster.show();
        ergebnis = QApplication::exec();
    }
    PlanungsdatenBeenden();
    return ergebnis;
}
