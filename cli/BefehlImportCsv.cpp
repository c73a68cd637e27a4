// simultano-cli import-csv LISTE.csv --projekt DATEI.spz --name N ...: appends the teachers of
// a delimited text file to a project, read as the import window reads it.
#include "cli/UCli.h"
#include "import/UCsvImport.h"
#include "planning/UFehler.h"
#include "planning/UProjekt.h"

#include <QFileInfo>

namespace {

// The 0-based field of a 1-based column option; -1 when the option is not given.
int spalte(const TArgumente& args, const QString& option, int spalten)
{
    return static_cast<int>(args.Zahl(option, 0, 1, spalten)) - 1;
}

TWahl zuordnen(const TArgumente& args, int spalten)
{
    const TWahl wahl{spalte(args, QStringLiteral("kuerzel"), spalten), spalte(args, QStringLiteral("name"), spalten),
                     spalte(args, QStringLiteral("anrede"), spalten)};
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b)
            if (wahl[a] >= 0 && wahl[a] == wahl[b])
                throw TFehler(QStringLiteral("Die Spalte %1 ist zwei Lehrerdaten zugeordnet.").arg(wahl[a] + 1));
    return wahl;
}

// The answer of --wahr when the first record's salutation is a truth value.
QString wahrAnrede(const TArgumente& args, const QString& wahrheitswert)
{
    const QString wahr = args.Auswahl(QStringLiteral("wahr"), {QStringLiteral("Herr"), QStringLiteral("Frau")});
    if (!wahrheitswert.isEmpty() && wahr.isEmpty())
        throw TFehler(QStringLiteral("Die Anrede muss aus einem Wahrheitswert ermittelt werden. Geben Sie mit "
                                     "--wahr Herr oder --wahr Frau an, wofür '%1' steht.")
                          .arg(wahrheitswert));
    return wahr;
}

} // namespace

int BefehlImportCsv(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente,
                          {QStringLiteral("projekt"), QStringLiteral("name"), QStringLiteral("kuerzel"),
                           QStringLiteral("anrede"), QStringLiteral("wahr")},
                          {QStringLiteral("ohne-feldnamen"), QStringLiteral("trotzdem")});
    args.PositionenPruefen(1, 1);
    const QString projektdatei = args.Pflicht(QStringLiteral("projekt"));
    args.Pflicht(QStringLiteral("name"));

    const QString datei = args.Positionen.first();
    NichtDieEingabe(projektdatei, datei);
    TCsvListe liste;
    const QString lesefehler = CsvLesen(datei, liste);
    if (!lesefehler.isEmpty())
        throw TFehler(lesefehler);
    if (liste.Kopf.isEmpty())
        throw TFehler(QStringLiteral("Die Datei %1 enthält keine Datensätze.").arg(datei));
    if (args.Hat(QStringLiteral("ohne-feldnamen")))
        liste.ohneFeldnamen = true;
    const TWahl wahl = zuordnen(args, static_cast<int>(liste.Kopf.size()));
    const QList<QStringList> datensaetze = liste.Datensaetze();
    const QString wahr = wahrAnrede(args, WahrheitswertDerErstenZeile(datensaetze, wahl[SlotAnrede]));

    // a project file that is not there yet is created; one that cannot be read is an error.
    // Saved, it must still be as read (or still not there): another program's save stays.
    TProjektErgebnis projekt;
    if (QFileInfo::exists(projektdatei)) {
        projekt = ProjektOderFehler(projektdatei);
    } else {
        projekt.Lehrer = std::make_unique<TLehrerliste>();
        projekt.Klassen = std::make_unique<TKlassenliste>();
    }
    const TImportErgebnis ergebnis = LehrerImportieren(*projekt.Lehrer, datensaetze, wahl, wahr);
    ZeichenverlustMelden(*projekt.Lehrer, *projekt.Klassen, args.Hat(QStringLiteral("trotzdem")), cli);
    const QString schreibfehler = ProjektSchreiben(projektdatei, *projekt.Lehrer, *projekt.Klassen, projekt.Zusatz, &projekt.Stand);
    if (!schreibfehler.isEmpty())
        throw TFehler(schreibfehler);
    cli.Aus << ergebnis.Angelegt << " Lehrkräfte hinzugefügt, " << ergebnis.Ersetzt << " Kürzel durch Nummern ersetzt.\n";
    return 0;
}
