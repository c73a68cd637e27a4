// simultano-cli ausgaben DATEI.spz -o ORDNER: the timetable of the optimised plan, as
// "Ausgaben …" of the result window writes it: the teachers' plans, the door signs and the
// overview as PDF, and the calendar files.
#include "ausgabe/UAusgaben.h"
#include "ausgabe/UKalender.h"
#include "cli/UCli.h"
#include "cli/UCliOptimierung.h"
#include "distribution/UOptimierung.h"
#include "distribution/UReihenfolge.h"
#include "distribution/UVerteilung.h"
#include "distribution/UZeitplan.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QDate>
#include <QGuiApplication>

namespace {

struct TCliZeitplan
{
    TZeitplan Zeitplan;
    QByteArray Json;
};

// The timetable of the best plan the loop finds, its slots in the order of least waiting.
TCliZeitplan zeitplanRechnen(const TProjektErgebnis& projekt, const TCliOptimierung& optionen)
{
    const TCliOptimierungsLauf lauf = OptimierungAusfuehren(*projekt.Klassen, optionen);
    const auto plan = lauf.Optimierung->BesterPlan();
    TPlanZeilen zeilen;
    for (const TGruppe* gruppe : *plan)
        zeilen << *gruppe;
    const TZeitplanEinstellungen einstellungen =
        WirksameEinstellungen(projekt.Zusatz.Zeitplan, *projekt.Klassen, DatumZuWert(QDate::currentDate()));
    zeilen = ReihenfolgeOptimieren(zeilen, einstellungen, optionen.Arten, ReihenfolgeEinheiten);
    TCliZeitplan ergebnis{ZeitplanBerechnen(zeilen, einstellungen, optionen.Arten), {}};
    const int anzahl = static_cast<int>(zeilen.size());
    const int untergrenze = lauf.Optimierung->Untergrenze();
    ergebnis.Json = ZeitplanJson(ergebnis.Zeitplan, anzahl, untergrenze, anzahl <= untergrenze);
    return ergebnis;
}

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

// Classes whose slot fits into no day have no place in the outputs: said, not hidden.
void nichtUntergebrachtMelden(const TZeitplan& zeitplan, TCli& cli)
{
    if (zeitplan.NichtUntergebracht.isEmpty())
        return;
    QStringList klassen;
    for (const TKlasse* klasse : zeitplan.NichtUntergebracht)
        klassen << klasse->Bezeichnung;
    cli.Fehler << QStringLiteral("Hinweis: %1 Klassen passen in keinen Konferenztag und fehlen in den Ausgaben: %2\n")
                      .arg(klassen.size())
                      .arg(klassen.join(QStringLiteral(", ")));
}

} // namespace

int BefehlAusgaben(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente, OptimierungsOptionenMitWert() << QStringLiteral("o|ordner") << QStringLiteral("nur"),
                          OptimierungsSchalter() << QStringLiteral("json"));
    args.PositionenPruefen(1, 1);
    const TCliOptimierung optionen = OptimierungsOptionenLesen(args);
    const TAusgabeWahl wahl = wahlLesen(args);
    const QString ordner = args.Pflicht(QStringLiteral("o"), QStringLiteral("Der Zielordner fehlt (-o ORDNER)."));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw TFehler(QStringLiteral("Die Ausgaben brauchen die Schriften von Qt Gui, das nicht gestartet ist."));

    const QString datei = args.Positionen.first();
    const TProjektErgebnis projekt = ProjektOderFehler(datei);
    if (projekt.Klassen->Count() < 2)
        throw TFehler(MeldungZuWenigeKlassen);
    const TCliZeitplan zeitplan = zeitplanRechnen(projekt, optionen);

    const TAusgabeAuftrag auftrag{ordner, ProjektKennung(datei), QDateTime::currentDateTimeUtc(), wahl};
    const TAusgabeErgebnis ergebnis = AusgabenSchreiben(zeitplan.Zeitplan, *projekt.Lehrer, auftrag);
    if (!ergebnis.Fehler.isEmpty())
        throw TFehler(ergebnis.Fehler);
    nichtUntergebrachtMelden(zeitplan.Zeitplan, cli);
    if (args.Hat(QStringLiteral("json")))
        cli.Aus << QString::fromUtf8(zeitplan.Json) << '\n';
    else
        cli.Aus << QStringLiteral("%1 Dateien in %2 geschrieben.\n").arg(ergebnis.Dateien).arg(Anzeigename(ordner));
    return 0;
}
