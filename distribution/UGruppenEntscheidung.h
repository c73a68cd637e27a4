#pragma once

#include "distribution/USucheGraph.h"

#include <atomic>
#include <memory>
#include <vector>

namespace CaDiCaL {
class Solver;
}

// The exact question "can the classes be placed in `gruppen` groups (time slots) of at most
// `kapazitaet` classes each, no group holding two conflicting classes?". Most questions of
// real schools the branch and bound of UVerzweigung.h answers within a few thousand nodes,
// so it is tried first, twice with a growing limit of nodes (one slice each); the rest goes
// to a SAT solver: one variable per class and group, a clause per class (it needs a group), one per
// conflict and group (not both), and per group a sequential counter that allows at most
// `kapazitaet` of its classes. A second solver shares the work (two thirds of it) on the
// model without the counters, which is much smaller when groups may hold many classes: its
// "no" holds for the whole question, and its plan answers it when no group holds too many
// classes (else it stops and the first solver goes on alone). A set of pairwise
// conflicting classes is fixed to the first groups, and the other classes may only open
// the next unused group (the k-th of them at most group clique + k), which removes the
// symmetry of interchangeable groups.
//
// The work is done in slices (Arbeiten), each a fixed number of solver conflicts, so that
// a caller can interleave it with other work and the answer does not depend on the
// machine. From another thread Abbrechen() stops a running slice at once; a worker thread
// may therefore call Arbeiten with a large budget. Further rules go in before the first
// slice: a class kept out of a group, or a set of classes of which a group may take only
// a few. Without the former the groups stay interchangeable and the symmetry is broken.
class TGruppenEntscheidung
{
public:
    enum class TAntwort
    {
        Offen,
        Ja,   // GruppeVon() shows a plan
        Nein, // no plan exists
    };

    // clique: classes that pairwise conflict (for example GroessteClique(graph)); may be empty.
    TGruppenEntscheidung(const TKonfliktgraph& graph, int gruppen, int kapazitaet, std::vector<int> clique = {});
    ~TGruppenEntscheidung();
    TGruppenEntscheidung(const TGruppenEntscheidung&) = delete;
    TGruppenEntscheidung& operator=(const TGruppenEntscheidung&) = delete;

    // Rules beyond the conflicts and the capacity; only before the first slice.
    void Verbieten(int klasse, int gruppe);
    void HoechstensJeGruppe(const std::vector<int>& klassen, int anzahl);

    // Works up to `einheiten` units (at least one slice) and returns the answer so far.
    TAntwort Arbeiten(long long einheiten);
    TAntwort Antwort() const { return antwort; }
    // With Ja: the group of every class, 0 .. gruppen - 1 (some groups may stay empty).
    const std::vector<int>& GruppeVon() const { return gruppeVon; }
    // The units spent so far: the clauses written (two each) and the conflicts of the
    // solver (one per conflict and 4 variables of the model, since a conflict costs more
    // the larger the model).
    long long Arbeit() const { return arbeit; }
    int Gruppen() const { return gruppen; }

    // Thread-safe: the running slice ends as soon as the solver looks, with Offen.
    void Abbrechen() { abbrechen = true; }

private:
    class TAbbruch;
    // One SAT model of the question with its solver.
    struct TModell
    {
        std::unique_ptr<CaDiCaL::Solver> Loeser;
        int NaechsteVariable = 0;
        bool Kapazitaet = true; // with the counters of the capacity; without, a relaxation
        long long Arbeit = 0;   // the units of its slices
    };
    int variable(int klasse, int gruppe) const { return klasse * gruppen + gruppe + 1; }
    bool verzweigen();
    void aufbauen(TModell& modell);
    void loesen(TModell& modell, long long einheiten);
    bool lockerNoetig() const;
    void hoechstens(TModell& modell, const std::vector<int>& literale, int anzahl);
    void klausel(TModell& modell, std::initializer_list<int> literale);

    const TKonfliktgraph& graph;
    int gruppen;
    int kapazitaet;
    std::vector<int> clique;
    std::vector<std::pair<int, int>> verboten;
    std::vector<std::pair<std::vector<int>, int>> hoechstensRegeln;
    TModell voll;
    TModell locker; // without the counters (set so in the constructor, where the solver is known)
    std::unique_ptr<TAbbruch> abbruch;
    TAntwort antwort = TAntwort::Offen;
    std::vector<int> gruppeVon;
    long long arbeit = 0;
    int verzweigungen = 0;
    std::atomic<bool> abbrechen = false;
};
