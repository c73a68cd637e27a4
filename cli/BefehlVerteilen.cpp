// simultano-cli verteilen DATEI.spz: the optimisation loop of the result window, without
// the window; prints the best plan as the text export writes it, or as one JSON object.
#include "cli/UCli.h"
#include "cli/UCliOptimierung.h"
#include "distribution/UErgebnisText.h"
#include "distribution/UOptimierung.h"
#include "distribution/UVerteilung.h"
#include "planning/UCodepage.h"
#include "planning/UFehler.h"
#include "planning/UProjekt.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString jsonText(const QString& text)
{
    const QByteArray feld = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(feld.mid(1, feld.size() - 2));
}

QString beweisArt(TBeweisArt art)
{
    switch (art) {
    case TBeweisArt::Untergrenze: return QStringLiteral("\"untergrenze\"");
    case TBeweisArt::Suche: return QStringLiteral("\"suche\"");
    case TBeweisArt::Keiner: break;
    }
    return QStringLiteral("null");
}

// Per group a JSON array of one text per class.
QString gruppenJson(const TVerteilung& plan, QString (*text)(const TKlasse&))
{
    QStringList gruppen;
    for (const TGruppe* gruppe : plan) {
        QStringList klassen;
        for (const TKlasse* klasse : *gruppe)
            klassen << jsonText(text(*klasse));
        gruppen << QLatin1Char('[') + klassen.join(u',') + QLatin1Char(']');
    }
    return gruppen.join(QStringLiteral(", "));
}

QString bezeichnung(const TKlasse& klasse)
{
    return klasse.Bezeichnung;
}

QString vorsitz(const TKlasse& klasse)
{
    return klasse.Vorsitz ? klasse.Vorsitz->Kuerzel : QString();
}

// With chairs, "vorsitz" gives the chair of every conference in the shape of "gruppen".
QString alsJson(const TOptimierung& optimierung, const TVerteilung& plan, const TLaufErgebnis& lauf, bool mitVorsitz)
{
    const TVerteilungsMass mass = optimierung.Bestes();
    const QString vorsitze = mitVorsitz ? QStringLiteral(", \"vorsitz\": [%1]").arg(gruppenJson(plan, vorsitz)) : QString();
    return QStringLiteral("{\"zeilen\": %1, \"spalten\": %2, \"untergrenze\": %3, \"optimal\": %4, "
                          "\"bewiesen_durch\": %5, \"sekunden_bis_bestes\": %6, \"gruppen\": [%7]%8}\n")
        .arg(mass.Zeilen)
        .arg(mass.Spalten)
        .arg(optimierung.Untergrenze())
        .arg(optimierung.BewiesenDurch() != TBeweisArt::Keiner ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(beweisArt(optimierung.BewiesenDurch()))
        .arg(QString::number(lauf.SekundenBisBestes, 'f', 3))
        .arg(gruppenJson(plan, bezeichnung), vorsitze);
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
    const TArgumente args(argumente, OptimierungsOptionenMitWert(), OptimierungsSchalter() << QStringLiteral("json"));
    args.PositionenPruefen(1, 1);
    const TCliOptimierung optionen = OptimierungsOptionenLesen(args);

    const TProjektErgebnis projekt = ProjektOderFehler(args.Positionen.first());
    if (projekt.Klassen->Count() < 2)
        throw TFehler(MeldungZuWenigeKlassen);

    const TVorsitzEinstellung vorsitz = VorsitzEinstellungLesen(*projekt.Lehrer, optionen);
    const TCliOptimierungsLauf lauf =
        OptimierungAusfuehren(*projekt.Klassen, optionen, optionen.VorsitzVerteilen ? &vorsitz : nullptr);
    const TOptimierung& optimierung = *lauf.Optimierung;
    const auto plan = optimierung.BesterPlan();
    if (optionen.VorsitzVerteilen) {
        const TVorsitzZuteilung zuteilung = VorsitzVerteilen(*plan, vorsitz);
        if (!zuteilung.Moeglich)
            throw TFehler(BlockiertText(zuteilung.Blockierend));
    }
    if (args.Hat(QStringLiteral("json")))
        cli.Aus << alsJson(optimierung, *plan, lauf.Lauf, optionen.VorsitzVerteilen);
    else
        cli.Aus << alsText(*plan, optimierung.Bestes().Spalten);
    return 0;
}
