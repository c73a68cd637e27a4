#include "distribution/UGruppenEntscheidung.h"

#include "distribution/UVerzweigung.h"

#include <cadical.hpp>

#include <algorithm>
#include <numeric>

// Lets the solver end a slice when another thread asks for it.
class TGruppenEntscheidung::TAbbruch : public CaDiCaL::Terminator
{
public:
    explicit TAbbruch(const std::atomic<bool>& flag) : flag(flag) {}
    bool terminate() override { return flag.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>& flag;
};

namespace {

// What the model and the solver's conflicts cost in units: a clause written, and a conflict
// one unit per this many variables of the model.
constexpr long long variablenProEinheit = 4;
constexpr long long einheitenProKlausel = 2;
// The branch and bound tried first, each attempt anew with this many nodes at most; a node
// costs one unit per 32 pairs of class and group.
constexpr long verzweigungsKnoten[] = {2000, 10000};

} // namespace

TGruppenEntscheidung::TGruppenEntscheidung(const TKonfliktgraph& graph, int gruppen, int kapazitaet,
                                           std::vector<int> clique)
    : graph(graph), gruppen(std::max(0, gruppen)), kapazitaet(std::max(1, kapazitaet)), clique(std::move(clique))
{
    locker.Kapazitaet = false;
}

TGruppenEntscheidung::~TGruppenEntscheidung() = default;

void TGruppenEntscheidung::Verbieten(int klasse, int gruppe)
{
    if (!voll.Loeser && klasse >= 0 && klasse < graph.Anzahl() && gruppe >= 0 && gruppe < gruppen)
        verboten.emplace_back(klasse, gruppe);
}

void TGruppenEntscheidung::HoechstensJeGruppe(const std::vector<int>& klassen, int anzahl)
{
    if (!voll.Loeser)
        hoechstensRegeln.emplace_back(klassen, std::max(0, anzahl));
}

void TGruppenEntscheidung::klausel(TModell& modell, std::initializer_list<int> literale)
{
    for (int l : literale)
        modell.Loeser->add(l);
    modell.Loeser->add(0);
    arbeit += einheitenProKlausel;
}

// At most `anzahl` of the literals true: the sequential counter, whose variable s(i, j)
// says that at least j + 1 of the first i + 1 literals are true.
void TGruppenEntscheidung::hoechstens(TModell& modell, const std::vector<int>& literale, int anzahl)
{
    const int n = static_cast<int>(literale.size());
    if (anzahl >= n)
        return;
    if (anzahl == 0) {
        for (int l : literale)
            klausel(modell, {-l});
        return;
    }
    const int basis = modell.NaechsteVariable;
    modell.NaechsteVariable += (n - 1) * anzahl;
    const auto s = [basis, anzahl](int i, int j) { return basis + i * anzahl + j + 1; };
    for (int i = 0; i < n - 1; ++i) {
        const int x = literale[static_cast<std::size_t>(i)];
        klausel(modell, {-x, s(i, 0)});
        if (i == 0) {
            for (int j = 1; j < anzahl; ++j)
                klausel(modell, {-s(0, j)});
            continue;
        }
        klausel(modell, {-s(i - 1, 0), s(i, 0)});
        for (int j = 1; j < anzahl; ++j) {
            klausel(modell, {-x, -s(i - 1, j - 1), s(i, j)});
            klausel(modell, {-s(i - 1, j), s(i, j)});
        }
        klausel(modell, {-x, -s(i - 1, anzahl - 1)});
    }
    klausel(modell, {-literale[static_cast<std::size_t>(n - 1)], -s(n - 2, anzahl - 1)});
}

void TGruppenEntscheidung::aufbauen(TModell& modell)
{
    modell.Loeser = std::make_unique<CaDiCaL::Solver>();
    CaDiCaL::Solver& loeser = *modell.Loeser;
    loeser.set("quiet", 1); // it would note on stdout that a clause is false from the start
    if (!abbruch)
        abbruch = std::make_unique<TAbbruch>(abbrechen);
    loeser.connect_terminator(abbruch.get());
    const int n = graph.Anzahl();
    modell.NaechsteVariable = n * gruppen;
    if (static_cast<int>(clique.size()) > gruppen || static_cast<long long>(gruppen) * kapazitaet < n) {
        antwort = TAntwort::Nein;
        return;
    }
    // the highest group open to each class: the clique in the first groups, the other
    // classes (most conflicts first) each at most one group beyond the classes before it
    std::vector<int> hoechste(static_cast<std::size_t>(n), gruppen - 1);
    if (verboten.empty()) {
        std::vector<bool> inClique(static_cast<std::size_t>(n), false);
        for (std::size_t i = 0; i < clique.size(); ++i) {
            inClique[static_cast<std::size_t>(clique[i])] = true;
            klausel(modell, {variable(clique[i], static_cast<int>(i))});
        }
        std::vector<int> rest;
        for (int k = 0; k < n; ++k)
            if (!inClique[static_cast<std::size_t>(k)])
                rest.push_back(k);
        std::stable_sort(rest.begin(), rest.end(),
                         [this](int a, int b) { return graph.Nachbarn(a).size() > graph.Nachbarn(b).size(); });
        for (std::size_t i = 0; i < rest.size(); ++i)
            hoechste[static_cast<std::size_t>(rest[i])] =
                std::min(gruppen - 1, static_cast<int>(clique.size() + i));
    }
    for (const auto& [klasse, gruppe] : verboten)
        klausel(modell, {-variable(klasse, gruppe)});
    for (int k = 0; k < n; ++k) {
        for (int g = 0; g <= hoechste[static_cast<std::size_t>(k)]; ++g)
            loeser.add(variable(k, g));
        loeser.add(0);
        arbeit += einheitenProKlausel;
        for (int g = hoechste[static_cast<std::size_t>(k)] + 1; g < gruppen; ++g)
            klausel(modell, {-variable(k, g)});
        for (int andere : graph.Nachbarn(k))
            if (andere > k)
                for (int g = 0; g <= std::min(hoechste[static_cast<std::size_t>(k)], hoechste[static_cast<std::size_t>(andere)]); ++g)
                    klausel(modell, {-variable(k, g), -variable(andere, g)});
    }
    for (int g = 0; g < gruppen; ++g) {
        std::vector<int> offen;
        for (int k = 0; k < n; ++k)
            if (g <= hoechste[static_cast<std::size_t>(k)])
                offen.push_back(variable(k, g));
        if (modell.Kapazitaet)
            hoechstens(modell, offen, kapazitaet);
        for (const auto& [klassen, anzahl] : hoechstensRegeln) {
            std::vector<int> literale;
            for (int k : klassen)
                if (k >= 0 && k < n && g <= hoechste[static_cast<std::size_t>(k)])
                    literale.push_back(variable(k, g));
            hoechstens(modell, literale, anzahl);
        }
    }
}

// One attempt of the branch and bound; true when it answered.
bool TGruppenEntscheidung::verzweigen()
{
    const long knoten = verzweigungsKnoten[verzweigungen++];
    const TBeweis beweis = GruppenBeweisen(graph, gruppen, kapazitaet, knoten);
    arbeit += beweis.Knoten * (1 + static_cast<long long>(graph.Anzahl()) * gruppen / 32);
    if (beweis.Antwort == ::TAntwort::Offen)
        return false;
    antwort = beweis.Antwort == ::TAntwort::Ja ? TAntwort::Ja : TAntwort::Nein;
    gruppeVon = beweis.GruppeVon;
    return true;
}

// The relaxation without the counters pays only while the counters are a rule at all.
bool TGruppenEntscheidung::lockerNoetig() const
{
    return kapazitaet < graph.Anzahl();
}

TGruppenEntscheidung::TAntwort TGruppenEntscheidung::Arbeiten(long long einheiten)
{
    if (antwort != TAntwort::Offen || abbrechen)
        return antwort;
    // the branch and bound knows no rules beyond the conflicts and the capacity
    if (!voll.Loeser && !locker.Loeser && verboten.empty() && hoechstensRegeln.empty() &&
        verzweigungen < static_cast<int>(std::size(verzweigungsKnoten))) {
        verzweigen();
        return antwort;
    }
    if (!voll.Loeser) {
        aufbauen(voll);
        if (antwort != TAntwort::Offen)
            return antwort;
        if (lockerNoetig())
            aufbauen(locker);
    }
    // while both run, the relaxation gets two thirds of the work: it answers most questions
    // that the counters do not decide
    TModell& modell = locker.Loeser && locker.Arbeit <= 2 * voll.Arbeit ? locker : voll;
    loesen(modell, einheiten);
    if (antwort != TAntwort::Offen) {
        // the answer stays; the solvers' memory goes
        voll.Loeser.reset();
        locker.Loeser.reset();
    }
    return antwort;
}

// A slice of the solver of one model. A plan of the relaxation answers only when no group
// holds more classes than allowed; otherwise the relaxation has done its part and ends.
void TGruppenEntscheidung::loesen(TModell& modell, long long einheiten)
{
    const long long proKonflikt = 1 + modell.NaechsteVariable / variablenProEinheit;
    const long long konflikte = std::clamp(einheiten / proKonflikt, 1LL, 1LL << 30);
    modell.Loeser->limit("conflicts", static_cast<int>(konflikte));
    const int ergebnis = modell.Loeser->solve();
    arbeit += konflikte * proKonflikt;
    modell.Arbeit += konflikte * proKonflikt;
    if (ergebnis == 20) {
        antwort = TAntwort::Nein;
    } else if (ergebnis == 10) {
        const int n = graph.Anzahl();
        std::vector<int> plan(static_cast<std::size_t>(n), 0);
        std::vector<int> groesse(static_cast<std::size_t>(gruppen), 0);
        for (int k = 0; k < n; ++k) {
            for (int g = gruppen - 1; g >= 0; --g)
                if (modell.Loeser->val(variable(k, g)) > 0)
                    plan[static_cast<std::size_t>(k)] = g;
            ++groesse[static_cast<std::size_t>(plan[static_cast<std::size_t>(k)])];
        }
        if (modell.Kapazitaet || *std::max_element(groesse.begin(), groesse.end()) <= kapazitaet) {
            gruppeVon = std::move(plan);
            antwort = TAntwort::Ja;
        } else {
            modell.Loeser.reset();
        }
    }
}
