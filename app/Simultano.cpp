#include "app/UFenster.h"
#include "app/UHilfe.h"
#include "app/UMain.h"
#include "planning/UVar.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own dialogs (file dialogs, the buttons of message boxes) speak German as well.
void QtTexteDeutsch(QTranslator& uebersetzer)
{
    if (uebersetzer.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&uebersetzer);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Simultano"));
    QApplication::setApplicationVersion(QStringLiteral(SIMULTANO_VERSION));
    QTranslator qtTexte;
    QtTexteDeutsch(qtTexte);
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
