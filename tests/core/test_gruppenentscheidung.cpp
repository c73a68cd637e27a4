// The exact decision "that many time slots possible?" against exhaustive search and planted
// plans, its further rules, and the loop that proves with it and runs on a budget of work.
#include "Klassendaten.h"
#include "distribution/UGruppenEntscheidung.h"
#include "distribution/UOptimierung.h"
#include "distribution/USucheGraph.h"
#include "support/Schulgenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using TAntwort = TGruppenEntscheidung::TAntwort;

// The fewest groups of at most `kapazitaet` classes without a conflict, by trying every
// plan (classes in order, each into a group begun before or a new one).
int wenigsteGruppen(const TKonfliktgraph& graph, int kapazitaet)
{
    const int n = graph.Anzahl();
    int beste = n;
    std::vector<std::vector<int>> gruppen;
    std::function<void(int)> setzen = [&](int klasse) {
        if (static_cast<int>(gruppen.size()) >= beste)
            return;
        if (klasse == n) {
            beste = static_cast<int>(gruppen.size());
            return;
        }
        for (std::size_t i = 0; i < gruppen.size(); ++i) // by index: deeper calls add groups
            if (static_cast<int>(gruppen[i].size()) < kapazitaet &&
                std::none_of(gruppen[i].begin(), gruppen[i].end(), [&](int k) { return graph.Konflikt(k, klasse); })) {
                gruppen[i].push_back(klasse);
                setzen(klasse + 1);
                gruppen[i].pop_back();
            }
        gruppen.push_back({klasse});
        setzen(klasse + 1);
        gruppen.pop_back();
    };
    setzen(0);
    return beste;
}

// Empty when the plan of the decision keeps its question; else what is wrong.
std::string planFehler(const TKonfliktgraph& graph, const std::vector<int>& gruppeVon, int gruppen, int kapazitaet)
{
    std::vector<int> groesse(static_cast<std::size_t>(gruppen), 0);
    for (int k = 0; k < graph.Anzahl(); ++k) {
        const int g = gruppeVon[static_cast<std::size_t>(k)];
        if (g < 0 || g >= gruppen)
            return "Gruppe " + std::to_string(g);
        if (++groesse[static_cast<std::size_t>(g)] > kapazitaet)
            return "zu voll";
        for (int andere = 0; andere < k; ++andere)
            if (graph.Konflikt(k, andere) && gruppeVon[static_cast<std::size_t>(andere)] == g)
                return "Konflikt " + std::to_string(k) + "/" + std::to_string(andere);
    }
    return {};
}

TAntwort entscheiden(TGruppenEntscheidung& e)
{
    for (int scheibe = 0; scheibe < 100000 && e.Antwort() == TAntwort::Offen; ++scheibe)
        e.Arbeiten(500);
    return e.Antwort();
}

// Classes in `gruppen` groups by design; classes of different groups share a teacher with
// the chance `prozent`, classes of one group never: the groups are a plan of that many rows.
void gepflanzt(TDaten& d, int klassen, int gruppen, int prozent, TZufall& zufall)
{
    for (int i = 0; i < klassen; ++i)
        d.klasse(QStringLiteral("K%1").arg(i));
    for (int a = 0; a < klassen; ++a)
        for (int b = a + 1; b < klassen; ++b)
            if (a % gruppen != b % gruppen && static_cast<int>(zufall.Ziehen(100)) < prozent) {
                TLehrer* l = d.lehrkraft(QStringLiteral("L%1_%2").arg(a).arg(b));
                d.klassen[a]->Unterrichtende << l;
                d.klassen[b]->Unterrichtende << l;
            }
}

} // namespace

TEST(Gruppenentscheidung, StimmtMitVollstaendigerSucheUeberein)
{
    TZufall zufall(18);
    for (int fall = 0; fall < 60; ++fall) {
        TDaten d;
        const int n = 4 + static_cast<int>(zufall.Ziehen(11)); // 4 .. 14 classes
        const int lehrkraefte = 4 + static_cast<int>(zufall.Ziehen(6));
        for (int i = 0; i < n; ++i) {
            QStringList lehrer;
            for (int l = 0; l < lehrkraefte; ++l)
                if (zufall.Ziehen(3) == 0)
                    lehrer << QStringLiteral("L%1").arg(l);
            d.klasse(QStringLiteral("K%1").arg(i), lehrer);
        }
        const TSuche suche(d.klassen);
        const TKonfliktgraph graph(suche);
        const int kapazitaet = 1 + static_cast<int>(zufall.Ziehen(5));
        const int optimum = wenigsteGruppen(graph, kapazitaet);
        SCOPED_TRACE(testing::Message() << "Fall " << fall << ": " << n << " Klassen, Kapazität " << kapazitaet
                                        << ", Optimum " << optimum);
        // with the clique fixed and without it (a rule per group turns the symmetry off)
        for (const bool mitClique : {true, false}) {
            TGruppenEntscheidung moeglich(graph, optimum, kapazitaet, mitClique ? GroessteClique(graph) : std::vector<int>{});
            TGruppenEntscheidung unmoeglich(graph, optimum - 1, kapazitaet, mitClique ? GroessteClique(graph) : std::vector<int>{});
            if (!mitClique)
                moeglich.HoechstensJeGruppe({0, 1}, 2); // no rule at all: two classes of a group are two
            ASSERT_EQ(entscheiden(moeglich), TAntwort::Ja);
            EXPECT_EQ(planFehler(graph, moeglich.GruppeVon(), optimum, kapazitaet), "");
            EXPECT_EQ(entscheiden(unmoeglich), TAntwort::Nein);
        }
    }
}

TEST(Gruppenentscheidung, GepflanzterPlanWirdNieAbgestritten)
{
    TZufall zufall(7);
    struct TFall
    {
        int klassen, gruppen, prozent;
    };
    const TFall faelle[] = {{40, 8, 70}, {60, 12, 60}, {90, 10, 45}, {150, 30, 55}};
    for (const TFall& f : faelle) {
        TDaten d;
        gepflanzt(d, f.klassen, f.gruppen, f.prozent, zufall);
        const int kapazitaet = (f.klassen + f.gruppen - 1) / f.gruppen;
        SCOPED_TRACE(testing::Message() << f.klassen << " Klassen in " << f.gruppen << " Gruppen");
        const TSuche suche(d.klassen);
        const TKonfliktgraph graph(suche);
        TGruppenEntscheidung entscheidung(graph, f.gruppen, kapazitaet, GroessteClique(graph));
        const TAntwort antwort = entscheidung.Arbeiten(2'000'000);
        EXPECT_NE(antwort, TAntwort::Nein);
        if (antwort == TAntwort::Ja) {
            EXPECT_EQ(planFehler(graph, entscheidung.GruppeVon(), f.gruppen, kapazitaet), "");
        }
        // nor does the loop ever raise its bound above the planted rows
        TOptimierung optimierung(d.klassen, kapazitaet, false, {});
        TZufall lauf(3);
        OptimierungLaufen(optimierung, lauf, TLaufGrenze(0, 1'000'000), Wanduhr);
        EXPECT_LE(optimierung.Untergrenze(), f.gruppen);
        EXPECT_GE(optimierung.Bestes().Zeilen, optimierung.Untergrenze());
    }
}

TEST(Gruppenentscheidung, WeitereRegelnUndAbbruch)
{
    // three classes without a conflict
    TDaten d;
    for (const char* name : {"5a", "5b", "5c"})
        d.klasse(name);
    const TSuche suche(d.klassen);
    const TKonfliktgraph graph(suche);
    struct TFall
    {
        int gruppen, kapazitaet;
        std::vector<std::pair<int, int>> verboten;
        std::vector<int> hoechstensEiner; // of these classes at most one per group
        TAntwort antwort;
    };
    const TFall faelle[] = {
        {1, 3, {}, {}, TAntwort::Ja},
        {1, 2, {}, {}, TAntwort::Nein},
        {1, 3, {{1, 0}}, {}, TAntwort::Nein},
        {2, 2, {{0, 0}, {1, 0}}, {}, TAntwort::Ja}, // 0 and 1 in group 1, 2 in group 0
        {2, 2, {{0, 0}, {1, 0}, {2, 0}}, {}, TAntwort::Nein},
        {1, 3, {}, {0, 2}, TAntwort::Nein},
        {2, 3, {}, {0, 1, 2}, TAntwort::Nein},
        {3, 3, {{2, 0}, {2, 1}}, {0, 1, 2}, TAntwort::Ja},
    };
    for (const TFall& f : faelle) {
        TGruppenEntscheidung e(graph, f.gruppen, f.kapazitaet);
        for (const auto& [klasse, gruppe] : f.verboten)
            e.Verbieten(klasse, gruppe);
        if (!f.hoechstensEiner.empty())
            e.HoechstensJeGruppe(f.hoechstensEiner, 1);
        EXPECT_EQ(entscheiden(e), f.antwort) << &f - faelle;
        if (f.antwort == TAntwort::Ja) {
            for (const auto& [klasse, gruppe] : f.verboten)
                EXPECT_NE(e.GruppeVon()[static_cast<std::size_t>(klasse)], gruppe);
        }
    }
    TGruppenEntscheidung abgebrochen(graph, 1, 3);
    abgebrochen.Abbrechen();
    EXPECT_EQ(abgebrochen.Arbeiten(1000), TAntwort::Offen);
}

TEST(Gruppenentscheidung, PlanOhneKapazitaetZaehltNurInIhrenGrenzen)
{
    // `frei` classes without a conflict, `einzelne` more that conflict with every class
    // and each other; the solver without the counters of the capacity finds plans that
    // overfill a group, which must not count as an answer
    struct TFall
    {
        int frei, einzelne, gruppen, kapazitaet;
        TAntwort antwort;
    };
    const TFall faelle[] = {
        {10, 0, 4, 3, TAntwort::Ja},
        {7, 1, 3, 3, TAntwort::Nein}, // the single class alone: 7 in 2 groups of 3
        {6, 1, 3, 3, TAntwort::Ja},
        {2, 3, 2, 5, TAntwort::Nein}, // three pairwise conflicting classes in 2 groups
        {12, 2, 4, 4, TAntwort::Nein},
        {12, 2, 5, 4, TAntwort::Ja},
    };
    for (const TFall& f : faelle) {
        TDaten d;
        for (int i = 0; i < f.frei; ++i)
            d.klasse(QStringLiteral("F%1").arg(i), {QStringLiteral("L%1").arg(i)});
        for (int e = 0; e < f.einzelne; ++e) {
            QStringList alle{QStringLiteral("E")};
            for (int i = 0; i < f.frei; ++i)
                alle << QStringLiteral("L%1").arg(i);
            d.klasse(QStringLiteral("E%1").arg(e), alle);
        }
        const TSuche suche(d.klassen);
        const TKonfliktgraph graph(suche);
        // without the clique and with a rule beyond the capacity the solvers answer, not
        // the branch and bound
        TGruppenEntscheidung e(graph, f.gruppen, f.kapazitaet);
        e.HoechstensJeGruppe({0, 1}, 2);
        ASSERT_EQ(entscheiden(e), f.antwort) << &f - faelle;
        if (f.antwort == TAntwort::Ja) {
            EXPECT_EQ(planFehler(graph, e.GruppeVon(), f.gruppen, f.kapazitaet), "") << &f - faelle;
        }
    }
}

// ---------------------------------------------------------------- the loop

TEST(Gruppenentscheidung, SchleifeBeweistDasOptimumUeberDerSchranke)
{
    // 28 classes at the limit 2: the bound says 14, and 14 rows are impossible
    const TSchule schule = SchuleErzeugen(28, 500241);
    TOptimierung optimierung(*schule.Klassen, 2, false, {});
    EXPECT_EQ(optimierung.Untergrenze(), 14);
    EXPECT_EQ(optimierung.BewiesenDurch(), TBeweisArt::Keiner);
    TZufall zufall(1);
    OptimierungLaufen(optimierung, zufall, TLaufGrenze(0, 50'000'000), Wanduhr);
    EXPECT_TRUE(optimierung.Optimal());
    EXPECT_EQ(optimierung.Bestes().Zeilen, 15);
    EXPECT_EQ(optimierung.Untergrenze(), 15);
    EXPECT_EQ(optimierung.BewiesenDurch(), TBeweisArt::Suche);

    // the ring of five: two rows by the bound, three needed
    TDaten d;
    for (int i = 0; i < 5; ++i)
        d.klasse(QStringLiteral("%1a").arg(5 + i), {QStringLiteral("L%1").arg(i), QStringLiteral("L%1").arg((i + 1) % 5)});
    TOptimierung ring(d.klassen, 4, false, {});
    OptimierungLaufen(ring, zufall, TLaufGrenze(0, 1'000'000), Wanduhr);
    EXPECT_EQ(ring.Bestes().Zeilen, 3);
    EXPECT_EQ(ring.BewiesenDurch(), TBeweisArt::Suche);
}

TEST(Gruppenentscheidung, GleicherStartwertUndGleichesBudgetGebenGleichenPlan)
{
    struct TFall
    {
        int klassen;
        std::uint32_t schule;
        int grenze;
    };
    // a school whose proof needs the exact search, and two that stop at the budget
    const TFall faelle[] = {{28, 500241, 2}, {90, 90008, 7}, {130, 500129, 5}};
    for (const TFall& f : faelle) {
        const TSchule schule = SchuleErzeugen(f.klassen, f.schule);
        std::vector<std::pair<long long, std::vector<QStringList>>> laeufe;
        for (const double uhrtakt : {1e-9, 1.0}) {
            TOptimierung optimierung(*schule.Klassen, f.grenze, true, {});
            TZufall zufall(42);
            double zeit = 0;
            // a fast and a slow clock: the budget of work alone ends the loop
            OptimierungLaufen(optimierung, zufall, TLaufGrenze(0, 400'000), [&zeit, uhrtakt] { return zeit += uhrtakt; });
            std::vector<QStringList> plan;
            const auto bester = optimierung.BesterPlan();
            for (const TGruppe* g : *bester) {
                plan.emplace_back();
                for (const TKlasse* k : *g)
                    plan.back() << k->Bezeichnung;
            }
            laeufe.emplace_back(optimierung.Arbeit(), plan);
        }
        EXPECT_EQ(laeufe[0].first, laeufe[1].first) << f.klassen;
        EXPECT_EQ(laeufe[0].second, laeufe[1].second) << f.klassen;
    }
}
