// simultano-cli import-xml EXPORT.xml -o DATEI.spz: the XML import of the window, with the
// answers to its two questions given on the command line.
#include "cli/UCli.h"
#include "import/UxmlImp.h"
#include "planning/UFehler.h"
#include "planning/UProjekt.h"

namespace {

// One grade range (or the one the window offers first) and one answer for every lesson of
// several classes.
class TFesteAntworten : public IImportFragen
{
public:
    TFesteAntworten(std::optional<TStufen> stufen, TMehrklassenAntwort antwort) : stufen(stufen), antwort(antwort) {}

    std::optional<TStufen> Stufenwahl(bool IstGymnasium) override
    {
        return stufen ? *stufen : StufenVorwahl(IstGymnasium);
    }
    TRueckfrage Mehrklassen(const TLehrer&, const QString&, const QStringList&) override { return {antwort, true}; }

private:
    std::optional<TStufen> stufen;
    TMehrklassenAntwort antwort;
};

std::optional<TStufen> stufenLesen(const TArgumente& args)
{
    if (!args.Hat(QStringLiteral("stufen")))
        return std::nullopt;
    const QString wert = args.Wert(QStringLiteral("stufen"));
    const QStringList teile = wert.split(u'-');
    bool vonOk = false;
    bool bisOk = false;
    TStufen stufen;
    if (teile.size() == 2) {
        stufen.Von = teile[0].toInt(&vonOk);
        stufen.Bis = teile[1].toInt(&bisOk);
    }
    const auto gueltig = [](int stufe) { return stufe >= 1 && stufe <= 13; };
    if (!vonOk || !bisOk || !gueltig(stufen.Von) || !gueltig(stufen.Bis) || stufen.Von > stufen.Bis)
        throw TFehler(QStringLiteral("Der Wert von --stufen muss die Form VON-BIS mit Stufen von 1 bis 13 (VON nicht größer als BIS) haben, nicht \"%1\".")
                          .arg(wert));
    return stufen;
}

TMehrklassenAntwort antwortLesen(const TArgumente& args)
{
    const QString wert =
        args.Auswahl(QStringLiteral("mehrklassen"), {QStringLiteral("ja"), QStringLiteral("nein")}, QStringLiteral("ja"));
    return wert == QLatin1String("ja") ? TMehrklassenAntwort::Ja : TMehrklassenAntwort::Nein;
}

qsizetype summe(const TKlassenliste& klassen, QList<TLehrer*> TKlasse::*liste)
{
    qsizetype anzahl = 0;
    for (const TKlasse* klasse : klassen)
        anzahl += (klasse->*liste).size();
    return anzahl;
}

} // namespace

int BefehlImportXml(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente, {QStringLiteral("o"), QStringLiteral("stufen"), QStringLiteral("mehrklassen")},
                          {QStringLiteral("trotzdem")});
    args.PositionenPruefen(1, 1);
    const QString ziel =
        args.Pflicht(QStringLiteral("o"), QStringLiteral("Es fehlt die Projektdatei, die geschrieben werden soll (-o DATEI.spz)."));
    NichtDieEingabe(ziel, args.Positionen.first());
    TFesteAntworten fragen(stufenLesen(args), antwortLesen(args));

    const TXmlImport import = UntisXmlImportieren(args.Positionen.first(), fragen);
    if (!import.Ok())
        throw TFehler(import.Fehler);
    if (!import.Gefunden)
        throw TFehler(MeldungNichtsGefunden);
    ZeichenverlustMelden(*import.Lehrer, *import.Klassen, args.Hat(QStringLiteral("trotzdem")), cli);
    const QString fehler = ProjektSchreiben(ziel, *import.Lehrer, *import.Klassen);
    if (!fehler.isEmpty())
        throw TFehler(fehler);

    for (const QString& hinweis : import.Hinweise)
        cli.Fehler << "Hinweis: " << hinweis << '\n';
    cli.Aus << ziel << ": " << import.Lehrer->Count() << " Lehrkräfte, " << import.Klassen->Count() << " Klassen, "
            << summe(*import.Klassen, &TKlasse::K_Leitung) << " Klassenleitungen, "
            << summe(*import.Klassen, &TKlasse::Unterrichtende) << " Lehrkräfte den Klassen zugeordnet\n";
    return 0;
}
