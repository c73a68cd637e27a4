#include "editing/UAenderungen.h"

#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <algorithm>

namespace {

void klassenSortieren(TKlassenliste& klassen)
{
    klassen.Sort(KlassenVergleich);
}

void lehrerSortieren(TLehrerliste& lehrer)
{
    lehrer.Sort(LehrerVergleich);
}

// Every reference of the class to the teacher that goes with leaving it.
void klasseVerlassen(TKlasse& klasse, const TLehrer* l)
{
    klasse.Unterrichtende.removeAll(l);
    klasse.K_Leitung.removeAll(l);
    if (klasse.Vorsitz == l)
        klasse.Vorsitz = nullptr;
}

} // namespace

TKlasse* KlasseHinzufuegen(TKlassenliste& klassen, const QString& bezeichnung)
{
    auto neu = std::make_unique<TKlasse>(bezeichnung);
    TKlasse* klasse = neu.get();
    if (!klassen.KlasseHinzu(std::move(neu)))
        return nullptr;
    klassenSortieren(klassen);
    Geaendert = true;
    return klasse;
}

bool KlasseUmbenennen(TKlassenliste& klassen, TKlasse& klasse, const QString& bezeichnung)
{
    if (bezeichnung != klasse.Bezeichnung && klassen.KlasseExistiert(bezeichnung))
        return false;
    klasse.Bezeichnung = bezeichnung;
    klassenSortieren(klassen);
    Geaendert = true;
    return true;
}

void KlassenLoeschen(TKlassenliste& klassen, TVerteilung& verteilung, const QList<TKlasse*>& weg,
                     TProjektZusatz* zusatz)
{
    if (weg.isEmpty())
        return;
    for (const TKlasse* k : weg) {
        if (zusatz)
            AusPlanEntfernen(*zusatz, k);
        klassen.Remove(k);
    }
    verteilung.Clear();
    Geaendert = true;
}

TKuerzelFehler KuerzelPruefen(const TLehrerliste& lehrer, const QString& kuerzel, const TLehrer* eigener)
{
    // an abbreviation imported with a '/' stays as it is; only a new one is refused
    if (kuerzel.contains(QLatin1Char('/')) && (!eigener || eigener->Kuerzel != kuerzel))
        return TKuerzelFehler::MitSchraegstrich;
    for (const TLehrer* l : lehrer)
        if (l != eigener && l->Kuerzel == kuerzel)
            return TKuerzelFehler::Vergeben;
    return TKuerzelFehler::Keiner;
}

TKuerzelFehler LehrerHinzufuegen(TLehrerliste& lehrer, const QString& kuerzel, const QString& anrede,
                                 const QString& name)
{
    const TKuerzelFehler fehler = KuerzelPruefen(lehrer, kuerzel);
    if (fehler != TKuerzelFehler::Keiner)
        return fehler;
    lehrer.Add(std::make_unique<TLehrer>(kuerzel, name, anrede)); // the abbreviation is known to be free
    lehrerSortieren(lehrer);
    Geaendert = true;
    return TKuerzelFehler::Keiner;
}

TKuerzelFehler LehrerAendern(TLehrerliste& lehrer, TLehrer& l, const QString& kuerzel, const QString& anrede,
                             const QString& name)
{
    const TKuerzelFehler fehler = KuerzelPruefen(lehrer, kuerzel, &l);
    if (fehler != TKuerzelFehler::Keiner)
        return fehler;
    l.Kuerzel = kuerzel;
    l.Anrede = anrede;
    l.Name = name;
    lehrerSortieren(lehrer);
    Geaendert = true;
    return TKuerzelFehler::Keiner;
}

void LehrerLoeschen(TLehrerliste& lehrer, TKlassenliste& klassen, const QList<TLehrer*>& weg)
{
    if (weg.isEmpty())
        return;
    for (const TLehrer* l : weg) {
        for (TKlasse* k : klassen) {
            klasseVerlassen(*k, l);
            if (k->Stufenleitung == l)
                k->Stufenleitung = nullptr;
        }
        lehrer.Remove(l);
    }
    Geaendert = true;
}

void AusKlasseEntfernen(TKlasse& klasse, const QList<TLehrer*>& weg)
{
    if (weg.isEmpty())
        return;
    for (const TLehrer* l : weg)
        klasseVerlassen(klasse, l);
    Geaendert = true;
}

int LehrerZuweisen(TKlasse& klasse, const QList<TLehrer*>& lehrer)
{
    int neu = 0;
    for (TLehrer* l : lehrer) {
        if (!klasse.Unterrichtende.contains(l)) {
            klasse.Unterrichtende << l;
            ++neu;
        }
    }
    if (neu == 0)
        return 0;
    std::sort(klasse.Unterrichtende.begin(), klasse.Unterrichtende.end(),
              [](const TLehrer* a, const TLehrer* b) { return LehrerVergleich(a, b) < 0; });
    Geaendert = true;
    return neu;
}

TRolle Rolle(const TKlasse& klasse, const TLehrer* lehrer)
{
    if (lehrer && klasse.Vorsitz == lehrer)
        return TRolle::Vorsitz;
    if (klasse.K_Leitung.contains(lehrer))
        return TRolle::Klassenleitung;
    return TRolle::Lehrkraft;
}

void KlassenleitungUmschalten(TKlasse& klasse, TLehrer* lehrer)
{
    switch (Rolle(klasse, lehrer)) {
    case TRolle::Lehrkraft:
        klasse.K_Leitung << lehrer;
        break;
    case TRolle::Klassenleitung:
        klasse.K_Leitung.removeAll(lehrer);
        break;
    case TRolle::Vorsitz:
        klasse.Vorsitz = nullptr;
        break;
    }
    Geaendert = true;
}

void LeitenSetzen(TLehrer& lehrer, bool darf)
{
    if (lehrer.DarfLeiten == darf)
        return;
    lehrer.DarfLeiten = darf;
    Geaendert = true;
}

void VorsitzSetzen(const QList<TKlasse*>& klassen, TLehrer* vorsitz)
{
    for (TKlasse* k : klassen) {
        k->Vorsitz = vorsitz;
        Geaendert = true;
    }
}

void DatumSetzen(const QList<TKlasse*>& klassen, double datum)
{
    for (TKlasse* k : klassen) {
        k->Konferenzdatum = datum;
        Geaendert = true;
    }
}

qint64 NaechsteElternID(const TKlassenliste& klassen)
{
    return static_cast<qint64>(HoechsteElternID(klassen)) + 1;
}

int ElternID(const QString& text)
{
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    return ok && id >= 0 ? id : -1;
}

TEltern* ElternHinzufuegen(TKlasse& klasse, const QString& anrede, const QString& name, int id)
{
    TEltern* eltern = klasse.Elternvertreter.Add(std::make_unique<TEltern>(anrede, name, id));
    Geaendert = true;
    return eltern;
}

bool ElternEntfernen(TKlasse& klasse, const TEltern* eltern)
{
    if (!klasse.Elternvertreter.Remove(eltern))
        return false;
    Geaendert = true;
    return true;
}
