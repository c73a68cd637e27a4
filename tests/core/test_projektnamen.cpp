#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <gtest/gtest.h>

namespace {

QStringList kuerzelVon(const QList<TLehrer*>& lehrer)
{
    QStringList kuerzel;
    for (const TLehrer* l : lehrer)
        kuerzel << l->Kuerzel;
    return kuerzel;
}

TProjektErgebnis lesen(const QByteArray& bytes)
{
    TProjektErgebnis e = ProjektAusBytes(bytes, QStringLiteral("namen.spz"));
    EXPECT_TRUE(e.Ok()) << e.Fehler.toStdString();
    return e;
}

} // namespace

// Class leaders are stored joined by "/"; an abbreviation the splitting would take apart is
// written in quotes and comes back as itself, never as the teachers its parts name.
TEST(Klassenleitung, JedesKuerzelUeberstehtSpeichernUndLesen)
{
    const std::pair<QString, QString> faelle[] = {
        {"AB", "AB"}, {"lkr isl", "\"lkr isl\""}, {"A,B", "\"A,B\""}, {"Sa \"y\"", "\"Sa \"\"y\"\"\""},
        {"a/b", "\"a/b\""}, {"", "\"\""}, {"\tT", "\"\tT\""}, {"\"", "\"\"\"\""}, {"ÄÖ", "ÄÖ"}};
    TLehrerliste lehrer;
    TKlassenliste klassen;
    // teachers named by the parts come first: a split name would find them
    for (const char* teil : {"lkr", "isl", "A", "B", "Sa", "y", "a", "b", "T"})
        lehrer.Add(std::make_unique<TLehrer>(QString::fromUtf8(teil), QString(), QString()));
    TKlasse* alle = klassen.Add(std::make_unique<TKlasse>(QStringLiteral("alle")));
    for (const auto& [kuerzel, text] : faelle) {
        TLehrer* l = lehrer.Add(std::make_unique<TLehrer>(kuerzel, QString(), QString()));
        alle->K_Leitung << l;
        klassen.Add(std::make_unique<TKlasse>(kuerzel))->K_Leitung << l;
        EXPECT_EQ(LeitungstextBilden({l}), text);
    }
    const QByteArray bytes = ProjektBytes(lehrer, klassen);
    const TProjektErgebnis e = lesen(bytes);
    ASSERT_TRUE(e.Ok());
    for (int i = 0; i < klassen.Count(); ++i)
        EXPECT_EQ(kuerzelVon(e.Klassen->Items(i)->K_Leitung), kuerzelVon(klassen[i]->K_Leitung)) << i;
    EXPECT_EQ(ProjektBytes(*e.Lehrer, *e.Klassen), bytes);
    EXPECT_EQ(LeitungstextBilden(alle->K_Leitung.mid(0, 2)), QStringLiteral("AB/\"lkr isl\""));
}

// With two teachers of one abbreviation, the file's references mean the first of them.
TEST(Klassenleitung, GleicheKuerzelMeinenDenErsten)
{
    TLehrerliste lehrer;
    TKlassenliste klassen;
    TLehrer* erster = lehrer.Add(std::make_unique<TLehrer>("X", "Erster", ""));
    TLehrer* zweiter = lehrer.Add(std::make_unique<TLehrer>("X", "Zweiter", ""));
    TKlasse* k = klassen.Add(std::make_unique<TKlasse>("5a"));
    k->Unterrichtende << zweiter << erster;
    k->K_Leitung << zweiter;
    k->Vorsitz = zweiter;
    const TProjektErgebnis e = lesen(ProjektBytes(lehrer, klassen));
    const TKlasse* gelesen = e.Klassen->First();
    EXPECT_EQ(gelesen->Unterrichtende, QList<TLehrer*>({e.Lehrer->First(), e.Lehrer->First()}));
    EXPECT_EQ(gelesen->K_Leitung, QList<TLehrer*>({e.Lehrer->First()}));
    EXPECT_EQ(gelesen->Vorsitz, e.Lehrer->Last()); // the chair is stored by position
}

// Every text of the project that Windows-1252 cannot hold, each once, in list order.
TEST(Codepage, NichtSpeicherbareTexteDesProjekts)
{
    TLehrerliste lehrer;
    TKlassenliste klassen;
    TLehrer* l = lehrer.Add(std::make_unique<TLehrer>("YI", "Yılmaz", "Herr"));
    l->Unterrichtsfaecher << "Türkçe" << "Ελληνικά";
    lehrer.Add(std::make_unique<TLehrer>("ŁK", "Łukasz", "Pan"));
    lehrer.Add(std::make_unique<TLehrer>("MÜ", "Müller? € „ok“", "Frau"));
    TKlasse* k = klassen.Add(std::make_unique<TKlasse>("5ğ"));
    k->Elternvertreter.Add(std::make_unique<TEltern>("Bayan", "Yılmaz", 1));
    k->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Kovács Erzsébet Ő", 2));
    klassen.Add(std::make_unique<TKlasse>("5a"));
    EXPECT_EQ(NichtSpeicherbareTexte(lehrer, klassen),
              QStringList({"Yılmaz", "Ελληνικά", "ŁK", "Łukasz", "5ğ", "Kovács Erzsébet Ő"}));
    EXPECT_TRUE(NichtSpeicherbareTexte(TLehrerliste(), TKlassenliste()).isEmpty());
}
