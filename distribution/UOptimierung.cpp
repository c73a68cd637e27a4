#include "distribution/UOptimierung.h"

#include "distribution/UGruppenEntscheidung.h"
#include "distribution/USucheLokal.h"
#include "distribution/UVorsitzVerteilen.h"

#include <QHash>

#include <algorithm>
#include <chrono>

namespace {

// The schedule of the loop. The improving search works in slices of this many moves
// (well under a millisecond at 130 classes), and after each slice the greedy search runs this
// many passes, which keeps it at roughly a fifth of the time; it brings new plans to start
// from. The loop begins with some greedy passes, so that the improving search starts from
// a good plan. An attempt that has not lowered the classes without a group for this many
// moves is given up and begun anew from another start.
constexpr long zuegeProScheibe = 1000;
constexpr int gierigeProScheibe = 10;
constexpr int gierigeZuBeginn = 50;
constexpr long zuegeBisNeubeginn = 20000;
// Once the improving search has given up an attempt on the best plan, the exact search
// gets a slice of this many units after each of its slices.
constexpr long long beweisEinheitenProScheibe = 1000;

TKonfliktArten artenMitVorsitz(TKonfliktArten arten, const TVorsitzEinstellung* vorsitz)
{
    if (vorsitz)
        arten.Vorsitz = true;
    return arten;
}

int aufgerundet(int zaehler, int nenner)
{
    return (zaehler + nenner - 1) / nenner;
}

} // namespace

bool Besser(TVerteilungsMass neu, TVerteilungsMass bisher, bool spaltenMinimieren)
{
    if (neu.Zeilen != bisher.Zeilen)
        return neu.Zeilen < bisher.Zeilen;
    return spaltenMinimieren && neu.Spalten < bisher.Spalten;
}

TOptimierung::TOptimierung(const TKlassenliste& klassen, int grenze, bool spaltenMinimieren, TKonfliktArten arten,
                           const TVorsitzEinstellung* vorsitz)
    : suche(klassen, artenMitVorsitz(arten, vorsitz)), graph(std::make_unique<TKonfliktgraph>(suche)),
      lokal(std::make_unique<TLokaleSuche>(*graph)), grenze(std::max(1, grenze)),
      spaltenMinimieren(spaltenMinimieren), gierigeSchritteNoch(gierigeZuBeginn)
{
    if (vorsitz) {
        vorsitzRegel = std::make_unique<TVorsitzRegel>(suche, vorsitz->Vorsitzende);
        this->grenze = std::clamp(vorsitzRegel->Kapazitaet(), 1, this->grenze);
    }
    const int n = Klassenzahl();
    if (n >= 2) {
        clique = GroessteClique(*graph);
        untergrenze = std::max(aufgerundet(n, this->grenze), static_cast<int>(clique.size()));
    }
    ersteUntergrenze = untergrenze;
}

QList<TKlasse*> TOptimierung::VorsitzBlockierend() const
{
    return vorsitzRegel ? vorsitzRegel->Blockierend() : QList<TKlasse*>{};
}

int TOptimierung::Vorsitzende() const
{
    return vorsitzRegel ? vorsitzRegel->Kapazitaet() : 0;
}

TPlan TOptimierung::mitVorsitz(TPlan plan) const
{
    return vorsitzRegel ? vorsitzRegel->Reparieren(plan, *graph, grenze) : plan;
}

TOptimierung::~TOptimierung() = default;

TVerteilungsMass TOptimierung::Schritt(TZufall& zufall)
{
    if (beweisDran && beweisNoetig()) {
        beweisSchritt();
    } else if (!bestes || Klassenzahl() < 2 || Optimal() || gierigeSchritteNoch > 0) {
        gierigeSchritteNoch = std::max(0, gierigeSchritteNoch - 1);
        gierigerSchritt(zufall);
    } else {
        lokalerSchritt(zufall);
        gierigeSchritteNoch = gierigeProScheibe;
    }
    beweisDran = !beweisDran && !letzterGierig;
    if (letzterGierig && gierigMitVorsitz)
        return gierigMitVorsitz->Mass;
    return letzterGierig ? suche.LetztesMass() : bestes->Mass;
}

std::unique_ptr<TVerteilung> TOptimierung::Plan() const
{
    if (letzterGierig && gierigMitVorsitz)
        return suche.VerteilungAus(gierigMitVorsitz->GruppeVon, gierigMitVorsitz->Mass.Zeilen);
    return letzterGierig ? suche.LetzteVerteilung() : BesterPlan();
}

TVerteilungsMass TOptimierung::Bestes() const
{
    return bestes ? bestes->Mass : TVerteilungsMass{};
}

std::unique_ptr<TVerteilung> TOptimierung::BesterPlan() const
{
    return bestes ? suche.VerteilungAus(bestes->GruppeVon, bestes->Mass.Zeilen) : std::make_unique<TVerteilung>();
}

bool TOptimierung::Optimal() const
{
    if (!bestes)
        return false;
    const int n = Klassenzahl();
    const TVerteilungsMass mass = bestes->Mass;
    if (n < 2)
        return true;
    if (mass.Zeilen > untergrenze)
        return false;
    return !spaltenMinimieren || mass.Spalten <= aufgerundet(n, mass.Zeilen);
}

TBeweisArt TOptimierung::BewiesenDurch() const
{
    if (!bestes || bestes->Mass.Zeilen > untergrenze)
        return TBeweisArt::Keiner;
    return bestes->Mass.Zeilen <= ersteUntergrenze ? TBeweisArt::Untergrenze : TBeweisArt::Suche;
}

bool TOptimierung::beweisNoetig() const
{
    // only once the improving search has given up an attempt on the best plan: before that
    // it usually finds the plan of one row less sooner
    return mitBeweis && bestes && Klassenzahl() >= 2 && bestes->Mass.Zeilen > untergrenze && versuche > 0;
}

// A slice of the exact search on the question "one row less than the best plan?". Its
// plan is taken; its "no" raises the lower bound to the rows of the best plan.
void TOptimierung::beweisSchritt()
{
    letzterGierig = false;
    const int frage = bestes->Mass.Zeilen - 1;
    if (!beweis || beweis->Gruppen() != frage)
        beweis = std::make_unique<TGruppenEntscheidung>(*graph, frage, grenze, clique);
    const long long vorher = beweis->Arbeit();
    const TGruppenEntscheidung::TAntwort antwort = beweis->Arbeiten(beweisEinheitenProScheibe);
    arbeit += beweis->Arbeit() - vorher;
    if (antwort == TGruppenEntscheidung::TAntwort::Ja) {
        // the exact search knows no chairs: a plan they cannot follow would only be found
        // again, so the search stops asking; its "no" holds with chairs as well
        const TPlan plan = mitVorsitz(PlanAusGruppen(beweis->GruppeVon()));
        if (Besser(plan.Mass, bestes->Mass, spaltenMinimieren))
            nehmen(plan);
        else
            mitBeweis = false;
    } else if (antwort == TGruppenEntscheidung::TAntwort::Nein)
        untergrenze = frage + 1;
    if (antwort != TGruppenEntscheidung::TAntwort::Offen)
        beweis.reset();
}

bool TOptimierung::Vorgeben(const TVerteilung& plan)
{
    const int n = Klassenzahl();
    if (n < 2) {
        // the plan of fewer than two classes is empty
        if (!plan.IsEmpty() || bestes)
            return false;
        nehmen(TPlan{std::vector<int>(static_cast<std::size_t>(n), -1), {0, 1}});
        return true;
    }
    QHash<const TKlasse*, int> rang;
    for (int r = 0; r < n; ++r)
        rang.insert(suche.KlasseVonRang(r), r);
    std::vector<int> gruppeVon(static_cast<std::size_t>(n), -1);
    int gruppe = 0;
    int gesetzt = 0;
    for (const TGruppe* g : plan) {
        if (g->size() > grenze)
            return false;
        for (const TKlasse* klasse : *g) {
            const auto r = rang.find(klasse);
            if (r == rang.end() || gruppeVon[static_cast<std::size_t>(*r)] >= 0)
                return false;
            for (const TKlasse* andere : *g)
                if (andere != klasse && rang.contains(andere) && graph->Konflikt(*r, rang.value(andere)))
                    return false;
            gruppeVon[static_cast<std::size_t>(*r)] = gruppe;
            ++gesetzt;
        }
        ++gruppe;
    }
    if (gesetzt != n)
        return false;
    const TPlan neu = PlanAusGruppen(gruppeVon);
    if (vorsitzRegel && !vorsitzRegel->PlanMoeglich(neu))
        return false;
    if (bestes && !Besser(neu.Mass, bestes->Mass, spaltenMinimieren))
        return false;
    nehmen(neu);
    return true;
}

void TOptimierung::nehmen(const TPlan& plan)
{
    bestes = std::make_unique<TPlan>(plan);
    frischer.reset();
    versuchLaeuft = false;
    versuche = 0;
    ++verbesserungen;
}

void TOptimierung::gierigerSchritt(TZufall& zufall)
{
    letzterGierig = true;
    arbeit += Klassenzahl();
    const TVerteilungsMass mass = suche.Durchlauf(grenze, zufall);
    TPlan plan{suche.LetzteGruppen(), mass};
    if (vorsitzRegel && Klassenzahl() >= 2) {
        plan = mitVorsitz(std::move(plan));
        gierigMitVorsitz = std::make_unique<TPlan>(plan);
    }
    if (!bestes || Besser(plan.Mass, bestes->Mass, spaltenMinimieren))
        nehmen(plan);
    else if (plan.Mass.Zeilen == bestes->Mass.Zeilen)
        frischer = std::make_unique<TPlan>(plan);
}

void TOptimierung::lokalerSchritt(TZufall& zufall)
{
    if (!versuchLaeuft && !versuchBeginnen(zufall)) {
        gierigerSchritt(zufall);
        return;
    }
    letzterGierig = false;
    const long long vorher = lokal->Aufwand();
    const bool fertig = lokal->Arbeiten(zuegeProScheibe, zufall);
    arbeit += lokal->Aufwand() - vorher;
    if (fertig) {
        const TPlan plan = mitVorsitz(lokal->Ergebnis());
        versuchLaeuft = false;
        if (Besser(plan.Mass, bestes->Mass, spaltenMinimieren))
            nehmen(plan);
    } else if (lokal->ZuegeOhneFortschritt() > zuegeBisNeubeginn) {
        const TPlan plan = mitVorsitz(lokal->Vervollstaendigt());
        if (Besser(plan.Mass, bestes->Mass, spaltenMinimieren)) {
            nehmen(plan);
            return;
        }
        if (plan.Mass.Zeilen == bestes->Mass.Zeilen)
            frischer = std::make_unique<TPlan>(plan);
        versuchLaeuft = false;
        ++versuche;
    }
}

// A new attempt to beat the best plan: with one row less (one group of a plan with as
// many rows as the best is dissolved), or, when columns count, with as many rows and one
// column less (every group of the full width gives up a class). The first attempt after a
// new best plan dissolves its smallest group; later ones dissolve a group at random, every
// other one in a fresh plan as large as the best: the latest greedy plan of that size, or
// the partial plan of the attempt given up, made whole.
bool TOptimierung::versuchBeginnen(TZufall& zufall)
{
    const int n = Klassenzahl();
    const TVerteilungsMass mass = bestes->Mass;
    const bool zeilen = mass.Zeilen - 1 >= std::max(1, untergrenze);
    const bool spalten = spaltenMinimieren && mass.Spalten - 1 >= aufgerundet(n, mass.Zeilen);
    if (!zeilen && !spalten)
        return false;
    const bool spaltenZiel = spalten && (!zeilen || versuche % 3 == 2);
    const TPlan& start = (versuche % 2 == 1 && frischer) ? *frischer : *bestes;

    std::vector<std::vector<int>> mitglieder(static_cast<std::size_t>(start.Mass.Zeilen));
    for (int klasse = 0; klasse < n; ++klasse)
        mitglieder[static_cast<std::size_t>(start.GruppeVon[static_cast<std::size_t>(klasse)])].push_back(klasse);
    std::vector<int> gruppeVon = start.GruppeVon;
    if (spaltenZiel) {
        const int kapazitaet = mass.Spalten - 1;
        for (std::vector<int>& m : mitglieder)
            while (static_cast<int>(m.size()) > kapazitaet) {
                const auto i = zufall.Ziehen(static_cast<std::uint32_t>(m.size()));
                gruppeVon[static_cast<std::size_t>(m[i])] = -1;
                m.erase(m.begin() + i);
            }
        lokal->Beginnen(gruppeVon, start.Mass.Zeilen, kapazitaet);
    } else {
        int aufloesen = 0;
        if (versuche == 0) {
            for (int g = 1; g < start.Mass.Zeilen; ++g)
                if (mitglieder[static_cast<std::size_t>(g)].size() < mitglieder[static_cast<std::size_t>(aufloesen)].size())
                    aufloesen = g;
        } else {
            aufloesen = static_cast<int>(zufall.Ziehen(static_cast<std::uint32_t>(start.Mass.Zeilen)));
        }
        for (int& g : gruppeVon)
            g = g == aufloesen ? -1 : (g > aufloesen ? g - 1 : g);
        lokal->Beginnen(gruppeVon, start.Mass.Zeilen - 1, grenze);
    }
    versuchLaeuft = true;
    return true;
}

double Wanduhr()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

TLaufErgebnis OptimierungLaufen(TOptimierung& optimierung, TZufall& zufall, TLaufGrenze grenze, const TUhr& uhr,
                                const std::function<bool(bool besser)>& weiter)
{
    const double start = uhr();
    const long long arbeitStart = optimierung.Arbeit();
    TLaufErgebnis ergebnis;
    for (;;) {
        const long vorher = optimierung.Verbesserungen();
        optimierung.Schritt(zufall);
        ++ergebnis.Schritte;
        const double vergangen = uhr() - start;
        const bool besser = optimierung.Verbesserungen() != vorher;
        if (besser)
            ergebnis.SekundenBisBestes = vergangen;
        if (weiter && !weiter(besser))
            break;
        const bool verbraucht = grenze.Einheiten > 0 ? optimierung.Arbeit() - arbeitStart >= grenze.Einheiten
                                                     : vergangen >= grenze.Sekunden;
        if (optimierung.Optimal() || verbraucht)
            break;
    }
    return ergebnis;
}
