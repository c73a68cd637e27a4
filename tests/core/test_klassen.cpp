#include "planning/UClasses.h"

#include <gtest/gtest.h>

TEST(Lehrerliste, SucheFindetErstenTreffer)
{
    TLehrerliste liste;
    liste.Add(std::make_unique<TLehrer>("AB", "Erster", "Herr"));
    EXPECT_EQ(liste.Suche("AB")->Name, "Erster");
}
