#include "planning/UFunctions.h"

#include <gtest/gtest.h>

namespace {

struct Stufe
{
    const char* bezeichnung;
    int stufe;
};

void PrintTo(const Stufe& s, std::ostream* os)
{
    *os << '"' << s.bezeichnung << "\" -> " << s.stufe;
}

class Klassenstufen : public ::testing::TestWithParam<Stufe>
{
};

} // namespace

TEST_P(Klassenstufen, Stufe)
{
    EXPECT_EQ(Klassenstufe(QString::fromUtf8(GetParam().bezeichnung)), GetParam().stufe);
}

// Every row of the prefix table, in both cases where it compares in lower case.
INSTANTIATE_TEST_SUITE_P(Praefixtabelle, Klassenstufen, ::testing::Values(
    Stufe{"UIII", 8}, Stufe{"uiii", 8}, Stufe{"U3", 8}, Stufe{"u3b", 8},
    Stufe{"E", 10}, Stufe{"EF", 10}, Stufe{"E1", 10}, Stufe{"UII", 10}, Stufe{"U2", 10},
    Stufe{"Q2", 12}, Stufe{"QII", 12}, Stufe{"S1", 12}, Stufe{"S2", 12}, Stufe{"UI", 12}, Stufe{"U1", 12},
    Stufe{"OIII", 9}, Stufe{"O3", 9}, Stufe{"Q1", 11}, Stufe{"q1", 11}, Stufe{"QI", 11}, Stufe{"Q11", 11},
    Stufe{"OII", 11}, Stufe{"O2", 11}, Stufe{"OI", 13}, Stufe{"S3", 13}, Stufe{"S4", 13}, Stufe{"O1", 13},
    Stufe{"IV", 7}, Stufe{"IVb", 7}, Stufe{"VI", 5}, Stufe{"VII", 5}, Stufe{"V", 6}, Stufe{"v", 6}, Stufe{"Vx9", 6}));

// The lone upper-case E is the only test that looks at the designation as written.
INSTANTIATE_TEST_SUITE_P(NurGrossesE, Klassenstufen, ::testing::Values(
    Stufe{"ef", 0}, Stufe{"e1", 1}, Stufe{"e", 0}));

INSTANTIATE_TEST_SUITE_P(Ziffernregel, Klassenstufen, ::testing::Values(
    Stufe{"5a", 5}, Stufe{"10b", 10}, Stufe{"05c", 5}, Stufe{"Kl. 7", 7}, Stufe{"7/8", 7}, Stufe{"13", 13},
    Stufe{"", 0}, Stufe{"abc", 0}, Stufe{"x2147483647", 2147483647}, Stufe{"x2147483648", 0},
    Stufe{"99999999999999999999a", 0}));

namespace {

QStringList sortiert(std::initializer_list<const char*> namen)
{
    TKlassenliste liste;
    for (const char* name : namen)
        liste.Add(std::make_unique<TKlasse>(QString::fromUtf8(name)));
    liste.Sort(KlassenVergleich);
    QStringList ergebnis;
    for (const TKlasse* k : liste)
        ergebnis << k->Bezeichnung;
    return ergebnis;
}

} // namespace

TEST(Klassenordnung, StufeVorBezeichnung)
{
    EXPECT_EQ(sortiert({"10a", "5b", "EF", "5a", "Q1"}), QStringList({"5a", "5b", "10a", "EF", "Q1"}));
    EXPECT_EQ(sortiert({"Q2", "OI", "VI", "6c", "IV", "UIII"}), QStringList({"VI", "6c", "IV", "UIII", "Q2", "OI"}));
}

TEST(Klassenordnung, NurAbisZWerdenGefaltet)
{
    TKlasse klein(QStringLiteral("5a")), gross(QStringLiteral("5A"));
    EXPECT_EQ(KlassenVergleich(&klein, &gross), 0);
    EXPECT_NE(TextVergleich(QStringLiteral("ä"), QStringLiteral("Ä")), 0);
    EXPECT_LT(TextVergleich(QStringLiteral("Ab"), QStringLiteral("abc")), 0);
    EXPECT_GT(TextVergleich(QStringLiteral("Mä"), QStringLiteral("Mz")), 0);
    EXPECT_EQ(TextVergleich(QString(), QString()), 0);
}

TEST(Klassenordnung, GruppenNachIhrerErstenKlasse)
{
    TKlasse a(QStringLiteral("5a")), b(QStringLiteral("6b")), c(QStringLiteral("EF"));
    TGruppe g1{&b, &a}, g2{&c};
    EXPECT_LT(GruppenVergleich(&g1, &g2), 0);        // 6b before EF
    EXPECT_GT(GruppenVergleich(&g2, &g1), 0);
}
