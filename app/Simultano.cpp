#include "app/UFenster.h"
#include "app/UHilfe.h"
#include "app/UMain.h"
#include "app/UStart.h"
#include "planning/UVar.h"

#include <QApplication>
#include <QCommandLineParser>
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

// "Simultano [Datei]": the project file to open at the start, from the command line or from
// a file manager; empty without one. --help and --version end the program here.
QString StartdateiLesen(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simultano plant die Zeugniskonferenzen einer Schule."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("datei"), QStringLiteral("Projektdatei (*.spz), die geöffnet wird."),
                                 QStringLiteral("[datei]"));
    parser.process(app);
    const QStringList dateien = parser.positionalArguments();
    return dateien.isEmpty() ? QString() : Startdatei(dateien.constFirst());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Simultano"));
    QApplication::setApplicationVersion(QStringLiteral(SIMULTANO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(SIMULTANO_PROGRAMM_ID));
    QTranslator qtTexte;
    QtTexteDeutsch(qtTexte);
    const QString startdatei = StartdateiLesen(app);
    // The planning state and the settings exist before any window.
    PlanungsdatenStarten();
    int ergebnis = 0;
    {
        TFenster fenster(QtDialogeErzeugen());
        fenster.Main->show();
        if (!startdatei.isEmpty())
            fenster.Main->ProjektOeffnen(startdatei);
        ergebnis = QApplication::exec();
    }
    THilfe::AlleSchliessen();
    PlanungsdatenBeenden();
    return ergebnis;
}
