// Writes the sample school: beispielschule_schreiben <file.spz>
#include "planning/UProjekt.h"
#include "support/Beispielschule.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream fehler(stderr);
    if (argc != 2) {
        fehler << "Aufruf: beispielschule_schreiben <Datei.spz>\n";
        return 2;
    }
    const TSchule schule = BeispielschuleErzeugen();
    const QString meldung = ProjektSchreiben(QString::fromLocal8Bit(argv[1]), *schule.Lehrer, *schule.Klassen);
    if (!meldung.isEmpty()) {
        fehler << meldung << '\n';
        return 1;
    }
    return 0;
}
