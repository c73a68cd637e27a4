// simultano-cli zeitplan DATEI.spz: the optimised plan as the timetable of the conference
// afternoon, its slots in the order with the least waiting; as text or as one JSON object.
#include "cli/UCli.h"
#include "cli/UCliOptimierung.h"
#include "cli/UCliZeitplan.h"
#include "distribution/UOptimierung.h"
#include "distribution/UPlanwahl.h"
#include "distribution/UReihenfolge.h"
#include "distribution/UVerteilung.h"
#include "distribution/UVorsitzVerteilen.h"
#include "distribution/UZeitplan.h"
#include "planning/UFehler.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QDate>
#include <QTime>

namespace {

constexpr int minutenJeTag = 24 * 60;

double datumLesen(const QString& text)
{
    for (const char* form : {"d.M.yyyy", "dd.MM.yyyy"}) {
        const QDate datum = QDate::fromString(text, QString::fromLatin1(form));
        if (datum.isValid())
            return DatumZuWert(datum);
    }
    throw TFehler(QStringLiteral("\"%1\" ist kein Datum der Form TT.MM.JJJJ.").arg(text));
}

int uhrzeitLesen(const TArgumente& args, const QString& name)
{
    const QString text = args.Wert(name);
    const QTime zeit = QTime::fromString(text, QStringLiteral("H:mm"));
    if (!zeit.isValid())
        throw TFehler(QStringLiteral("Der Wert von --%1 muss eine Uhrzeit der Form HH:MM sein, nicht \"%2\".").arg(name, text));
    return zeit.hour() * 60 + zeit.minute();
}

int minutenLesen(const QString& text, const QString& wofuer)
{
    bool ok = false;
    const int minuten = text.trimmed().toInt(&ok);
    if (!ok || minuten < 1 || minuten > minutenJeTag)
        throw TFehler(QStringLiteral("Die Dauer %1 muss eine Zahl von 1 bis %2 Minuten sein, nicht \"%3\".")
                          .arg(wofuer, QString::number(minutenJeTag), text));
    return minuten;
}

QList<TSonderdauer> sonderdauernLesen(const QString& text)
{
    QList<TSonderdauer> dauern;
    for (const QString& angabe : Namensliste(text, u',')) {
        const qsizetype gleich = angabe.indexOf(u'=');
        if (gleich <= 0)
            throw TFehler(QStringLiteral("--dauer-fuer erwartet KLASSE=MINUTEN, nicht \"%1\".").arg(angabe));
        const QString klassen = angabe.left(gleich).trimmed();
        dauern << TSonderdauer{klassen, minutenLesen(angabe.mid(gleich + 1), QStringLiteral("für ") + klassen)};
    }
    return dauern;
}

// The options of the timetable override the settings in effect.
void einstellungenAnpassen(const TArgumente& args, TZeitplanEinstellungen& e)
{
    if (args.Hat(QStringLiteral("datum"))) {
        const QStringList daten = Namensliste(args.Wert(QStringLiteral("datum")), u',');
        if (daten.isEmpty())
            throw TFehler(QStringLiteral("--datum braucht mindestens ein Datum."));
        const TKonferenztag muster = e.Tage.value(0);
        e.Tage.clear();
        for (const QString& d : daten)
            e.Tage << TKonferenztag{datumLesen(d), muster.Beginn, muster.Ende};
    }
    for (TKonferenztag& tag : e.Tage) {
        if (args.Hat(QStringLiteral("beginn")))
            tag.Beginn = uhrzeitLesen(args, QStringLiteral("beginn"));
        if (args.Hat(QStringLiteral("ende")))
            tag.Ende = uhrzeitLesen(args, QStringLiteral("ende"));
        if (tag.Ende <= tag.Beginn)
            throw TFehler(QStringLiteral("Am %1 endet der Konferenztag (%2 Uhr) nicht nach seinem Beginn (%3 Uhr).")
                              .arg(DatumText(tag.Datum), UhrzeitText(tag.Ende), UhrzeitText(tag.Beginn)));
    }
    if (args.Hat(QStringLiteral("dauer")))
        e.Dauer = minutenLesen(args.Wert(QStringLiteral("dauer")), QStringLiteral("einer Konferenz"));
    if (args.Hat(QStringLiteral("dauer-fuer")))
        e.Sonderdauern = sonderdauernLesen(args.Wert(QStringLiteral("dauer-fuer")));
    if (args.Hat(QStringLiteral("wechsel")))
        e.Wechsel = static_cast<int>(args.Zahl(QStringLiteral("wechsel"), 5, 0, minutenJeTag));
    if (args.Hat(QStringLiteral("raeume"))) {
        e.Raeume = Namensliste(args.Wert(QStringLiteral("raeume")), u',');
        if (e.Raeume.isEmpty())
            throw TFehler(QStringLiteral("--raeume braucht mindestens einen Raum."));
    }
}

} // namespace

QStringList ZeitplanOptionenMitWert()
{
    return OptimierungsOptionenMitWert() << QStringLiteral("datum") << QStringLiteral("beginn") << QStringLiteral("ende")
                                         << QStringLiteral("dauer") << QStringLiteral("dauer-fuer")
                                         << QStringLiteral("wechsel") << QStringLiteral("raeume");
}

QString ZeitplanHilfe()
{
    return QStringLiteral(
        "  --datum LISTE   die Konferenztage, durch Kommas getrennt (Vorgabe: die Tage des Projekts,\n"
        "                  sonst das früheste Konferenzdatum der Klassen, sonst heute)\n"
        "  --beginn HH:MM  Beginn jedes Konferenztages (Vorgabe 14:00)\n"
        "  --ende HH:MM    spätestes Ende jedes Konferenztages (Vorgabe 18:00)\n"
        "  --dauer MIN     Dauer einer Konferenz in Minuten (Vorgabe 20)\n"
        "  --dauer-fuer L  eigene Dauern für Klassen oder Stufen, etwa Q2=30,10a=25\n"
        "  --wechsel MIN   Minuten zwischen zwei Zeitfenstern (Vorgabe 5)\n"
        "  --raeume LISTE  die Räume, durch Kommas getrennt (Vorgabe Raum 1 bis Raum N für --grenze N);\n"
        "                  weniger Räume als --grenze senken die Grenze\n");
}

TCliZeitplan ZeitplanAusfuehren(const TArgumente& args, const TProjektErgebnis& projekt)
{
    TCliZeitplan ergebnis;
    ergebnis.Optionen = OptimierungsOptionenLesen(args);
    TCliOptimierung& optionen = ergebnis.Optionen;
    if (projekt.Klassen->Count() < 2)
        throw TFehler(MeldungZuWenigeKlassen);
    TZeitplanEinstellungen& einstellungen = ergebnis.Einstellungen;
    einstellungen = WirksameEinstellungen(projekt.Zusatz.Zeitplan, *projekt.Klassen, DatumZuWert(QDate::currentDate()));
    einstellungenAnpassen(args, einstellungen);
    // fewer rooms than the limit lower the limit
    optionen.Grenze = static_cast<int>(std::min<qsizetype>(optionen.Grenze, Raumnamen(einstellungen, optionen.Grenze).size()));

    // the chairs given before the timetable is made, so that their waiting counts too
    const TVorsitzEinstellung vorsitz = VorsitzEinstellungLesen(*projekt.Lehrer, optionen);
    const TCliOptimierungsLauf lauf =
        OptimierungAusfuehren(*projekt.Klassen, optionen, optionen.VorsitzVerteilen ? &vorsitz : nullptr);
    TOptimierung& optimierung = *lauf.Optimierung;
    // of the plans with the fewest slots, the one with the least waiting
    TZufall zufall(optionen.Startwert);
    ergebnis.Zeilen = PlanMitWenigWarten(optimierung, zufall, optionen.Spalten, einstellungen, optionen.Arten,
                                         ReihenfolgeEinheiten);
    TKonfliktArten arten = optionen.Arten;
    if (optionen.VorsitzVerteilen) {
        const TVorsitzZuteilung zuteilung = VorsitzVerteilen(*VerteilungAus(ergebnis.Zeilen), vorsitz);
        if (!zuteilung.Moeglich)
            throw TFehler(BlockiertText(zuteilung.Blockierend));
        // the chairs sit in their conferences: the order once more with their waiting
        arten.Vorsitz = true;
        if (!zuteilung.Neu.isEmpty())
            ergebnis.Zeilen = ReihenfolgeOptimieren(ergebnis.Zeilen, einstellungen, arten, ReihenfolgeEinheiten);
    }
    ergebnis.Zeitplan = ZeitplanBerechnen(ergebnis.Zeilen, einstellungen, arten);
    ergebnis.Json = ZeitplanJson(ergebnis.Zeitplan, optimierung.Bestes().Zeilen, optimierung.Untergrenze(),
                                 optimierung.BewiesenDurch() != TBeweisArt::Keiner);
    return ergebnis;
}

int BefehlZeitplan(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente, ZeitplanOptionenMitWert(),
                          OptimierungsSchalter() << QStringLiteral("json") << QStringLiteral("speichern"));
    args.PositionenPruefen(1, 1);
    const QString datei = args.Positionen.first();
    TProjektErgebnis projekt = ProjektOderFehler(datei);
    const TCliZeitplan plan = ZeitplanAusfuehren(args, projekt);
    const TZeitplan& zeitplan = plan.Zeitplan;

    if (args.Hat(QStringLiteral("speichern"))) {
        projekt.Zusatz.Zeitplan = plan.Einstellungen;
        projekt.Zusatz.Plan = TGehaltenerPlan{plan.Optionen.Grenze, plan.Zeilen};
        const QString fehler = ProjektSchreiben(datei, *projekt.Lehrer, *projekt.Klassen, projekt.Zusatz);
        if (!fehler.isEmpty())
            throw TFehler(fehler);
    }
    const QString draussen = NichtUntergebrachtText(zeitplan);
    if (!draussen.isEmpty())
        cli.Fehler << draussen << '\n';
    if (args.Hat(QStringLiteral("json")))
        cli.Aus << QString::fromUtf8(plan.Json) << '\n';
    else
        cli.Aus << ZeitplanText(zeitplan);
    return 0;
}
