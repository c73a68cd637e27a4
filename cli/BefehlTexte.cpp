// simultano-cli texte DATEI.spz -o ORDNER: the minutes texts, one RTF file per class, as the
// save window writes them.
#include "cli/UCli.h"
#include "distribution/UZeitplan.h"
#include "minutes/UProtokoll.h"
#include "minutes/UTexte.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UFunctions.h"
#include "planning/UIni.h"
#include "planning/UProjekt.h"

#include <QDate>
#include <QFileInfo>

namespace {

// Without a window there is nobody to ask: the files named on the command line are replaced.
struct TErsetzen : ITextUeberschreiben
{
    TAntwort Fragen(const QString&) override { return {true, true}; }
};

// All classes, or those of the list "5a,6b", in the order of the class list as the window
// writes them.
QList<const TKlasse*> klassenWaehlen(const TKlassenliste& klassen, const TArgumente& args, const QString& datei)
{
    QList<const TKlasse*> gewaehlt;
    if (!args.Hat(QStringLiteral("klassen"))) {
        for (const TKlasse* k : klassen)
            gewaehlt << k;
        return gewaehlt;
    }
    QStringList namen;
    for (const QString& name : args.Wert(QStringLiteral("klassen")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        namen << name.trimmed();
        if (!klassen.SucheKlasse(namen.last()))
            throw TFehler(QStringLiteral("Die Klasse \"%1\" gibt es in %2 nicht.").arg(namen.last(), datei));
    }
    for (const TKlasse* k : klassen)
        if (namen.contains(k->Bezeichnung))
            gewaehlt << k;
    if (gewaehlt.isEmpty())
        throw TFehler(QStringLiteral("Es ist keine Klasse gewählt."));
    return gewaehlt;
}

// The font of the built-in template as the program sets it: from the user's settings file,
// which is only read.
TProtokollSchrift eingestellteSchrift()
{
    PfadeErmitteln();
    return ProtokollSchriftLesen(TIniDatei(IniDateiname));
}

} // namespace

int BefehlTexte(const QStringList& argumente, TCli& cli)
{
    const TArgumente args(argumente,
                          {QStringLiteral("o|ordner"), QStringLiteral("vorlage"), QStringLiteral("klassen")},
                          {QStringLiteral("mf")});
    args.PositionenPruefen(1, 1);
    const QString datei = args.Positionen.first();
    const QString ordner = args.Pflicht(QStringLiteral("o"), QStringLiteral("Es fehlt der Zielordner (-o ORDNER)."));
    if (!QFileInfo(ordner).isDir())
        throw TFehler(QStringLiteral("Den Zielordner %1 gibt es nicht.").arg(Anzeigename(ordner)));

    const TProjektErgebnis projekt = ProjektOderFehler(datei);
    const QString vorlageDatei = args.Wert(QStringLiteral("vorlage"));
    if (args.Hat(QStringLiteral("vorlage")) && !QFileInfo(vorlageDatei).isFile())
        throw TFehler(QStringLiteral("Die Vorlage %1 gibt es nicht.").arg(Anzeigename(vorlageDatei)));

    TTextAuftrag auftrag;
    auftrag.Klassen = klassenWaehlen(*projekt.Klassen, args, datei);
    auftrag.Ordner = ordner;
    auftrag.VorlageDatei = vorlageDatei;
    auftrag.Schrift = eingestellteSchrift();
    auftrag.MF = args.Hat(QStringLiteral("mf"));
    // the plan kept in the project gives "<Beginn>" and "<Raum>"
    const std::optional<TZeitplan> zeitplan =
        GehaltenerZeitplan(projekt.Zusatz, *projekt.Klassen, DatumZuWert(QDate::currentDate()));
    auftrag.Zeitplan = zeitplan ? &*zeitplan : nullptr;
    TErsetzen ersetzen;
    const TTexteErgebnis ergebnis = TexteSpeichern(auftrag, ersetzen);
    for (const QString& pfad : ergebnis.Geschrieben)
        cli.Aus << Anzeigename(pfad) << '\n';
    for (const QString& hinweis : ergebnis.Umbenannt)
        cli.Fehler << "Hinweis: " << hinweis << '\n';
    if (!ergebnis.Ok())
        throw TFehler(ergebnis.Fehler);
    return 0;
}
