#include "ausgabe/UAusgaben.h"

#include "ausgabe/UAusgabePdf.h"
#include "ausgabe/UDateinamen.h"
#include "ausgabe/UKalender.h"
#include "ausgabe/UUebersicht.h"
#include "planning/UDatei.h"

#include <QDir>

namespace {

struct TDateiAuftrag
{
    QString Name; // relative to the folder
    std::function<QByteArray()> Inhalt;
};

QList<TDateiAuftrag> dateien(const TZeitplan& zeitplan, const TLehrerliste& lehrer, const TAusgabeAuftrag& auftrag)
{
    QList<TDateiAuftrag> liste;
    const TAusgabeWahl& wahl = auftrag.Wahl;
    if (wahl.Lehrkraefte)
        liste << TDateiAuftrag{QStringLiteral("Lehrkraefte.pdf"), [&] {
                                   return LehrkraeftePdf(LehrkraftPlaene(zeitplan, lehrer), zeitplan.Wechsel);
                               }};
    if (wahl.Tuerschilder)
        liste << TDateiAuftrag{QStringLiteral("Tuerschilder.pdf"), [&] { return TuerschilderPdf(RaumPlaene(zeitplan)); }};
    if (wahl.Uebersicht)
        liste << TDateiAuftrag{QStringLiteral("Uebersicht.pdf"),
                               [&] { return UebersichtPdf(UebersichtBlaetter(zeitplan), zeitplan); }};
    if (!wahl.Kalender)
        return liste;
    const QList<TLehrkraftPlan> plaene = LehrkraftPlaene(zeitplan, lehrer);
    QStringList kuerzel;
    for (const TLehrkraftPlan& plan : plaene)
        kuerzel << plan.Lehrer->Kuerzel;
    const QStringList namen = SichereDateinamen(kuerzel, {QStringLiteral("alle")});
    for (qsizetype i = 0; i < plaene.size(); ++i)
        liste << TDateiAuftrag{QStringLiteral("ics/") + namen.at(i) + QStringLiteral(".ics"),
                               [&auftrag, plan = plaene.at(i)] {
                                   return LehrkraftKalender(plan, auftrag.Kennung, auftrag.Stempel);
                               }};
    liste << TDateiAuftrag{QStringLiteral("ics/alle.ics"),
                           [&] { return SchulKalender(zeitplan, auftrag.Kennung, auftrag.Stempel); }};
    return liste;
}

} // namespace

TAusgabeErgebnis AusgabenSchreiben(const TZeitplan& zeitplan, const TLehrerliste& lehrer,
                                   const TAusgabeAuftrag& auftrag, const TAusgabeFortschritt& fortschritt)
{
    TAusgabeErgebnis ergebnis;
    const QList<TDateiAuftrag> liste = dateien(zeitplan, lehrer, auftrag);
    const QDir ordner(auftrag.Ordner);
    const bool kalender = auftrag.Wahl.Kalender;
    if (!ordner.mkpath(kalender ? QStringLiteral("ics") : QStringLiteral("."))) {
        ergebnis.Fehler = QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(Anzeigename(auftrag.Ordner));
        return ergebnis;
    }
    for (const TDateiAuftrag& datei : liste) {
        if (fortschritt && !fortschritt(ergebnis.Dateien, static_cast<int>(liste.size()))) {
            ergebnis.Fehler = QStringLiteral("Abgebrochen: %1 von %2 Dateien wurden geschrieben.")
                                  .arg(ergebnis.Dateien)
                                  .arg(liste.size());
            return ergebnis;
        }
        ergebnis.Fehler = DateiSchreiben(ordner.filePath(datei.Name), datei.Inhalt());
        if (!ergebnis.Fehler.isEmpty())
            return ergebnis;
        ++ergebnis.Dateien;
    }
    if (fortschritt)
        fortschritt(ergebnis.Dateien, static_cast<int>(liste.size()));
    return ergebnis;
}
