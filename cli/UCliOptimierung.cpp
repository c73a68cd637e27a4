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
            QStringLiteral("startwert")};
}

QStringList OptimierungsSchalter()
{
    return {QStringLiteral("spalten"), QStringLiteral("vorsitz"), QStringLiteral("eltern")};
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
        "  --startwert Z   Startwert der Zufallszahlen (Vorgabe: aus der Uhr)\n");
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
    return optionen;
}

TCliOptimierungsLauf OptimierungAusfuehren(const TKlassenliste& klassen, const TCliOptimierung& optionen)
{
    TCliOptimierungsLauf ergebnis;
    ergebnis.Optimierung = std::make_unique<TOptimierung>(klassen, optionen.Grenze, optionen.Spalten, optionen.Arten);
    TZufall zufall(optionen.Startwert);
    ergebnis.Lauf = OptimierungLaufen(*ergebnis.Optimierung, zufall, optionen.Budget, Wanduhr);
    return ergebnis;
}
