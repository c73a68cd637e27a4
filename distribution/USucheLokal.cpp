#include "distribution/USucheLokal.h"

#include <algorithm>
#include <climits>

TPlan PlanAusGruppen(const std::vector<int>& gruppeVon)
{
    TPlan plan;
    if (gruppeVon.empty())
        return plan;
    const int hoechste = *std::max_element(gruppeVon.begin(), gruppeVon.end());
    std::vector<int> groesse(static_cast<std::size_t>(hoechste) + 1, 0);
    for (int g : gruppeVon)
        ++groesse[static_cast<std::size_t>(g)];
    std::vector<int> neu(groesse.size(), -1);
    for (std::size_t g = 0; g < groesse.size(); ++g)
        if (groesse[g] > 0) {
            neu[g] = plan.Mass.Zeilen++;
            plan.Mass.Spalten = std::max(plan.Mass.Spalten, groesse[g]);
        }
    plan.GruppeVon.reserve(gruppeVon.size());
    for (int g : gruppeVon)
        plan.GruppeVon.push_back(neu[static_cast<std::size_t>(g)]);
    return plan;
}

TLokaleSuche::TLokaleSuche(const TKonfliktgraph& graph) : graph(graph) {}

TPlan TLokaleSuche::Vervollstaendigt() const
{
    std::vector<int> ganz = gruppeVon;
    std::vector<std::vector<int>> neu;
    for (int klasse : ohneGruppe) {
        std::size_t g = 0;
        while (g < neu.size() && (static_cast<int>(neu[g].size()) >= kapazitaet ||
                                  std::any_of(neu[g].begin(), neu[g].end(),
                                              [&](int andere) { return graph.Konflikt(klasse, andere); })))
            ++g;
        if (g == neu.size())
            neu.emplace_back();
        neu[g].push_back(klasse);
        ganz[static_cast<std::size_t>(klasse)] = gruppen + static_cast<int>(g);
    }
    return PlanAusGruppen(ganz);
}

void TLokaleSuche::Beginnen(const std::vector<int>& start, int anzahlGruppen, int kap)
{
    const int n = graph.Anzahl();
    gruppen = std::max(1, anzahlGruppen);
    kapazitaet = std::max(1, kap);
    gruppeVon.assign(static_cast<std::size_t>(n), -1);
    mitglieder.assign(static_cast<std::size_t>(gruppen), {});
    konfliktZahl.assign(static_cast<std::size_t>(n) * gruppen, 0);
    gewichtImKonflikt.assign(static_cast<std::size_t>(n) * gruppen, 0);
    gewicht.assign(static_cast<std::size_t>(n), 1);
    tabuBis.assign(static_cast<std::size_t>(n) * gruppen, 0);
    ohneGruppe.clear();
    stelleOhneGruppe.assign(static_cast<std::size_t>(n), -1);
    zug = 0;
    letzterFortschritt = 0;
    for (int klasse = 0; klasse < n; ++klasse) {
        stelleOhneGruppe[static_cast<std::size_t>(klasse)] = static_cast<int>(ohneGruppe.size());
        ohneGruppe.push_back(klasse);
    }
    for (int klasse = 0; klasse < n; ++klasse) {
        const int g = start[static_cast<std::size_t>(klasse)];
        if (g >= 0 && g < gruppen)
            einsetzen(klasse, g);
    }
    wenigsteOhneGruppe = ohneGruppe.size();
}

bool TLokaleSuche::Arbeiten(long zuege, TZufall& zufall)
{
    for (long i = 0; i < zuege && !ohneGruppe.empty(); ++i) {
        aufwand += 1 + static_cast<long long>(ohneGruppe.size()) * gruppen / 32;
        ziehen(zugWaehlen(zufall), zufall);
        for (int klasse : ohneGruppe)
            ++gewicht[static_cast<std::size_t>(klasse)];
        if (ohneGruppe.size() < wenigsteOhneGruppe) {
            wenigsteOhneGruppe = ohneGruppe.size();
            letzterFortschritt = zug;
        }
    }
    return ohneGruppe.empty();
}

// Of all places for all classes without a group, the one that leaves the least weight
// without a group, among equals one at random. A tabu move is allowed only when it leads
// below the fewest classes without a group reached so far. When every move is tabu, any
// move is taken.
TLokaleSuche::TZug TLokaleSuche::zugWaehlen(TZufall& zufall) const
{
    TZug bester;
    long long besterWert = LLONG_MAX;
    std::uint32_t gleiche = 0;
    const int ohne = static_cast<int>(ohneGruppe.size());
    for (int klasse : ohneGruppe)
        for (int g = 0; g < gruppen; ++g) {
            const int raus = konflikte(klasse, g);
            const int bleiben = static_cast<int>(mitglieder[static_cast<std::size_t>(g)].size()) - raus;
            const int anzahl = raus + (bleiben >= kapazitaet ? 1 : 0) - 1;
            long long wert = konfliktGewicht(klasse, g) - gewicht[static_cast<std::size_t>(klasse)];
            if (bleiben >= kapazitaet)
                wert += leichtesteOhneKonflikt(klasse, g);
            if (wert > besterWert)
                continue;
            if (tabu(klasse, g) > zug && ohne + anzahl >= static_cast<int>(wenigsteOhneGruppe))
                continue;
            if (wert < besterWert) {
                besterWert = wert;
                gleiche = 0;
            }
            if (zufall.Ziehen(++gleiche) == 0)
                bester = {klasse, g};
        }
    if (bester.klasse < 0)
        bester = {ohneGruppe[zufall.Ziehen(static_cast<std::uint32_t>(ohne))],
                  static_cast<int>(zufall.Ziehen(static_cast<std::uint32_t>(gruppen)))};
    return bester;
}

// The least weight of a class in the group that does not conflict with `klasse`: what
// placing it in a full group costs at least.
long long TLokaleSuche::leichtesteOhneKonflikt(int klasse, int gruppe) const
{
    long long leichteste = LLONG_MAX;
    for (int andere : mitglieder[static_cast<std::size_t>(gruppe)])
        if (!graph.Konflikt(klasse, andere))
            leichteste = std::min(leichteste, gewicht[static_cast<std::size_t>(andere)]);
    return leichteste == LLONG_MAX ? 0 : leichteste;
}

void TLokaleSuche::ziehen(TZug z, TZufall& zufall)
{
    ++zug;
    // the tenure grows with the classes without a group, as usual for this kind of search
    const long tenure = static_cast<long>(ohneGruppe.size()) * 6 / 10 + static_cast<long>(zufall.Ziehen(10)) + 1;
    std::vector<int>& gruppe = mitglieder[static_cast<std::size_t>(z.gruppe)];
    for (std::size_t i = gruppe.size(); i-- > 0;)
        if (graph.Konflikt(z.klasse, gruppe[i]))
            herausnehmen(gruppe[i], z.gruppe, zug + tenure);
    if (static_cast<int>(gruppe.size()) >= kapazitaet)
        herausnehmen(zuVerdraengen(z.gruppe, zufall), z.gruppe, zug + tenure);
    einsetzen(z.klasse, z.gruppe);
}

// The member of a full group that has to leave for a newcomer: the one that fits most
// easily into another group (fewest conflicts there, counting a full group as one more).
int TLokaleSuche::zuVerdraengen(int gruppe, TZufall& zufall) const
{
    int beste = -1;
    int besterWert = INT_MAX;
    std::uint32_t gleiche = 0;
    for (int klasse : mitglieder[static_cast<std::size_t>(gruppe)]) {
        int wert = INT_MAX;
        for (int g = 0; g < gruppen; ++g)
            if (g != gruppe)
                wert = std::min(wert, konflikte(klasse, g) +
                                          (static_cast<int>(mitglieder[static_cast<std::size_t>(g)].size()) >= kapazitaet ? 1 : 0));
        if (wert < besterWert) {
            besterWert = wert;
            gleiche = 0;
        }
        if (wert == besterWert && zufall.Ziehen(++gleiche) == 0)
            beste = klasse;
    }
    return beste;
}

void TLokaleSuche::einsetzen(int klasse, int gruppe)
{
    const auto k = static_cast<std::size_t>(klasse);
    const int stelle = stelleOhneGruppe[k];
    const int letzte = ohneGruppe.back();
    ohneGruppe[static_cast<std::size_t>(stelle)] = letzte;
    stelleOhneGruppe[static_cast<std::size_t>(letzte)] = stelle;
    ohneGruppe.pop_back();
    stelleOhneGruppe[k] = -1;
    gruppeVon[k] = gruppe;
    mitglieder[static_cast<std::size_t>(gruppe)].push_back(klasse);
    for (int nachbar : graph.Nachbarn(klasse)) {
        ++konflikte(nachbar, gruppe);
        konfliktGewicht(nachbar, gruppe) += gewicht[k];
    }
}

void TLokaleSuche::herausnehmen(int klasse, int gruppe, long tabuEnde)
{
    const auto k = static_cast<std::size_t>(klasse);
    std::vector<int>& m = mitglieder[static_cast<std::size_t>(gruppe)];
    m.erase(std::find(m.begin(), m.end(), klasse));
    gruppeVon[k] = -1;
    stelleOhneGruppe[k] = static_cast<int>(ohneGruppe.size());
    ohneGruppe.push_back(klasse);
    tabuBis[k * gruppen + gruppe] = tabuEnde;
    for (int nachbar : graph.Nachbarn(klasse)) {
        --konflikte(nachbar, gruppe);
        konfliktGewicht(nachbar, gruppe) -= gewicht[k];
    }
}
