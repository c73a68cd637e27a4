#include "distribution/USuche.h"

#include "planning/UFunctions.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <stdexcept>

namespace {

// The rank of every class of the list in class order (grade level, then designation).
// Classes that the class order holds equal keep their order in the list, so the ranks
// are distinct. The grade level is worked out once per class, not once per comparison.
std::vector<int> raengeInKlassenordnung(const TKlassenliste& klassen)
{
    std::vector<const TKlasse*> klasse;
    std::vector<int> stufe;
    for (const TKlasse* k : klassen) {
        klasse.push_back(k);
        stufe.push_back(Klassenstufe(k->Bezeichnung));
    }
    std::vector<int> position(klasse.size());
    std::iota(position.begin(), position.end(), 0);
    std::sort(position.begin(), position.end(), [&](int a, int b) {
        if (stufe[a] != stufe[b])
            return stufe[a] < stufe[b];
        const int text = TextVergleich(klasse[a]->Bezeichnung, klasse[b]->Bezeichnung);
        return text != 0 ? text < 0 : a < b;
    });
    std::vector<int> rang(klasse.size());
    for (std::size_t r = 0; r < position.size(); ++r)
        rang[position[r]] = static_cast<int>(r);
    return rang;
}

// Moves the entries ab[1] .. ab[anzahl] one place to the left, a block at a time: each
// block is read before it is written, so the overlap does no harm. Up to a block beyond
// is read and written; the buffer has room for that.
constexpr int blockgroesse = 4;
void linksRuecken(int* ab, int anzahl)
{
    for (int k = 0; k < anzahl; k += blockgroesse) {
        int block[blockgroesse];
        std::memcpy(block, ab + k + 1, sizeof block);
        std::memcpy(ab + k, block, sizeof block);
    }
}

// Pairs (person, class rank); all classes of one person conflict with each other. The
// pairs are sorted by person and the conflicts of each person's classes are or-ed into
// the bit sets of those classes.
template <class Person>
void gemeinsamePersonenEintragen(std::vector<std::pair<Person, int>>& eintraege, TBitwort* bits, int woerter)
{
    std::sort(eintraege.begin(), eintraege.end(),
              [](const auto& a, const auto& b) { return std::less<Person>()(a.first, b.first); });
    std::vector<TBitwort> klassenDerPerson(woerter, 0);
    for (std::size_t anfang = 0; anfang < eintraege.size();) {
        std::size_t ende = anfang;
        while (ende < eintraege.size() && eintraege[ende].first == eintraege[anfang].first)
            BitSetzen(klassenDerPerson.data(), eintraege[ende++].second);
        for (std::size_t i = anfang; i < ende; ++i) {
            TBitwort* ziel = bits + static_cast<std::size_t>(eintraege[i].second) * woerter;
            for (int w = 0; w < woerter; ++w)
                ziel[w] |= klassenDerPerson[w];
        }
        std::fill(klassenDerPerson.begin(), klassenDerPerson.end(), 0);
        anfang = ende;
    }
}

// The IDs of a class's parent representatives; the same number means the same person,
// whatever way it is written. A representative without an ID is nobody else.
QStringList elternIDs(const TKlasse& klasse)
{
    QStringList ids;
    for (const TEltern* eltern : klasse.Elternvertreter) {
        bool zahl = false;
        const qlonglong wert = eltern->ID.trimmed().toLongLong(&zahl);
        const QString id = zahl ? QString::number(wert) : eltern->ID.trimmed();
        if (!id.isEmpty())
            ids << id;
    }
    return ids;
}

} // namespace

TSuche::TSuche(const TKlassenliste& klassen, TKonfliktArten arten)
    : arten(arten), anzahl(klassen.Count()), woerter(Bitwoerter(klassen.Count()))
{
    const std::vector<int> rang = raengeInKlassenordnung(klassen);
    klasseVonRang.resize(anzahl);
    startreihe.resize(anzahl);
    int position = 0;
    for (TKlasse* klasse : klassen) {
        stand.push_back({klasse, klasse->Bezeichnung, klasse->Unterrichtende, arten.Vorsitz ? klasse->Vorsitz : nullptr,
                         arten.Eltern ? elternIDs(*klasse) : QStringList()});
        klasseVonRang[rang[position]] = klasse;
        startreihe[position] = rang[position];
        ++position;
    }
    konflikteEintragen(klassen, rang);
    unverbraucht.resize(anzahl + blockgroesse);
    reihe.resize(anzahl);
    slotMasken.resize(static_cast<std::size_t>(anzahl + 1) * woerter);
    slotGruppe.resize(anzahl);
    slotGroesse.resize(anzahl);
    gruppeVon.resize(anzahl);
    gemerkteGruppeVon.resize(anzahl);
}

// Two classes conflict when one teacher record stands in both teacher lists, or, when
// those kinds count, when they have the same chair (a chair who teaches the other class
// counts too) or a parent representative with the same ID.
void TSuche::konflikteEintragen(const TKlassenliste& klassen, const std::vector<int>& rangVonPosition)
{
    std::vector<std::pair<const TLehrer*, int>> lehrkraefte;
    std::vector<std::pair<QString, int>> eltern;
    int position = 0;
    for (const TKlasse* klasse : klassen) {
        const int rang = rangVonPosition[position];
        for (const TLehrer* lehrer : klasse->Unterrichtende)
            lehrkraefte.emplace_back(lehrer, rang);
        const TStand& s = stand[position++];
        if (s.vorsitz)
            lehrkraefte.emplace_back(s.vorsitz, rang);
        for (const QString& id : s.elternIDs)
            eltern.emplace_back(id, rang);
    }
    konfliktBits.assign(static_cast<std::size_t>(anzahl) * woerter, 0);
    gemeinsamePersonenEintragen(lehrkraefte, konfliktBits.data(), woerter);
    gemeinsamePersonenEintragen(eltern, konfliktBits.data(), woerter);
}

bool TSuche::Passt(const TKlassenliste& klassen) const
{
    if (klassen.Count() != anzahl)
        return false;
    auto s = stand.begin();
    for (const TKlasse* klasse : klassen) {
        if (klasse != s->klasse || klasse->Bezeichnung != s->bezeichnung || klasse->Unterrichtende != s->unterrichtende)
            return false;
        if (arten.Vorsitz && klasse->Vorsitz != s->vorsitz)
            return false;
        if (arten.Eltern && elternIDs(*klasse) != s->elternIDs)
            return false;
        ++s;
    }
    return true;
}

TVerteilungsMass TSuche::Durchlauf(int limit, TZufall& zufall)
{
    if (anzahl < 2) {
        letztes = TVerteilungsMass{};
        return letztes;
    }
    mischen(zufall);
    letztes = fuellen(limit);
    return letztes;
}

TVerteilungsMass TSuche::Fuellen(const QList<TKlasse*>& reihenfolge, int limit)
{
    if (reihenfolge.size() != anzahl)
        throw std::invalid_argument("Die Reihenfolge muss jede Klasse genau einmal enthalten.");
    std::vector<bool> vergeben(anzahl, false);
    for (int i = 0; i < anzahl; ++i) {
        const auto gefunden = std::find(klasseVonRang.begin(), klasseVonRang.end(), reihenfolge[i]);
        const auto rang = static_cast<int>(gefunden - klasseVonRang.begin());
        if (gefunden == klasseVonRang.end() || vergeben[rang])
            throw std::invalid_argument("Die Reihenfolge muss jede Klasse genau einmal enthalten.");
        vergeben[rang] = true;
        reihe[i] = rang;
    }
    letztes = fuellen(limit);
    return letztes;
}

// Draws i below r for r = n down to 2 and takes the i-th of the classes not yet drawn,
// which keep their order of the list. The first class of the order is the one never
// drawn, the others follow in the order they were drawn. This is the same order as
// moving the drawn entry to the end of one working list each time.
void TSuche::mischen(TZufall& zufall)
{
    std::copy(startreihe.begin(), startreihe.end(), unverbraucht.begin());
    for (int r = anzahl; r >= 2; --r) {
        const auto i = static_cast<int>(zufall.Ziehen(static_cast<std::uint32_t>(r)));
        reihe[anzahl - r + 1] = unverbraucht[i];
        linksRuecken(unverbraucht.data() + i, r - 1 - i);
    }
    reihe[0] = unverbraucht[0];
}

// The open groups stand in slots in the order they were opened. Word w of the conflict
// set of slot t is slotMasken[w * (anzahl + 1) + t], so trying a class against the slots
// reads one column. The entry after the last open slot is always 0 and stops the search.
inline int TSuche::ersterPassenderSlot(int klasse) const
{
    const TWort* spalte = slotSpalte(klasse / BitsProWort);
    const int bit = klasse % BitsProWort;
    int slot = 0;
    while ((spalte[slot] >> bit) & 1u)
        ++slot;
    return slot;
}

// The new slot is the stop entry, already 0; the next entry becomes the stop entry.
inline void TSuche::slotOeffnen(int slot, int gruppe)
{
    slotGruppe[slot] = gruppe;
    slotGroesse[slot] = 0;
    for (int w = 0; w < woerter; ++w)
        slotSpalte(w)[slot + 1] = 0;
}

inline void TSuche::slotSperren(int slot, const TWort* klassen)
{
    for (int w = 0; w < woerter; ++w)
        slotSpalte(w)[slot] |= klassen[w];
}

// A full group leaves its slot; the later slots and the stop entry close up.
inline void TSuche::slotSchliessen(int slot, int offen)
{
    std::copy(slotGruppe.begin() + slot + 1, slotGruppe.begin() + offen, slotGruppe.begin() + slot);
    std::copy(slotGroesse.begin() + slot + 1, slotGroesse.begin() + offen, slotGroesse.begin() + slot);
    for (int w = 0; w < woerter; ++w)
        std::copy(slotSpalte(w) + slot + 1, slotSpalte(w) + offen + 1, slotSpalte(w) + slot);
}

// Filling the groups one after the other, each by one scan over the classes left, gives
// the same groups as placing the classes one by one, in order, into the first group that
// is not full and holds no class they conflict with, or else into a new group: a class
// meets the same earlier members of every group either way. The second form needs no
// working list, and only the groups that are not full yet are tried.
TVerteilungsMass TSuche::fuellen(int limit)
{
    const int grenze = std::max(limit, 1);
    TVerteilungsMass mass{0, 0};
    int offen = 0;
    for (int w = 0; w < woerter; ++w)
        slotSpalte(w)[0] = 0;
    for (int p = 0; p < anzahl; ++p) {
        const int klasse = reihe[p];
        const int slot = ersterPassenderSlot(klasse);
        if (slot == offen)
            slotOeffnen(offen++, mass.Zeilen++);
        const int groesse = ++slotGroesse[slot];
        gruppeVon[klasse] = slotGruppe[slot];
        mass.Spalten = std::max(mass.Spalten, groesse);
        if (groesse == grenze)
            slotSchliessen(slot, offen--);
        else
            slotSperren(slot, Konflikte(klasse));
    }
    return mass;
}

void TSuche::Merken()
{
    gemerkteGruppeVon = gruppeVon;
    gemerktes = letztes;
}

std::unique_ptr<TVerteilung> TSuche::LetzteVerteilung() const
{
    return VerteilungAus(gruppeVon, letztes.Zeilen);
}

std::unique_ptr<TVerteilung> TSuche::GemerkteVerteilung() const
{
    return VerteilungAus(gemerkteGruppeVon, gemerktes.Zeilen);
}

// Walking the ranks upwards puts the classes of each group in class order, and a group
// is placed when its lowest class is reached, so the groups come out in class order of
// their first classes without any sorting.
std::unique_ptr<TVerteilung> TSuche::VerteilungAus(const std::vector<int>& gruppeVonRang, int zeilen) const
{
    auto verteilung = std::make_unique<TVerteilung>();
    if (zeilen == 0)
        return verteilung;
    std::vector<int> groesse(zeilen, 0);
    for (int rang = 0; rang < anzahl; ++rang)
        ++groesse[gruppeVonRang[rang]];
    std::vector<TGruppe*> gruppen(zeilen, nullptr);
    for (int rang = 0; rang < anzahl; ++rang) {
        const int g = gruppeVonRang[rang];
        if (!gruppen[g]) {
            gruppen[g] = verteilung->Add(std::make_unique<TGruppe>());
            gruppen[g]->reserve(groesse[g]);
        }
        gruppen[g]->append(klasseVonRang[rang]);
    }
    return verteilung;
}
