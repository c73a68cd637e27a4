// simultano-cli pruefen DATEI.spz: reads a project file as "Öffnen" does.
#include "cli/UCli.h"
#include "planning/UProjekt.h"

int BefehlPruefen(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente, {}, {});
    args.PositionenPruefen(1, 1);
    const QString datei = args.Positionen.first();
    const TProjektErgebnis projekt = ProjektOderFehler(datei);
    cli.Aus << datei << ": Version " << projekt.Version << ", " << projekt.Lehrer->Count() << " Lehrkräfte, "
            << projekt.Klassen->Count() << " Klassen\n";
    return 0;
}
