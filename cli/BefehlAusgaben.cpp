// simultano-cli ausgaben DATEI.spz -o ORDNER: the timetable of the optimised plan, as
// "Ausgaben …" of the result window writes it: the teachers' plans, the door signs and the
// overview as PDF, and the calendar files.
#include "ausgabe/UAusgaben.h"
#include "ausgabe/UKalender.h"
#include "cli/UCli.h"
#include "cli/UCliZeitplan.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"

#include <QGuiApplication>

namespace {

TAusgabeWahl wahlLesen(const TArgumente& args)
{
    const QString nur = args.Auswahl(QStringLiteral("nur"), {QStringLiteral("pdf"), QStringLiteral("ics")});
    TAusgabeWahl wahl;
    if (nur == QLatin1String("pdf"))
        wahl.Kalender = false;
    if (nur == QLatin1String("ics"))
        wahl.Lehrkraefte = wahl.Tuerschilder = wahl.Uebersicht = false;
    return wahl;
}

} // namespace

int BefehlAusgaben(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente, ZeitplanOptionenMitWert() << QStringLiteral("o|ordner") << QStringLiteral("nur"),
                          OptimierungsSchalter() << QStringLiteral("json"));
    args.PositionenPruefen(1, 1);
    const TAusgabeWahl wahl = wahlLesen(args);
    const QString ordner = args.Pflicht(QStringLiteral("o"), QStringLiteral("Der Zielordner fehlt (-o ORDNER)."));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw TFehler(QStringLiteral("Die Ausgaben brauchen die Schriften von Qt Gui, das nicht gestartet ist."));

    const QString datei = args.Positionen.first();
    const TProjektErgebnis projekt = ProjektOderFehler(datei);
    const TCliZeitplan zeitplan = ZeitplanAusfuehren(args, projekt);

    const TAusgabeAuftrag auftrag{ordner, ProjektKennung(datei), QDateTime::currentDateTimeUtc(), wahl};
    const TAusgabeErgebnis ergebnis = AusgabenSchreiben(zeitplan.Zeitplan, *projekt.Lehrer, auftrag);
    if (!ergebnis.Fehler.isEmpty())
        throw TFehler(ergebnis.Fehler);
    // Classes whose slot fits into no day have no place in the outputs: said, not hidden.
    const QString draussen = NichtUntergebrachtText(zeitplan.Zeitplan);
    if (!draussen.isEmpty())
        cli.Fehler << draussen << '\n';
    if (args.Hat(QStringLiteral("json")))
        cli.Aus << QString::fromUtf8(zeitplan.Json) << '\n';
    else
        cli.Aus << QStringLiteral("%1 Dateien in %2 geschrieben.\n").arg(ergebnis.Dateien).arg(Anzeigename(ordner));
    return 0;
}
