#include "cli/UCliOptimierung.h"

#include "cli/UCli.h"
#include "planning/UFehler.h"
#include "planning/UVar.h"

#include <cmath>
#include <limits>

namespace {

constexpr double hoechsteSekunden = 3600;
constexpr qint64 hoechsteSchritte = 1'000'000'000'000;

// Seconds as a decimal number, with a point or a comma.
double sekundenLesen(const TArgumente& args)
{
    if (!args.Hat(QStringLiteral("sekunden")))
        return 1;
    const QString text = args.Wert(QStringLiteral("sekunden"));
    bool ok = false;
    const double sekunden = QString(text).replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(sekunden) || sekunden < 0 || sekunden > hoechsteSekunden)
        throw TFehler(QStringLiteral("Der Wert von --sekunden muss eine Zahl von 0 bis %1 sein, nicht \"%2\".")
                          .arg(hoechsteSekunden)
                          .arg(text));
    return sekunden;
}

} // namespace

QStringList OptimierungsOptionenMitWert()
{
    return {QStringLiteral("grenze"), QStringLiteral("sekunden"), QStringLiteral("schritte"),
            QStringLiteral("startwert"), QStringLiteral("vorsitzende")};
}

QStringList OptimierungsSchalter()
{
    return {QStringLiteral("spalten"), QStringLiteral("vorsitz"), QStringLiteral("eltern"),
            QStringLiteral("vorsitz-verteilen")};
}

QString OptimierungsHilfe()
{
    return QStringLiteral(
        "  --grenze N      höchstens N Konferenzen gleichzeitig, 1 bis 10 (Vorgabe 4)\n"
        "  --sekunden S    Suchzeit in Sekunden, auch mit Nachkommastellen (Vorgabe 1); die Suche\n"
        "                  endet früher, wenn weniger Zeitfenster nicht möglich sind\n"
        "  --schritte N    statt der Suchzeit höchstens N Arbeitsschritte (1 bis 10^12; eine Million\n"
        "                  dauert etwa eine Zehntelsekunde): mit --startwert ist das Ergebnis dann\n"
        "                  auf jedem Rechner dasselbe\n"
        "  --spalten       nach den Zeilen auch die Spalten minimieren\n"
        "  --vorsitz       der Vorsitz zählt zu den Personen einer Konferenz\n"
        "  --eltern        Klassen mit Elternvertretern gleicher ID nicht gleichzeitig\n"
        "  --startwert Z   Startwert der Zufallszahlen (Vorgabe: aus der Uhr)\n"
        "  --vorsitz-verteilen\n"
        "                  jeder Klasse ohne Vorsitz einen Vorsitz geben; in keinem Zeitfenster\n"
        "                  sitzt jemand in zwei Konferenzen\n"
        "  --vorsitzende KUERZEL[,KUERZEL...]\n"
        "                  wer den Vorsitz führen darf (Vorgabe: die so markierten Lehrkräfte)\n");
}

TCliOptimierung OptimierungsOptionenLesen(const TArgumente& args)
{
    TCliOptimierung optionen;
    optionen.Grenze = static_cast<int>(args.Zahl(QStringLiteral("grenze"), 4, 1, 10));
    if (args.Hat(QStringLiteral("schritte")) && args.Hat(QStringLiteral("sekunden")))
        throw TFehler(QStringLiteral("--schritte und --sekunden schließen einander aus."));
    optionen.Budget = TLaufGrenze(sekundenLesen(args), args.Zahl(QStringLiteral("schritte"), 0, 1, hoechsteSchritte));
    // the seed of the random numbers; without one, as the program does, from the clock
    optionen.Startwert = static_cast<std::uint32_t>(
        args.Zahl(QStringLiteral("startwert"), UhrStartwert(), 0, std::numeric_limits<std::uint32_t>::max()));
    optionen.Spalten = args.Hat(QStringLiteral("spalten"));
    optionen.Arten = TKonfliktArten{args.Hat(QStringLiteral("vorsitz")), args.Hat(QStringLiteral("eltern"))};
    optionen.VorsitzVerteilen = args.Hat(QStringLiteral("vorsitz-verteilen"));
    if (args.Hat(QStringLiteral("vorsitzende"))) {
        if (!optionen.VorsitzVerteilen)
            throw TFehler(QStringLiteral("--vorsitzende gilt nur mit --vorsitz-verteilen."));
        for (const QString& kuerzel : args.Wert(QStringLiteral("vorsitzende")).split(u','))
            optionen.Vorsitzende << kuerzel.trimmed();
    }
    return optionen;
}

TVorsitzEinstellung VorsitzEinstellungLesen(const TLehrerliste& lehrer, const TCliOptimierung& optionen)
{
    TVorsitzEinstellung einstellung;
    if (optionen.Vorsitzende.isEmpty()) {
        einstellung.Vorsitzende = MarkierteVorsitzende(lehrer);
        return einstellung;
    }
    for (const QString& kuerzel : optionen.Vorsitzende) {
        TLehrer* l = lehrer.Suche(kuerzel);
        if (!l)
            throw TFehler(QStringLiteral("Bei --vorsitzende: keine Lehrkraft mit dem Kürzel \"%1\".").arg(kuerzel));
        einstellung.Vorsitzende << l;
    }
    return einstellung;
}

TCliOptimierungsLauf OptimierungAusfuehren(const TKlassenliste& klassen, const TCliOptimierung& optionen,
                                           const TVorsitzEinstellung* vorsitz)
{
    TCliOptimierungsLauf ergebnis;
    ergebnis.Optimierung =
        std::make_unique<TOptimierung>(klassen, optionen.Grenze, optionen.Spalten, optionen.Arten, vorsitz);
    if (const QList<TKlasse*> blockiert = ergebnis.Optimierung->VorsitzBlockierend(); !blockiert.isEmpty())
        throw TFehler(BlockiertText(blockiert));
    TZufall zufall(optionen.Startwert);
    ergebnis.Lauf = OptimierungLaufen(*ergebnis.Optimierung, zufall, optionen.Budget, Wanduhr);
    return ergebnis;
}
