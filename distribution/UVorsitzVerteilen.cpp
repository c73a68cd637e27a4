#include "distribution/UVorsitzVerteilen.h"

#include "editing/UAenderungen.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <deque>
#include <limits>

namespace {

// A small min-cost flow (successive shortest paths, Bellman-Ford on a queue): the networks
// here have a few hundred nodes and unit capacities on most edges.
class TFluss
{
public:
    explicit TFluss(int knoten) : kanten(static_cast<std::size_t>(knoten)) {}

    int Kante(int von, int nach, int kapazitaet, int kosten)
    {
        kanten[static_cast<std::size_t>(von)].push_back({nach, kapazitaet, kosten, static_cast<int>(kanten[static_cast<std::size_t>(nach)].size())});
        kanten[static_cast<std::size_t>(nach)].push_back({von, 0, -kosten, static_cast<int>(kanten[static_cast<std::size_t>(von)].size()) - 1});
        return static_cast<int>(kanten[static_cast<std::size_t>(von)].size()) - 1;
    }
    bool Voll(int von, int index) const { return kanten[static_cast<std::size_t>(von)][static_cast<std::size_t>(index)].rest == 0; }

    // Pushes flow from quelle to senke along cheapest paths, as much as fits.
    int Laufen(int quelle, int senke)
    {
        const int n = static_cast<int>(kanten.size());
        int fluss = 0;
        for (;;) {
            std::vector<int> abstand(static_cast<std::size_t>(n), std::numeric_limits<int>::max());
            std::vector<std::pair<int, int>> vor(static_cast<std::size_t>(n), {-1, -1});
            std::vector<char> inSchlange(static_cast<std::size_t>(n), 0);
            std::deque<int> schlange{quelle};
            abstand[static_cast<std::size_t>(quelle)] = 0;
            while (!schlange.empty()) {
                const int u = schlange.front();
                schlange.pop_front();
                inSchlange[static_cast<std::size_t>(u)] = 0;
                const auto& aus = kanten[static_cast<std::size_t>(u)];
                for (std::size_t i = 0; i < aus.size(); ++i) {
                    const TKante& k = aus[i];
                    const int neu = abstand[static_cast<std::size_t>(u)] + k.kosten;
                    if (k.rest > 0 && neu < abstand[static_cast<std::size_t>(k.nach)]) {
                        abstand[static_cast<std::size_t>(k.nach)] = neu;
                        vor[static_cast<std::size_t>(k.nach)] = {u, static_cast<int>(i)};
                        if (!inSchlange[static_cast<std::size_t>(k.nach)]) {
                            inSchlange[static_cast<std::size_t>(k.nach)] = 1;
                            schlange.push_back(k.nach);
                        }
                    }
                }
            }
            if (abstand[static_cast<std::size_t>(senke)] == std::numeric_limits<int>::max())
                return fluss;
            for (int v = senke; v != quelle;) {
                const auto [u, i] = vor[static_cast<std::size_t>(v)];
                TKante& k = kanten[static_cast<std::size_t>(u)][static_cast<std::size_t>(i)];
                --k.rest;
                ++kanten[static_cast<std::size_t>(v)][static_cast<std::size_t>(k.rueck)].rest;
                v = u;
            }
            ++fluss;
        }
    }

private:
    struct TKante
    {
        int nach, rest, kosten, rueck;
    };
    std::vector<std::vector<TKante>> kanten;
};

// One slot of a plan: its classes by model index.
using TSlot = std::vector<int>;

std::vector<TKlasse*> klassenDesPlans(const TVerteilung& plan, std::vector<TSlot>& fenster)
{
    std::vector<TKlasse*> klassen;
    for (const TGruppe* gruppe : plan) {
        TSlot slot;
        for (TKlasse* k : *gruppe) {
            slot.push_back(static_cast<int>(klassen.size()));
            klassen.push_back(k);
        }
        fenster.push_back(slot);
    }
    return klassen;
}

// The assignment of every class that needs a chair to one of its candidates, with every
// eligible person chairing at most `last` conferences in all (hand-set ones included) and
// one per slot. Returns the person of every class (-1 when unassigned) and whether all got one.
struct TKandidat
{
    int klasse, slot, person, kosten;
};

bool zuteilen(const TVorsitzModell& m, const std::vector<TKandidat>& kandidaten, int brauchen,
              const std::vector<int>& festeLast, int fenster, int last, std::vector<int>& personVon)
{
    const int klassen = m.Klassenzahl();
    const int personen = m.Waehlbare();
    // nodes: source, classes, (slot, person), persons, sink
    const int quelle = 0;
    const int slotPerson = 1 + klassen;
    const int person0 = slotPerson + fenster * personen;
    const int senke = person0 + personen;
    TFluss fluss(senke + 1);
    for (int k = 0; k < klassen; ++k)
        if (m.Braucht(k))
            fluss.Kante(quelle, 1 + k, 1, 0);
    std::vector<int> kante(kandidaten.size());
    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        const TKandidat& c = kandidaten[i];
        kante[i] = fluss.Kante(1 + c.klasse, slotPerson + c.slot * personen + c.person, 1, c.kosten);
    }
    for (int s = 0; s < fenster; ++s)
        for (int p = 0; p < personen; ++p)
            fluss.Kante(slotPerson + s * personen + p, person0 + p, 1, 0);
    for (int p = 0; p < personen; ++p)
        fluss.Kante(person0 + p, senke, std::max(0, last - festeLast[static_cast<std::size_t>(p)]), 0);
    const int erreicht = fluss.Laufen(quelle, senke);
    personVon.assign(static_cast<std::size_t>(klassen), -1);
    for (std::size_t i = 0; i < kandidaten.size(); ++i)
        if (fluss.Voll(1 + kandidaten[i].klasse, kante[i]))
            personVon[static_cast<std::size_t>(kandidaten[i].klasse)] = kandidaten[i].person;
    return erreicht == brauchen;
}

} // namespace

QList<TLehrer*> MarkierteVorsitzende(const TLehrerliste& lehrer)
{
    QList<TLehrer*> markiert;
    for (TLehrer* l : lehrer)
        if (l->DarfLeiten)
            markiert << l;
    return markiert;
}

TVorsitzModell::TVorsitzModell(const std::vector<TKlasse*>& klassen, const QList<TLehrer*>& vorsitzende)
    : klassen(klassen)
{
    QHash<const TLehrer*, int> nummer;
    const auto aufnehmen = [&](TLehrer* l) {
        if (!nummer.contains(l)) {
            nummer.insert(l, static_cast<int>(personen.size()));
            personen.push_back(l);
        }
        return nummer.value(l);
    };
    for (TLehrer* l : vorsitzende)
        aufnehmen(l);
    waehlbar = personen.size();
    for (TKlasse* k : klassen)
        fest.push_back(k->Vorsitz ? aufnehmen(k->Vorsitz) : -1);
    for (TKlasse* k : klassen) {
        std::vector<int> p;
        for (const TLehrer* l : k->Unterrichtende)
            if (nummer.contains(l))
                p.push_back(nummer.value(l));
        std::sort(p.begin(), p.end());
        p.erase(std::unique(p.begin(), p.end()), p.end());
        lehrende.push_back(std::move(p));
    }
}

bool TVorsitzModell::Lehrt(int p, int k) const
{
    const auto& l = lehrende[static_cast<std::size_t>(k)];
    return std::binary_search(l.begin(), l.end(), p);
}

std::vector<int> TVorsitzModell::Kandidaten(const std::vector<int>& slot, int k) const
{
    std::vector<int> kandidaten;
    for (int p = 0; p < Waehlbare(); ++p) {
        bool frei = true;
        for (int andere : slot)
            if (andere != k && (Fest(andere) == p || Lehrt(p, andere))) {
                frei = false;
                break;
            }
        if (frei)
            kandidaten.push_back(p);
    }
    return kandidaten;
}

// A hand-set chair who chairs or teaches another class of the slot breaks the rule
// whatever is assigned: those classes block.
bool TVorsitzModell::festeVerletzt(const std::vector<int>& slot, std::vector<int>* blockierend) const
{
    bool verletzt = false;
    for (int k : slot) {
        const int p = Fest(k);
        if (p < 0)
            continue;
        for (int andere : slot)
            if (andere != k && (Fest(andere) == p || Lehrt(p, andere))) {
                verletzt = true;
                if (blockierend)
                    blockierend->push_back(k);
                break;
            }
    }
    return verletzt;
}

// Kuhn's augmenting paths; when a class stays without a chair, the classes reachable from it
// by alternating paths are a set with fewer candidates than members.
bool TVorsitzModell::SlotZuordnen(const std::vector<int>& slot, std::vector<int>* zuordnung,
                                  std::vector<int>* blockierend) const
{
    if (festeVerletzt(slot, blockierend))
        return false;
    const std::size_t n = slot.size();
    std::vector<std::vector<int>> kandidaten(n);
    for (std::size_t i = 0; i < n; ++i)
        if (Braucht(slot[i]))
            kandidaten[i] = Kandidaten(slot, slot[i]);
    std::vector<int> klasseVon(static_cast<std::size_t>(Waehlbare()), -1); // per person: index in slot
    std::vector<char> besucht;
    const auto erweitern = [&](auto& selbst, std::size_t i) -> bool {
        for (int p : kandidaten[i]) {
            if (besucht[static_cast<std::size_t>(p)])
                continue;
            besucht[static_cast<std::size_t>(p)] = 1;
            const int bisher = klasseVon[static_cast<std::size_t>(p)];
            if (bisher < 0 || selbst(selbst, static_cast<std::size_t>(bisher))) {
                klasseVon[static_cast<std::size_t>(p)] = static_cast<int>(i);
                return true;
            }
        }
        return false;
    };
    bool alle = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (!Braucht(slot[i]))
            continue;
        besucht.assign(static_cast<std::size_t>(Waehlbare()), 0);
        if (erweitern(erweitern, i))
            continue;
        alle = false;
        if (!blockierend)
            return false;
        // besucht now holds the persons reached; their classes and i form the set
        blockierend->push_back(slot[i]);
        for (int p = 0; p < Waehlbare(); ++p)
            if (besucht[static_cast<std::size_t>(p)] && klasseVon[static_cast<std::size_t>(p)] >= 0)
                blockierend->push_back(slot[static_cast<std::size_t>(klasseVon[static_cast<std::size_t>(p)])]);
    }
    if (!alle)
        return false;
    if (zuordnung) {
        zuordnung->assign(n, -1);
        for (std::size_t i = 0; i < n; ++i)
            if (!Braucht(slot[i]))
                (*zuordnung)[i] = Fest(slot[i]);
        for (int p = 0; p < Waehlbare(); ++p)
            if (klasseVon[static_cast<std::size_t>(p)] >= 0)
                (*zuordnung)[static_cast<std::size_t>(klasseVon[static_cast<std::size_t>(p)])] = p;
    }
    return true;
}

TVorsitzZuteilung VorsitzBerechnen(const TVerteilung& plan, const TVorsitzEinstellung& einstellung)
{
    std::vector<TSlot> fenster;
    const TVorsitzModell m(klassenDesPlans(plan, fenster), einstellung.Vorsitzende);
    TVorsitzZuteilung ergebnis;

    std::vector<int> blockierend;
    for (const TSlot& slot : fenster)
        m.SlotZuordnen(slot, nullptr, &blockierend);
    if (!blockierend.empty()) {
        ergebnis.Moeglich = false;
        std::sort(blockierend.begin(), blockierend.end());
        blockierend.erase(std::unique(blockierend.begin(), blockierend.end()), blockierend.end());
        for (int k : blockierend)
            ergebnis.Blockierend << m.Klasse(k);
        return ergebnis;
    }

    std::vector<TKandidat> kandidaten;
    int brauchen = 0;
    for (std::size_t s = 0; s < fenster.size(); ++s)
        for (int k : fenster[s]) {
            if (!m.Braucht(k))
                continue;
            ++brauchen;
            for (int p : m.Kandidaten(fenster[s], k))
                kandidaten.push_back({k, static_cast<int>(s), p, m.Lehrt(p, k) != einstellung.EigeneBevorzugen ? 1 : 0});
        }
    std::vector<int> festeLast(static_cast<std::size_t>(m.Waehlbare()), 0);
    for (int k = 0; k < m.Klassenzahl(); ++k)
        if (!m.Braucht(k) && m.Fest(k) < m.Waehlbare())
            ++festeLast[static_cast<std::size_t>(m.Fest(k))];

    // the smallest largest load that still gives every class its chair
    std::vector<int> personVon;
    const int slotzahl = static_cast<int>(fenster.size());
    int unten = 0, oben = brauchen + (festeLast.empty() ? 0 : *std::max_element(festeLast.begin(), festeLast.end()));
    while (unten < oben) {
        const int mitte = (unten + oben) / 2;
        if (zuteilen(m, kandidaten, brauchen, festeLast, slotzahl, mitte, personVon))
            oben = mitte;
        else
            unten = mitte + 1;
    }
    zuteilen(m, kandidaten, brauchen, festeLast, slotzahl, unten, personVon);

    std::vector<int> last = festeLast;
    for (int k = 0; k < m.Klassenzahl(); ++k) {
        const int p = personVon[static_cast<std::size_t>(k)];
        if (p < 0)
            continue;
        ++last[static_cast<std::size_t>(p)];
        ergebnis.Neu << qMakePair(m.Klasse(k), m.Person(p));
        if (m.Lehrt(p, k))
            ++ergebnis.EigeneKlassen;
    }
    if (!last.empty()) {
        ergebnis.HoechsteLast = *std::max_element(last.begin(), last.end());
        ergebnis.NiedrigsteLast = *std::min_element(last.begin(), last.end());
    }
    return ergebnis;
}

TVorsitzZuteilung VorsitzVerteilen(const TVerteilung& plan, const TVorsitzEinstellung& einstellung)
{
    TVorsitzZuteilung ergebnis = VorsitzBerechnen(plan, einstellung);
    for (const auto& [klasse, lehrer] : ergebnis.Neu)
        VorsitzSetzen({klasse}, lehrer);
    return ergebnis;
}

QString BlockiertText(const QList<TKlasse*>& klassen)
{
    QStringList namen;
    for (const TKlasse* k : klassen)
        namen << k->Bezeichnung;
    return QStringLiteral("Diese Klassen können keinen Vorsitz erhalten: %1.").arg(namen.join(QStringLiteral(", ")));
}

namespace {

std::vector<TKlasse*> klassenNachRang(const TSuche& suche)
{
    std::vector<TKlasse*> klassen;
    for (int r = 0; r < suche.Klassenzahl(); ++r)
        klassen.push_back(suche.KlasseVonRang(r));
    return klassen;
}

std::vector<TSlot> slotsDesPlans(const TPlan& plan)
{
    std::vector<TSlot> fenster(static_cast<std::size_t>(plan.Mass.Zeilen));
    for (std::size_t r = 0; r < plan.GruppeVon.size(); ++r)
        fenster[static_cast<std::size_t>(plan.GruppeVon[r])].push_back(static_cast<int>(r));
    return fenster;
}

} // namespace

TVorsitzRegel::TVorsitzRegel(const TSuche& suche, const QList<TLehrer*>& vorsitzende)
    : modell(klassenNachRang(suche), vorsitzende)
{
}

QList<TKlasse*> TVorsitzRegel::Blockierend() const
{
    QList<TKlasse*> klassen;
    if (modell.Waehlbare() == 0)
        for (int k = 0; k < modell.Klassenzahl(); ++k)
            if (modell.Braucht(k))
                klassen << modell.Klasse(k);
    return klassen;
}

bool TVorsitzRegel::PlanMoeglich(const TPlan& plan) const
{
    for (const TSlot& slot : slotsDesPlans(plan))
        if (!modell.SlotZuordnen(slot))
            return false;
    return true;
}

TPlan TVorsitzRegel::Reparieren(const TPlan& plan, const TKonfliktgraph& graph, int grenze) const
{
    std::vector<TSlot> fenster = slotsDesPlans(plan);
    std::vector<int> heimatlos;
    for (TSlot& slot : fenster) {
        std::vector<int> blockierend;
        while (!modell.SlotZuordnen(slot, nullptr, &blockierend)) {
            // the first class of the blocking set leaves; a set that blocks has one that needs a chair
            const auto weg = std::find_if(blockierend.begin(), blockierend.end(), [&](int k) { return modell.Braucht(k); });
            const int klasse = weg != blockierend.end() ? *weg : blockierend.front();
            slot.erase(std::find(slot.begin(), slot.end(), klasse));
            heimatlos.push_back(klasse);
            blockierend.clear();
        }
    }
    for (int klasse : heimatlos) {
        bool platziert = false;
        for (TSlot& slot : fenster) {
            if (static_cast<int>(slot.size()) >= grenze
                || std::any_of(slot.begin(), slot.end(), [&](int k) { return graph.Konflikt(k, klasse); }))
                continue;
            slot.push_back(klasse);
            if (modell.SlotZuordnen(slot)) {
                platziert = true;
                break;
            }
            slot.pop_back();
        }
        if (!platziert)
            fenster.push_back({klasse});
    }
    std::vector<int> gruppeVon(plan.GruppeVon.size(), -1);
    for (std::size_t s = 0; s < fenster.size(); ++s)
        for (int k : fenster[s])
            gruppeVon[static_cast<std::size_t>(k)] = static_cast<int>(s);
    return PlanAusGruppen(gruppeVon);
}

TVorsitzSchranke VorsitzUntergrenze(int ohne, int n, int grenze, int vorsitzende)
{
    TVorsitzSchranke schranke;
    schranke.Vorsitzende = vorsitzende;
    const int jeSlot = std::clamp(vorsitzende, 1, std::max(1, grenze));
    schranke.Zeilen = n < 2 ? ohne : std::max(ohne, (n + jeSlot - 1) / jeSlot);
    schranke.DurchVorsitz = schranke.Zeilen > ohne;
    return schranke;
}

int VorsitzPersonen(const TKlassenliste& klassen, const QList<TLehrer*>& vorsitzende)
{
    QSet<const TLehrer*> personen(vorsitzende.begin(), vorsitzende.end());
    for (const TKlasse* k : klassen)
        if (k->Vorsitz)
            personen.insert(k->Vorsitz);
    return static_cast<int>(personen.size());
}

QString VorsitzSchrankeText(const TVorsitzSchranke& schranke)
{
    return QStringLiteral("Mit %1 Vorsitzenden sind mindestens %2 Zeitfenster nötig.")
        .arg(schranke.Vorsitzende)
        .arg(schranke.Zeilen);
}
