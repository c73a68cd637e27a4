#include "editing/UAenderungen.h"
#include "planning/UVar.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Teachers AB, CD, EF; classes 5a (AB, CD; led by AB), 6b (CD, EF; chaired by AB, who does
// not teach it; grade-level leadership AB).
class TAenderungen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ab = neuerLehrer("AB", "Albers");
        cd = neuerLehrer("CD", "Claßen");
        ef = neuerLehrer("EF", "Ebert");
        k5a = neueKlasse("5a", {ab, cd});
        k6b = neueKlasse("6b", {cd, ef});
        k5a->K_Leitung = {ab};
        k6b->Vorsitz = ab;
        k6b->Stufenleitung = ab;
        Geaendert = false;
    }

    TLehrer* neuerLehrer(const char* k, const char* n)
    {
        auto l = std::make_unique<TLehrer>(QString::fromUtf8(k), QString::fromUtf8(n), QStringLiteral("Frau"));
        return lehrer.Add(std::move(l));
    }

    TKlasse* neueKlasse(const char* bez, QList<TLehrer*> unterrichtende)
    {
        TKlasse* k = klassen.Add(std::make_unique<TKlasse>(QString::fromUtf8(bez)));
        k->Unterrichtende = unterrichtende;
        return k;
    }

    QStringList bezeichnungen() const
    {
        QStringList b;
        for (const TKlasse* k : klassen)
            b << k->Bezeichnung;
        return b;
    }

    TLehrerliste lehrer;
    TKlassenliste klassen;
    TLehrer *ab = nullptr, *cd = nullptr, *ef = nullptr;
    TKlasse *k5a = nullptr, *k6b = nullptr;
};

TEST_F(TAenderungen, KlassenHinzufuegenUndUmbenennenHaltenBezeichnungenEindeutigUndSortiert)
{
    EXPECT_EQ(KlasseHinzufuegen(klassen, QStringLiteral("5a")), nullptr);
    EXPECT_FALSE(Geaendert);
    ASSERT_NE(KlasseHinzufuegen(klassen, QStringLiteral("5A")), nullptr);
    EXPECT_TRUE(Geaendert);
    KlasseHinzufuegen(klassen, QStringLiteral("10c"));
    KlasseHinzufuegen(klassen, QStringLiteral("EF"));
    EXPECT_EQ(bezeichnungen().mid(2), QStringList({"6b", "10c", "EF"}));

    Geaendert = false;
    EXPECT_FALSE(KlasseUmbenennen(klassen, *k5a, QStringLiteral("6b")));
    EXPECT_EQ(k5a->Bezeichnung, QStringLiteral("5a"));
    EXPECT_FALSE(Geaendert);
    EXPECT_TRUE(KlasseUmbenennen(klassen, *k5a, QStringLiteral("5a"))); // its own: accepted, a change
    EXPECT_TRUE(Geaendert);
    EXPECT_TRUE(KlasseUmbenennen(klassen, *k5a, QStringLiteral("Q1")));
    EXPECT_EQ(klassen.Last(), k5a);
}

TEST_F(TAenderungen, GeloeschteLehrkraftBleibtInKeinerKlasse)
{
    LehrerLoeschen(lehrer, klassen, {ab});
    EXPECT_EQ(lehrer.Count(), 2);
    EXPECT_EQ(k5a->Unterrichtende, QList<TLehrer*>({cd}));
    EXPECT_TRUE(k5a->K_Leitung.isEmpty());
    EXPECT_EQ(k6b->Vorsitz, nullptr);
    EXPECT_EQ(k6b->Stufenleitung, nullptr);
    EXPECT_EQ(k6b->Unterrichtende, QList<TLehrer*>({cd, ef}));
    EXPECT_TRUE(Geaendert);
}

TEST_F(TAenderungen, WerDieKlasseVerlaesstLeitetUndLeitetVorNichtMehr)
{
    k5a->Vorsitz = cd;
    AusKlasseEntfernen(*k5a, {ab, cd});
    EXPECT_TRUE(k5a->Unterrichtende.isEmpty());
    EXPECT_TRUE(k5a->K_Leitung.isEmpty());
    EXPECT_EQ(k5a->Vorsitz, nullptr);
    EXPECT_EQ(k6b->Vorsitz, ab); // other classes keep theirs
    EXPECT_EQ(lehrer.Count(), 3);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TAenderungen, ZuweisenHaengtNurNeueAnUndSortiert)
{
    auto* aa = neuerLehrer("AA", "Aal");
    EXPECT_EQ(LehrerZuweisen(*k5a, {ef, aa, ab}), 2);
    EXPECT_EQ(k5a->Unterrichtende, QList<TLehrer*>({aa, ab, cd, ef}));
    EXPECT_TRUE(Geaendert);
    Geaendert = false;
    EXPECT_EQ(LehrerZuweisen(*k5a, {cd}), 0);
    EXPECT_FALSE(Geaendert);
}

TEST_F(TAenderungen, KlassenleitungsknopfDurchlaeuftDieRollen)
{
    k5a->Vorsitz = ab; // AB leads and chairs 5a
    const TRolle folge[] = {TRolle::Klassenleitung, TRolle::Lehrkraft, TRolle::Klassenleitung};
    for (const TRolle erwartet : folge)
        EXPECT_EQ(KlassenleitungUmschalten(*k5a, ab), erwartet);
    EXPECT_EQ(k5a->Vorsitz, nullptr);
    EXPECT_EQ(k5a->K_Leitung, QList<TLehrer*>({ab}));
    EXPECT_EQ(KlassenleitungUmschalten(*k5a, cd), TRolle::Klassenleitung);
    EXPECT_EQ(k5a->K_Leitung, QList<TLehrer*>({ab, cd}));
}

TEST_F(TAenderungen, KuerzelMussEindeutigSeinUndOhneSchraegstrich)
{
    struct
    {
        const char* kuerzel;
        const TLehrer* eigener;
        TKuerzelFehler fehler;
    } faelle[] = {
        {"CD", nullptr, TKuerzelFehler::Vergeben},   {"CD", ab, TKuerzelFehler::Vergeben},
        {"AB", ab, TKuerzelFehler::Keiner},          {"cd", ab, TKuerzelFehler::Keiner},
        {"A/B", ab, TKuerzelFehler::MitSchraegstrich}, {"/", nullptr, TKuerzelFehler::MitSchraegstrich},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KuerzelPruefen(lehrer, QString::fromUtf8(f.kuerzel), f.eigener), f.fehler) << f.kuerzel;

    EXPECT_EQ(LehrerAendern(lehrer, *ab, QStringLiteral("CD"), QStringLiteral("Herr"), QStringLiteral("Zander")),
              TKuerzelFehler::Vergeben);
    EXPECT_EQ(ab->Name, QStringLiteral("Albers"));
    EXPECT_FALSE(Geaendert);
    EXPECT_EQ(LehrerAendern(lehrer, *ab, QStringLiteral("ZA"), QStringLiteral("Herr"), QStringLiteral("Zander")),
              TKuerzelFehler::Keiner);
    EXPECT_EQ(lehrer.Last(), ab);
    EXPECT_EQ(LehrerHinzufuegen(lehrer, QStringLiteral("ZA"), QString(), QStringLiteral("X")), nullptr);
    const TLehrer* bb = LehrerHinzufuegen(lehrer, QStringLiteral("BB"), QString(), QStringLiteral("Bach"));
    EXPECT_EQ(lehrer.First(), bb);
}

TEST_F(TAenderungen, ElternIDs)
{
    EXPECT_EQ(NaechsteElternID(klassen), 1);
    ElternHinzufuegen(*k5a, QString(), QStringLiteral("Ost"), 3);
    ElternHinzufuegen(*k6b, QStringLiteral("Frau"), QStringLiteral("West"), 7);
    EXPECT_EQ(NaechsteElternID(klassen), 8);
    EXPECT_TRUE(Geaendert);

    const std::pair<const char*, int> texte[] = {
        {"0", 0}, {"12", 12}, {"-1", -1}, {"abc", -1}, {"", -1}, {"2147483647", 2147483647}, {"2147483648", -1},
    };
    for (const auto& [text, id] : texte)
        EXPECT_EQ(ElternID(QString::fromUtf8(text)), id) << text;

    // the largest ID in use: the proposal is beyond it and refused, never negative
    ElternHinzufuegen(*k5a, QString(), QStringLiteral("Max"), std::numeric_limits<int>::max());
    EXPECT_EQ(NaechsteElternID(klassen), qint64(2147483648LL));
    EXPECT_EQ(ElternID(QString::number(NaechsteElternID(klassen))), -1);

    const TEltern* ost = k5a->Elternvertreter.First();
    EXPECT_TRUE(ElternEntfernen(*k5a, ost));
    EXPECT_FALSE(ElternEntfernen(*k6b, k5a->Elternvertreter.First()));
    EXPECT_EQ(k5a->Elternvertreter.Count(), 1);
}

TEST_F(TAenderungen, GeloeschteKlassenNimmtAuchDieVerteilungMit)
{
    TVerteilung verteilung;
    verteilung.Add(std::make_unique<TGruppe>(TGruppe{k5a, k6b}));
    KlassenLoeschen(klassen, verteilung, {k5a});
    EXPECT_EQ(bezeichnungen(), QStringList({"6b"}));
    EXPECT_TRUE(verteilung.IsEmpty());
    EXPECT_EQ(lehrer.Count(), 3);
    EXPECT_TRUE(Geaendert);
}

} // namespace
