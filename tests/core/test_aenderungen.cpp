#include "editing/UAenderungen.h"
#include "planning/UVar.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Teachers AB, CD, EF; 5a taught by AB and CD and led by AB; 6b taught by CD and EF,
// chaired and led as a grade level by AB, who does not teach it.
class TAenderungen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* k : {"AB", "CD", "EF"})
            lehrer.Add(std::make_unique<TLehrer>(QString::fromUtf8(k), QString::fromUtf8(k), QString()));
        ab = lehrer[0], cd = lehrer[1], ef = lehrer[2];
        k5a = klassen.Add(std::make_unique<TKlasse>(QStringLiteral("5a")));
        k6b = klassen.Add(std::make_unique<TKlasse>(QStringLiteral("6b")));
        k5a->Unterrichtende = {ab, cd};
        k5a->K_Leitung = {ab};
        k6b->Unterrichtende = {cd, ef};
        k6b->Vorsitz = k6b->Stufenleitung = ab;
        Geaendert = false;
    }

    TLehrerliste lehrer;
    TKlassenliste klassen;
    TLehrer *ab = nullptr, *cd = nullptr, *ef = nullptr;
    TKlasse *k5a = nullptr, *k6b = nullptr;
};

TEST_F(TAenderungen, GeloeschteLehrkraftBleibtInKeinerKlasse)
{
    LehrerLoeschen(lehrer, klassen, {ab});
    EXPECT_EQ(lehrer.Count(), 2);
    EXPECT_EQ(k5a->Unterrichtende, QList<TLehrer*>({cd}));
    EXPECT_TRUE(k5a->K_Leitung.isEmpty());
    EXPECT_EQ(k6b->Vorsitz, nullptr);
    EXPECT_EQ(k6b->Stufenleitung, nullptr);
    EXPECT_TRUE(Geaendert);
}

TEST_F(TAenderungen, WerDieKlasseVerlaesstLeitetUndLeitetVorNichtMehr)
{
    k5a->Vorsitz = cd;
    AusKlasseEntfernen(*k5a, {ab, cd});
    EXPECT_TRUE(k5a->Unterrichtende.isEmpty() && k5a->K_Leitung.isEmpty());
    EXPECT_EQ(k5a->Vorsitz, nullptr);
    EXPECT_EQ(k6b->Vorsitz, ab); // other classes keep theirs
    EXPECT_EQ(lehrer.Count(), 3);
}

// Unique abbreviations; a "/" only in one that was imported so and stays unchanged.
TEST_F(TAenderungen, KuerzelPruefenNeuUndEigen)
{
    ab->Kuerzel = QStringLiteral("Mü/Sch");
    using F = TKuerzelFehler;
    const struct
    {
        const char* kuerzel;
        const TLehrer* eigener;
        F fehler;
    } faelle[] = {{"CD", nullptr, F::Vergeben},         {"CD", cd, F::Keiner},
                  {"CD", ef, F::Vergeben},              {"X/Y", nullptr, F::MitSchraegstrich},
                  {"Mü/Sch", ab, F::Keiner},            {"Mü/Sch", cd, F::MitSchraegstrich},
                  {"M/S", ab, F::MitSchraegstrich}};
    for (const auto& f : faelle)
        EXPECT_EQ(KuerzelPruefen(lehrer, QString::fromUtf8(f.kuerzel), f.eigener), f.fehler) << f.kuerzel;
    EXPECT_EQ(LehrerAendern(lehrer, *ab, ab->Kuerzel, QStringLiteral("Herr"), QStringLiteral("Müller")), F::Keiner);
    EXPECT_EQ(ab->Anrede, QStringLiteral("Herr"));
}

TEST_F(TAenderungen, ZuweisenHaengtNurNeueAnUndSortiertNachNamen)
{
    ab->Name = QStringLiteral("Zorn");
    EXPECT_EQ(LehrerZuweisen(*k5a, {ef, ab, cd}), 1);
    EXPECT_EQ(k5a->Unterrichtende, QList<TLehrer*>({cd, ef, ab}));
    Geaendert = false;
    EXPECT_EQ(LehrerZuweisen(*k5a, {cd}), 0);
    EXPECT_FALSE(Geaendert);
}

TEST_F(TAenderungen, NaechsteElternIDUeberAlleKlassenUndOhneUeberlauf)
{
    EXPECT_EQ(NaechsteElternID(klassen), 1);
    ElternHinzufuegen(*k5a, QString(), QStringLiteral("Ost"), 7);
    ElternHinzufuegen(*k6b, QString(), QStringLiteral("West"), 3);
    EXPECT_EQ(NaechsteElternID(klassen), 8);
    EXPECT_TRUE(Geaendert);
    const std::pair<const char*, int> texte[] = {{"0", 0}, {"-1", -1}, {"abc", -1}, {"", -1},
                                                 {"2147483647", std::numeric_limits<int>::max()}, {"2147483648", -1}};
    for (const auto& [text, id] : texte)
        EXPECT_EQ(ElternID(QString::fromUtf8(text)), id) << text;
    // the largest ID taken: the proposal lies beyond it and is refused, it never wraps round
    ElternHinzufuegen(*k5a, QString(), QStringLiteral("Max"), std::numeric_limits<int>::max());
    EXPECT_EQ(ElternID(QString::number(NaechsteElternID(klassen))), -1);
}

TEST_F(TAenderungen, GeloeschteKlasseNimmtDieVerteilungMit)
{
    TVerteilung verteilung;
    verteilung.Add(std::make_unique<TGruppe>(TGruppe{k5a, k6b}));
    KlassenLoeschen(klassen, verteilung, {k5a});
    EXPECT_EQ(klassen.Count(), 1);
    EXPECT_TRUE(verteilung.IsEmpty()); // it would refer to the deleted class
    EXPECT_EQ(lehrer.Count(), 3);
}

} // namespace
