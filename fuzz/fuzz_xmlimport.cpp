// Feeds arbitrary bytes to the XML import. Besides the sanitizers it checks what the program
// relies on: a file that cannot be read gives a message naming it and no lists; a cancelled
// grade-range question gives empty lists; an import gives lists that hold together (every
// teacher a class refers to is in the teacher list, no abbreviation or designation twice,
// every class inside the chosen range, classes in class order, class leaders teach their
// class) and that can be written and read back as a project file. The cross-class question
// names designations inside the range, each once, and is not asked after an answer for all
// subjects.
#include "fuzz/Pruefen.h"
#include "import/UxmlImp.h"
#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <QSet>

#include <cstdint>

namespace {

// Every kind of answer in turn, starting at a point that depends on the input.
class TWechselndeAntworten : public IImportFragen
{
public:
    explicit TWechselndeAntworten(std::size_t start) : zaehler(start) {}

    std::optional<TStufen> Stufenwahl(bool IstGymnasium) override
    {
        StufenGefragt = true;
        switch (zaehler++ % 4) {
        case 0: Gewaehlt = StufenVorwahl(IstGymnasium); break;
        case 1: Gewaehlt = TStufen{1, 13}; break;
        case 2: Gewaehlt = TStufen{7, 5}; break;
        default: Gewaehlt = std::nullopt; break;
        }
        return Gewaehlt;
    }

    TRueckfrage Mehrklassen(const TLehrer& le, const QString& fa, const QStringList& kl) override
    {
        pruefen(!le.Kuerzel.isEmpty() && !fa.isEmpty() && kl.size() > 1 && kl.size() == QSet<QString>(kl.begin(), kl.end()).size());
        pruefen(Gewaehlt && !alleBeantwortet);
        for (const QString& bezeichnung : kl) {
            const int stufe = Klassenstufe(bezeichnung);
            pruefen(stufe > 0 && stufe >= Gewaehlt->Von && stufe <= Gewaehlt->Bis);
        }
        const std::size_t n = zaehler++;
        if (n % 17 == 16)
            return {TMehrklassenAntwort::Abbrechen, false};
        alleBeantwortet = n % 13 == 12;
        return {n % 2 ? TMehrklassenAntwort::Ja : TMehrklassenAntwort::Nein, n % 3 == 0, alleBeantwortet};
    }

    bool StufenGefragt = false;
    std::optional<TStufen> Gewaehlt;

private:
    std::size_t zaehler;
    bool alleBeantwortet = false; // an answer for all subjects was given: no further question
};

void listenPruefen(const TXmlImport& ergebnis, const std::optional<TStufen>& stufen)
{
    QSet<const TLehrer*> lehrer;
    QSet<QString> kuerzel;
    for (const TLehrer* l : *ergebnis.Lehrer) {
        pruefen(!l->Kuerzel.isEmpty() && !kuerzel.contains(l->Kuerzel));
        kuerzel.insert(l->Kuerzel);
        lehrer.insert(l);
    }
    pruefen(stufen || ergebnis.Klassen->IsEmpty());
    QSet<QString> bezeichnungen;
    const TKlasse* vorige = nullptr;
    for (const TKlasse* k : *ergebnis.Klassen) {
        pruefen(!vorige || KlassenVergleich(vorige, k) <= 0);
        vorige = k;
        const int stufe = Klassenstufe(k->Bezeichnung);
        pruefen(stufe >= stufen->Von && stufe <= stufen->Bis && !bezeichnungen.contains(k->Bezeichnung));
        bezeichnungen.insert(k->Bezeichnung);
        const QSet<TLehrer*> unterrichtende(k->Unterrichtende.begin(), k->Unterrichtende.end());
        pruefen(unterrichtende.size() == k->Unterrichtende.size());
        for (TLehrer* l : k->Unterrichtende)
            pruefen(lehrer.contains(l));
        for (TLehrer* l : k->K_Leitung)
            pruefen(unterrichtende.contains(l) && k->K_Leitung.count(l) == 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    TWechselndeAntworten fragen(groesse);
    const TXmlImport ergebnis = UntisXmlAusBytes(bytes, QStringLiteral("fuzz.xml"), fragen);
    if (!ergebnis.Ok()) {
        pruefen(!ergebnis.Lehrer && !ergebnis.Klassen && ergebnis.Fehler.contains(QStringLiteral("fuzz.xml")));
        return 0;
    }
    pruefen(ergebnis.Lehrer && ergebnis.Klassen);
    pruefen(ergebnis.Abgebrochen == (fragen.StufenGefragt && !fragen.Gewaehlt));
    pruefen(!ergebnis.Abgebrochen || (ergebnis.Lehrer->IsEmpty() && ergebnis.Klassen->IsEmpty()));
    pruefen(ergebnis.Gefunden == (!ergebnis.Lehrer->IsEmpty() || !ergebnis.Klassen->IsEmpty()));
    listenPruefen(ergebnis, fragen.Gewaehlt);
    const TProjektErgebnis zurueck = ProjektAusBytes(ProjektBytes(*ergebnis.Lehrer, *ergebnis.Klassen), QStringLiteral("fuzz.spz"));
    pruefen(zurueck.Ok() && zurueck.Lehrer->Count() == ergebnis.Lehrer->Count() &&
            zurueck.Klassen->Count() == ergebnis.Klassen->Count());
    return 0;
}
