#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <gtest/gtest.h>

// Class leaders are stored joined by "/"; an abbreviation the splitting would take apart is
// written in quotes and comes back as itself, never as the teachers its parts name. Of two
// teachers with one abbreviation, the file's abbreviations mean the first.
TEST(Klassenleitung, JedesKuerzelUeberstehtSpeichernUndLesen)
{
    const std::pair<QString, QString> faelle[] = {
        {"AB", "AB"}, {"lkr isl", "\"lkr isl\""}, {"A,B", "\"A,B\""}, {"Sa \"y\"", "\"Sa \"\"y\"\"\""},
        {"a/b", "\"a/b\""}, {"", "\"\""}, {"\tT", "\"\tT\""}, {"\"", "\"\"\"\""}, {"ÄÖ", "ÄÖ"}};
    TLehrerliste lehrer;
    TKlassenliste klassen;
    // teachers named by the parts come first: a split name would find them
    for (const char* teil : {"lkr", "isl", "A", "B", "Sa", "y", "a", "b", "T", "AB"})
        lehrer.Add(std::make_unique<TLehrer>(QString::fromUtf8(teil), QString(), QString()));
    TKlasse* alle = klassen.Add(std::make_unique<TKlasse>(QStringLiteral("alle")));
    for (const auto& [kuerzel, text] : faelle) {
        TLehrer* l = lehrer.Add(std::make_unique<TLehrer>(kuerzel, QString(), QString()));
        alle->K_Leitung << l;
        klassen.Add(std::make_unique<TKlasse>(kuerzel))->K_Leitung << l;
        EXPECT_EQ(LeitungstextBilden({l}), text);
    }
    const QByteArray bytes = ProjektBytes(lehrer, klassen);
    const TProjektErgebnis e = ProjektAusBytes(bytes, QStringLiteral("namen.spz"));
    ASSERT_TRUE(e.Ok());
    for (int i = 0; i < klassen.Count(); ++i) {
        QList<int> erwartet, gelesen;
        for (const TLehrer* l : klassen[i]->K_Leitung)
            erwartet << lehrer.IndexOf(lehrer.Suche(l->Kuerzel));
        for (const TLehrer* l : e.Klassen->Items(i)->K_Leitung)
            gelesen << e.Lehrer->IndexOf(l);
        EXPECT_EQ(gelesen, erwartet) << i;
    }
    EXPECT_EQ(ProjektBytes(*e.Lehrer, *e.Klassen), bytes);
}

// Every text of the project that Windows-1252 cannot hold, each once, in list order.
TEST(Codepage, NichtSpeicherbareTexteDesProjekts)
{
    TLehrerliste lehrer;
    TKlassenliste klassen;
    lehrer.Add(std::make_unique<TLehrer>("YI", "Yılmaz", "Herr"))->Unterrichtsfaecher << "Türkçe"
                                                                  << "Ελληνικά";
    lehrer.Add(std::make_unique<TLehrer>("ŁK", "Łukasz", "Pan"));
    lehrer.Add(std::make_unique<TLehrer>("MÜ", "Müller? € „ok“", "Frau"));
    TKlasse* k = klassen.Add(std::make_unique<TKlasse>("5ğ"));
    k->Elternvertreter.Add(std::make_unique<TEltern>("Bayan", "Yılmaz", 1));
    k->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Kovács Erzsébet Ő", 2));
    EXPECT_EQ(NichtSpeicherbareTexte(lehrer, klassen),
              QStringList({"Yılmaz", "Ελληνικά", "ŁK", "Łukasz", "5ğ", "Kovács Erzsébet Ő"}));
}
