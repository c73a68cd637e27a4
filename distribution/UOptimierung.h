#pragma once

#include "distribution/USuche.h"
#include "planning/UClasses.h"
#include "planning/UVar.h"

#include <functional>
#include <memory>

class TGruppenEntscheidung;
class TKonfliktgraph;
class TLokaleSuche;
class TVorsitzRegel;
struct TPlan;
struct TVorsitzEinstellung;

// The rule by which the optimisation takes a plan: fewer rows (time slots); when
// spaltenMinimieren is set, also as many rows and fewer columns. A plan equal in both is
// not better.
bool Besser(TVerteilungsMass neu, TVerteilungsMass bisher, bool spaltenMinimieren);

// How it is known that no plan has fewer rows than the best one.
enum class TBeweisArt
{
    Keiner,      // not known (yet)
    Untergrenze, // its rows reach classes ÷ limit or the largest set of conflicting classes
    Suche,       // the exact search showed that one row less is impossible
};

// The optimisation of one evaluation, prepared once for the classes as they are: the
// greedy search and, between its passes, a search that improves the best plan found so
// far, and an exact search (TGruppenEntscheidung) that decides whether the best plan can
// lose a row: it either finds such a plan or proves the best plan optimal. The window's
// loop and the command line run it step by step and keep what the rule calls better.
class TOptimierung
{
public:
    // With vorsitz, chairs count as people of their classes, and only plans whose every row
    // can give each class without a chair one of the eligible teachers are taken; no row
    // holds more classes than there are people to chair them.
    TOptimierung(const TKlassenliste& klassen, int grenze, bool spaltenMinimieren, TKonfliktArten arten,
                 const TVorsitzEinstellung* vorsitz = nullptr);
    ~TOptimierung();
    TOptimierung(const TOptimierung&) = delete;
    TOptimierung& operator=(const TOptimierung&) = delete;

    // No plan has fewer rows than this: at first the larger of classes ÷ limit (rounded up)
    // and the largest number of classes that pairwise conflict, worked out on construction;
    // raised when the exact search shows that fewer rows are impossible.
    int Untergrenze() const { return untergrenze; }
    // How the rows of the best plan are known to be the fewest; Keiner while they are not.
    TBeweisArt BewiesenDurch() const;
    // With chairs: the classes no plan can give a chair (then every plan breaks the rule),
    // and the people able to chair (0 without chairs).
    QList<TKlasse*> VorsitzBlockierend() const;
    int Vorsitzende() const;

    // One step of the loop, a few milliseconds at most: a greedy pass, or a slice of the
    // improving search or of the exact one. Returns the size of the plan the step ended
    // with; Plan() hands it out.
    TVerteilungsMass Schritt(TZufall& zufall);
    // The plan of the last step, its classes and groups in class order.
    std::unique_ptr<TVerteilung> Plan() const;

    // The plan to beat, usually the one shown before the loop starts; the improving search
    // then starts from it. Taken only when it holds every class exactly once, keeps the
    // rule (with the kinds of conflict of this optimisation) and is better than the best
    // plan so far; returns whether it was taken.
    bool Vorgeben(const TVerteilung& plan);
    // The best plan of all steps (and of Vorgeben); before the first step an empty plan
    // with no row.
    TVerteilungsMass Bestes() const;
    std::unique_ptr<TVerteilung> BesterPlan() const;
    // True when no plan can be better than the best one by the rule: its rows reach the
    // lower bound and, when columns are minimised too, its columns are the fewest that
    // can hold the classes in that many rows. The loop may stop then.
    bool Optimal() const;
    // Whether the loop runs the exact search (on by default); off, it is the loop as it was
    // before, for comparisons.
    void MitBeweis(bool an) { mitBeweis = an; }
    // How often the best plan changed: a step found a better one, or Vorgeben took one.
    long Verbesserungen() const { return verbesserungen; }
    int Klassenzahl() const { return suche.Klassenzahl(); }
    // The work of all steps so far in units that do not depend on the machine: the improving
    // search counts its moves by their size (TLokaleSuche::Aufwand), a greedy pass one unit
    // per class, the exact search its own (TGruppenEntscheidung::Arbeit).
    long long Arbeit() const { return arbeit; }

private:
    void gierigerSchritt(TZufall& zufall);
    void lokalerSchritt(TZufall& zufall);
    bool beweisNoetig() const;
    void beweisSchritt();
    bool versuchBeginnen(TZufall& zufall);
    void nehmen(const TPlan& plan);
    TPlan mitVorsitz(TPlan plan) const;

    TSuche suche;
    std::unique_ptr<TKonfliktgraph> graph;
    std::unique_ptr<TLokaleSuche> lokal;
    std::unique_ptr<TVorsitzRegel> vorsitzRegel; // null without chairs
    int grenze;
    bool spaltenMinimieren;
    int untergrenze = 0;
    int ersteUntergrenze = 0;
    std::vector<int> clique;
    std::unique_ptr<TGruppenEntscheidung> beweis; // null while no question is open
    bool beweisDran = false;
    bool mitBeweis = true;

    std::unique_ptr<TPlan> bestes;     // null before the first step
    std::unique_ptr<TPlan> frischer;   // another plan with as many rows as the best, to start from
    std::unique_ptr<TPlan> gierigMitVorsitz; // with chairs: the last greedy plan, made to keep their rule
    bool letzterGierig = true;
    int gierigeSchritteNoch = 0;
    bool versuchLaeuft = false;
    long versuche = 0;
    long verbesserungen = 0;
    long long arbeit = 0;
};

// A clock in seconds from any fixed moment. The loop reads it to end on time and to tell
// when it found its best plan; tests give it a clock of their own.
using TUhr = std::function<double()>;
// The steady clock of the system.
double Wanduhr();

// When the loop ends: after `Sekunden` on the clock or, when `Einheiten` is above 0, after
// that much work (TOptimierung::Arbeit) instead, which makes a run with a fixed seed give
// the same plan on any machine.
struct TLaufGrenze
{
    TLaufGrenze(double sekunden = 1, long long einheiten = 0) : Sekunden(sekunden), Einheiten(einheiten) {}
    double Sekunden;
    long long Einheiten;
};

struct TLaufErgebnis
{
    double SekundenBisBestes = 0; // from the start of the loop to the step that found the best plan
    long Schritte = 0;
};

// The optimisation loop of the result window and of the command line: steps until the
// budget is spent, the best plan is optimal, or weiter (called after every step with
// whether that step found a better plan) answers false. Takes at least one step. The best
// plan is then optimierung.BesterPlan().
TLaufErgebnis OptimierungLaufen(TOptimierung& optimierung, TZufall& zufall, TLaufGrenze grenze, const TUhr& uhr,
                                const std::function<bool(bool besser)>& weiter = {});
