// The result table as a text file: quoting, the "//" line, tabs, line ends and code page.
#include "distribution/UErgebnisText.h"

#include <gtest/gtest.h>

TEST(ErgebnisText, KommaUndTabulator)
{
    TKlasse k5a(QStringLiteral("5a")), k6b(QStringLiteral("6b")), q1(QStringLiteral("Q1 Ma")), k8a(QStringLiteral("8ä"));
    TVerteilung plan;
    plan.Add(std::make_unique<TGruppe>(TGruppe{&k5a, &q1, &k6b}));
    plan.Add(std::make_unique<TGruppe>(TGruppe{&k8a}));
    const TErgebnisTabelle tabelle = ErgebnisTabelle(plan, 3);
    ASSERT_EQ(tabelle.size(), 3);
    EXPECT_EQ(tabelle[0], QStringList({"", "A", "B", "C"}));
    EXPECT_EQ(tabelle[2], QStringList({"2.", "8ä", "", ""}));

    EXPECT_EQ(ErgebnisText(tabelle, false), QByteArray("//,A,B,C\r\n1.,5a,\"Q1 Ma\",6b\r\n2.,8\xE4,,\r\n"));
    EXPECT_EQ(ErgebnisText({{"", "A"}, {"1.", "a,\"b\""}}, true), QByteArray("//\tA\r\n1.\t\"a\t\"\"b\"\"\"\r\n"));
}
