#include "app/UFenster.h"
#include "app/UHilfe.h"
#include "app/UMain.h"
#include "app/UStart.h"
#include "planning/UIni.h"
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

struct TStart
{
    QString Datei;          // the project file to open
    bool Beispiel = false;  // --beispiel: the sample school as an unnamed project
};

// "Simultano [--beispiel] [Datei]": the project file to open at the start, from the command
// line or from a file manager; empty without one. --help and --version end the program here.
TStart StartLesen(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simultano plant die Zeugniskonferenzen einer Schule."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("datei"), QStringLiteral("Projektdatei (*.spz), die geöffnet wird."),
                                 QStringLiteral("[datei]"));
    const QCommandLineOption beispiel(QStringLiteral("beispiel"),
                                      QStringLiteral("Öffnet die Beispielschule als unbenanntes Projekt."));
    parser.addOption(beispiel);
    parser.process(app);
    const QStringList dateien = parser.positionalArguments();
    return {dateien.isEmpty() ? QString() : Startdatei(dateien.constFirst()), parser.isSet(beispiel)};
}

// The first start shows the sample school; the settings file written here says that it was shown.
void BeispielZeigen(TFMain& haupt)
{
    if (haupt.BeispielschuleOeffnen())
        EinstellungSchreiben(haupt.Dialoge(), &haupt,
                             [] { Ini->WriteBool(QStringLiteral("Option"), QStringLiteral("beispiel"), false); });
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
    const TStart start = StartLesen(app);
    // The planning state and the settings exist before any window.
    PlanungsdatenStarten();
    int ergebnis = 0;
    {
        TFenster fenster(QtDialogeErzeugen());
        fenster.Main->show();
        if (!start.Datei.isEmpty())
            fenster.Main->ProjektOeffnen(start.Datei);
        else if (start.Beispiel)
            BeispielZeigen(*fenster.Main);
        ergebnis = QApplication::exec();
    }
    THilfe::AlleSchliessen();
    PlanungsdatenBeenden();
    return ergebnis;
}
