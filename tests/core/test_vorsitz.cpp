// Chairs distributed automatically: the rule in every row, the balance, the lower bound
// with chairs and the classes that block an assignment.
#include "Klassendaten.h"
#include "distribution/UOptimierung.h"
#include "distribution/USucheGraph.h"
#include "distribution/UVorsitzVerteilen.h"
#include "planning/UVar.h"
#include "support/Schulgenerator.h"

#include <QHash>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The rule, worked out from the records: every class of the row has a chair who chairs no
// other class of the row and teaches in none of the others. Returns the failures as text.
QString regelVerletzt(const TVerteilung& plan)
{
    QStringList fehler;
    for (const TGruppe* gruppe : plan)
        for (const TKlasse* k : *gruppe) {
            if (!k->Vorsitz) {
                fehler << k->Bezeichnung + QStringLiteral(" ohne Vorsitz");
                continue;
            }
            for (const TKlasse* andere : *gruppe)
                if (andere != k && (andere->Vorsitz == k->Vorsitz || andere->Unterrichtende.contains(k->Vorsitz)))
                    fehler << k->Bezeichnung + QStringLiteral(" und ") + andere->Bezeichnung;
        }
    return fehler.join(QStringLiteral("; "));
}

// Whether a row admits chairs, by trying every choice of eligible people.
bool zeileMoeglich(QList<TKlasse*> zeile, const QList<TLehrer*>& waehlbar, int ab = 0)
{
    if (ab == zeile.size()) {
        for (const TKlasse* k : zeile)
            for (const TKlasse* andere : zeile)
                if (andere != k && (andere->Vorsitz == k->Vorsitz || andere->Unterrichtende.contains(k->Vorsitz)))
                    return false;
        return true;
    }
    TKlasse* k = zeile[ab];
    if (k->Vorsitz)
        return zeileMoeglich(zeile, waehlbar, ab + 1);
    for (TLehrer* l : waehlbar) {
        k->Vorsitz = l;
        const bool ok = zeileMoeglich(zeile, waehlbar, ab + 1);
        k->Vorsitz = nullptr;
        if (ok)
            return true;
    }
    return false;
}

// The fewest rows of any plan of at most grenze classes per row that keeps both rules,
// by trying every partition.
struct TErschoepfend
{
    const QList<TKlasse*>& klassen;
    const QList<TLehrer*>& waehlbar;
    int grenze;
    int beste = 1 << 20;
    QList<QList<TKlasse*>> zeilen;

    bool vertraeglich(const TKlasse* a, const TKlasse* b) const
    {
        auto personen = [](const TKlasse* k) {
            QList<TLehrer*> p = k->Unterrichtende;
            if (k->Vorsitz)
                p << k->Vorsitz;
            return p;
        };
        for (TLehrer* l : personen(a))
            if (personen(b).contains(l))
                return false;
        return true;
    }
    void suchen(int i)
    {
        if (static_cast<int>(zeilen.size()) >= beste)
            return;
        if (i == klassen.size()) {
            beste = static_cast<int>(zeilen.size());
            return;
        }
        TKlasse* k = klassen[i];
        for (qsizetype z = 0; z < zeilen.size(); ++z) { // by index: deeper levels append rows
            if (zeilen[z].size() >= grenze
                || !std::all_of(zeilen[z].begin(), zeilen[z].end(), [&](const TKlasse* x) { return vertraeglich(x, k); }))
                continue;
            zeilen[z] << k;
            if (zeileMoeglich(zeilen[z], waehlbar))
                suchen(i + 1);
            zeilen[z].removeLast();
        }
        zeilen.append({k});
        suchen(i + 1);
        zeilen.removeLast();
    }
};

// A generated school whose chairs are taken away but for every fifth class; the first
// `vorsitzende` teachers may chair (some of them teach).
QList<TLehrer*> vorsitzVorbereiten(TSchule& schule, int vorsitzende)
{
    QList<TLehrer*> waehlbar;
    for (int i = 0; i < vorsitzende; ++i)
        waehlbar << schule.Lehrer->Items(i * 7 % schule.Lehrer->Count());
    int i = 0;
    for (TKlasse* k : *schule.Klassen)
        if (i++ % 5 != 0)
            k->Vorsitz = nullptr;
    return waehlbar;
}

std::unique_ptr<TVerteilung> optimieren(const TSchule& schule, const TVorsitzEinstellung& einstellung, int grenze,
                                        int& untergrenze)
{
    TOptimierung optimierung(*schule.Klassen, grenze, false, {}, &einstellung);
    TZufall zufall(7);
    OptimierungLaufen(optimierung, zufall, TLaufGrenze(0, 200'000), Wanduhr);
    untergrenze = optimierung.Untergrenze();
    EXPECT_LE(untergrenze, optimierung.Bestes().Zeilen);
    return optimierung.BesterPlan();
}

} // namespace

// Over generated schools and numbers of chairs: every conference gets a chair that keeps
// the rule, hand-set chairs stay, only eligible teachers are given, and the bound never
// exceeds the plan found.
TEST(VorsitzVerteilen, GenerierteSchulenHaltenDieRegel)
{
    for (const int klassenzahl : {30, 60})
        for (const int vorsitzende : {2, 3, 6}) {
            SCOPED_TRACE(QStringLiteral("%1 Klassen, %2 Vorsitzende").arg(klassenzahl).arg(vorsitzende).toStdString());
            TSchule schule = SchuleErzeugen(klassenzahl, static_cast<std::uint32_t>(klassenzahl + vorsitzende));
            const TVorsitzEinstellung einstellung{vorsitzVorbereiten(schule, vorsitzende)};
            QHash<const TKlasse*, const TLehrer*> vonHand;
            for (const TKlasse* k : *schule.Klassen)
                if (k->Vorsitz)
                    vonHand.insert(k, k->Vorsitz);
            int untergrenze = 0;
            const auto plan = optimieren(schule, einstellung, 4, untergrenze);
            const TVorsitzZuteilung z = VorsitzVerteilen(*plan, einstellung);
            ASSERT_TRUE(z.Moeglich);
            EXPECT_EQ(regelVerletzt(*plan), QString());
            for (const TKlasse* k : *schule.Klassen)
                EXPECT_TRUE(vonHand.value(k, k->Vorsitz) == k->Vorsitz) << k->Bezeichnung.toStdString();
            for (const auto& [klasse, lehrer] : z.Neu) {
                EXPECT_TRUE(einstellung.Vorsitzende.contains(lehrer));
                EXPECT_FALSE(vonHand.contains(klasse));
            }
            EXPECT_LE(z.NiedrigsteLast, z.HoechsteLast);
        }
}

// On small schools the bound never exceeds the fewest rows of any plan that keeps both
// rules, and the optimisation finds no plan below that.
TEST(VorsitzVerteilen, UntergrenzeUnterDemErschoepfendenOptimum)
{
    for (const int klassenzahl : {6, 9, 12})
        for (const int vorsitzende : {2, 3}) {
            SCOPED_TRACE(QStringLiteral("%1 Klassen, %2 Vorsitzende").arg(klassenzahl).arg(vorsitzende).toStdString());
            TSchulOptionen optionen;
            optionen.LehrerProKlasseMin = 3;
            optionen.LehrerProKlasseMax = 6;
            TSchule schule = SchuleErzeugen(klassenzahl, 11, optionen);
            const TVorsitzEinstellung einstellung{vorsitzVorbereiten(schule, vorsitzende)};
            int untergrenze = 0;
            const auto plan = optimieren(schule, einstellung, 4, untergrenze);
            QList<TKlasse*> klassen;
            for (TKlasse* k : *schule.Klassen)
                klassen << k;
            TErschoepfend optimum{klassen, einstellung.Vorsitzende, 4, 1 << 20, {}};
            optimum.suchen(0);
            EXPECT_LE(untergrenze, optimum.beste);
            EXPECT_GE(plan->Count(), optimum.beste);
        }
}

// Small cases by hand: who is given the chair, the balance, the preference, and which
// classes block an impossible row.
TEST(VorsitzVerteilen, Handfaelle)
{
    struct TFall
    {
        const char* name;
        QList<QStringList> zeilen;            // per row: "class:teacher teacher" entries
        QStringList waehlbar;
        QStringList vonHand;                  // "class:chair"
        bool eigene;
        QString erwartet;                     // "class=chair ..." or "blockiert: classes"
    };
    const TFall faelle[] = {
        {"einer je Zeile, der Nicht-Lehrende", {{"5a:X"}}, {"X", "Y"}, {}, false, "5a=Y"},
        {"einer je Zeile, der Lehrende bevorzugt", {{"5a:X"}}, {"X", "Y"}, {}, true, "5a=X"},
        {"Last gleich verteilt", {{"5a:A"}, {"5b:B"}, {"5c:C"}, {"5d:D"}, {"5e:E"}}, {"X", "Y"}, {}, false, "Last 3-2"},
        {"von Hand gesetzter zählt zur Last", {{"5a:A"}, {"5b:B"}}, {"X", "Y"}, {"5a:X"}, false, "5a=X 5b=Y"},
        {"wer in der anderen Klasse unterrichtet, leitet nicht", {{"5a:X", "5b:Y"}}, {"X", "Y"}, {}, false, "5a=X 5b=Y"},
        {"niemand frei", {{"5a:X", "5b:X"}}, {"X", "Y"}, {}, false, "blockiert: 5a, 5b"},
        {"zu wenige Vorsitzende", {{"5a:A", "5b:B", "5c:C"}}, {"X", "Y"}, {}, false, "blockiert: 5a, 5b, 5c"},
        {"von Hand gesetzter unterrichtet nebenan", {{"5a:A", "5b:X"}}, {"Y"}, {"5a:X"}, false, "blockiert: 5a"},
        {"keine Vorsitzenden", {{"5a:A"}}, {}, {}, false, "blockiert: 5a"},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TDaten d;
        TVerteilung plan;
        for (const QStringList& zeile : fall.zeilen) {
            TGruppe* gruppe = plan.Add(std::make_unique<TGruppe>());
            for (const QString& eintrag : zeile)
                *gruppe << d.klasse(eintrag.section(u':', 0, 0), eintrag.section(u':', 1).split(u' '));
        }
        for (const QString& eintrag : fall.vonHand)
            d.klassen.SucheKlasse(eintrag.section(u':', 0, 0))->Vorsitz = d.lehrkraft(eintrag.section(u':', 1));
        TVorsitzEinstellung einstellung{{}, fall.eigene};
        for (const QString& k : fall.waehlbar)
            einstellung.Vorsitzende << d.lehrkraft(k);
        const TVorsitzZuteilung z = VorsitzVerteilen(plan, einstellung);
        QStringList ergebnis;
        if (QString(fall.erwartet).startsWith(QStringLiteral("Last"))) {
            ergebnis << QStringLiteral("Last %1-%2").arg(z.HoechsteLast).arg(z.NiedrigsteLast);
        } else if (z.Moeglich) {
            for (const TKlasse* k : d.klassen)
                ergebnis << k->Bezeichnung + u'=' + (k->Vorsitz ? k->Vorsitz->Kuerzel : QString());
        } else {
            for (const TKlasse* k : d.klassen)
                EXPECT_EQ(k->Vorsitz != nullptr, fall.vonHand.join(u' ').contains(k->Bezeichnung)) << "nichts geschrieben";
            QStringList namen;
            for (const TKlasse* k : z.Blockierend)
                namen << k->Bezeichnung;
            ergebnis << QStringLiteral("blockiert: ") + namen.join(QStringLiteral(", "));
        }
        EXPECT_EQ(ergebnis.join(u' '), fall.erwartet);
    }
}

// With chairs the optimisation fills no row beyond the people able to chair, says so in
// the bound, and names the classes when nobody may chair at all.
TEST(VorsitzVerteilen, OptimierungMitVorsitzenden)
{
    TSchulOptionen optionen;
    optionen.LehrerProKlasseMin = 2;
    optionen.LehrerProKlasseMax = 3;
    optionen.Lehrerzahl = 200;
    TSchule schule = SchuleErzeugen(31, 5, optionen);
    for (TKlasse* k : *schule.Klassen)
        k->Vorsitz = nullptr;
    const TVorsitzEinstellung drei{{schule.Lehrer->Items(0), schule.Lehrer->Items(1), schule.Lehrer->Items(2)}};
    TOptimierung optimierung(*schule.Klassen, 6, false, {}, &drei);
    EXPECT_EQ(optimierung.Vorsitzende(), 3);
    EXPECT_EQ(optimierung.Untergrenze(), 11);
    const int ohne = Untergrenze(TKonfliktgraph(TSuche(*schule.Klassen)), 6);
    EXPECT_EQ(VorsitzPersonen(*schule.Klassen, drei.Vorsitzende), 3);
    const TVorsitzSchranke schranke = VorsitzUntergrenze(ohne, 31, 6, 3);
    EXPECT_TRUE(schranke.DurchVorsitz);
    EXPECT_EQ(VorsitzSchrankeText(schranke), QStringLiteral("Mit 3 Vorsitzenden sind mindestens 11 Zeitfenster nötig."));

    const TVorsitzEinstellung niemand;
    const TOptimierung ohneVorsitzende(*schule.Klassen, 6, false, {}, &niemand);
    EXPECT_EQ(ohneVorsitzende.VorsitzBlockierend().size(), 31);
}
