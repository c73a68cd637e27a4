// simultano-cli verteilen DATEI.spz: the optimisation loop of the result window, without
// the window; prints the best plan as the text export writes it, or as one JSON object.
#include "cli/UCli.h"
#include "distribution/UErgebnisText.h"
#include "distribution/UOptimierung.h"
#include "distribution/UVerteilung.h"
#include "planning/UCodepage.h"
#include "planning/UFehler.h"
#include "planning/UProjekt.h"
#include "planning/UVar.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double hoechsteSekunden = 3600;

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

QString jsonText(const QString& text)
{
    const QByteArray feld = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(feld.mid(1, feld.size() - 2));
}

QString alsJson(const TOptimierung& optimierung, const TVerteilung& plan, const TLaufErgebnis& lauf)
{
    const TVerteilungsMass mass = optimierung.Bestes();
    QStringList gruppen;
    for (const TGruppe* gruppe : plan) {
        QStringList klassen;
        for (const TKlasse* klasse : *gruppe)
            klassen << jsonText(klasse->Bezeichnung);
        gruppen << QLatin1Char('[') + klassen.join(u',') + QLatin1Char(']');
    }
    return QStringLiteral("{\"zeilen\": %1, \"spalten\": %2, \"untergrenze\": %3, \"optimal\": %4, "
                          "\"sekunden_bis_bestes\": %5, \"gruppen\": [%6]}\n")
        .arg(mass.Zeilen)
        .arg(mass.Spalten)
        .arg(optimierung.Untergrenze())
        .arg(mass.Zeilen <= optimierung.Untergrenze() ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(QString::number(lauf.SekundenBisBestes, 'f', 3))
        .arg(gruppen.join(QStringLiteral(", ")));
}

// The lines of the text export, with the line ends of the terminal.
QString alsText(const TVerteilung& plan, int spalten)
{
    QString text = Cp1252Dekodieren(ErgebnisText(ErgebnisTabelle(plan, spalten), false));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

int BefehlVerteilen(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente, {QStringLiteral("grenze"), QStringLiteral("sekunden"), QStringLiteral("startwert")},
                          {QStringLiteral("spalten"), QStringLiteral("vorsitz"), QStringLiteral("eltern"),
                           QStringLiteral("json")});
    args.PositionenPruefen(1, 1);
    const auto grenze = static_cast<int>(args.Zahl(QStringLiteral("grenze"), 4, 1, 10));
    const double sekunden = sekundenLesen(args);
    // the seed of the random numbers; without one, as the program does, from the clock
    const auto startwert = static_cast<std::uint32_t>(
        args.Zahl(QStringLiteral("startwert"), UhrStartwert(), 0, std::numeric_limits<std::uint32_t>::max()));
    const TKonfliktArten arten{args.Hat(QStringLiteral("vorsitz")), args.Hat(QStringLiteral("eltern"))};

    const TProjektErgebnis projekt = ProjektOderFehler(args.Positionen.first());
    if (projekt.Klassen->Count() < 2)
        throw TFehler(MeldungZuWenigeKlassen);

    TOptimierung optimierung(*projekt.Klassen, grenze, args.Hat(QStringLiteral("spalten")), arten);
    TZufall zufall(startwert);
    const TLaufErgebnis lauf = OptimierungLaufen(optimierung, zufall, sekunden, Wanduhr);
    const auto plan = optimierung.BesterPlan();
    if (args.Hat(QStringLiteral("json")))
        cli.Aus << alsJson(optimierung, *plan, lauf);
    else
        cli.Aus << alsText(*plan, optimierung.Bestes().Spalten);
    return 0;
}
