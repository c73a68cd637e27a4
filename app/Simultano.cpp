#include "app/UFenster.h"
#include "app/UHilfe.h"
#include "app/UMain.h"
#include "planning/UVar.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Simultano"));
    QApplication::setApplicationVersion(QStringLiteral(SIMULTANO_VERSION));
    // The planning state and the settings exist before any window.
    PlanungsdatenStarten();
    int ergebnis = 0;
    {
        TFenster fenster(QtDialogeErzeugen());
        fenster.Main->show();
        ergebnis = QApplication::exec();
    }
    THilfe::AlleSchliessen();
    PlanungsdatenBeenden();
    return ergebnis;
}
