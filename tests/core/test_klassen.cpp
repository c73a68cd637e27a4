#include "planning/UClasses.h"
#include "planning/UFunctions.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TLehrer> lehrer(const char* kuerzel, const char* name = "Name")
{
    return std::make_unique<TLehrer>(QString::fromUtf8(kuerzel), QString::fromUtf8(name), QStringLiteral("Frau"));
}

// A record that counts its destruction, to watch the owning list.
struct Zaehler : TMyObject
{
    Zaehler(std::vector<int>& log, int nummer) : log(log), nummer(nummer) {}
    ~Zaehler() override { log.push_back(nummer); }
    void Speichern(TMyStream&) const override {}
    std::vector<int>& log;
    int nummer;
};

} // namespace

TEST(Lehrerliste, SucheVergleichtExaktUndNimmtDenErsten)
{
    TLehrerliste liste;
    liste.Add(lehrer("", "Ohne Kürzel"));
    liste.Add(lehrer("AB", "Erster"));
    liste.Add(lehrer("AB", "Zweiter")); // the teacher edit does not prevent duplicates
    EXPECT_EQ(liste.Suche(QString())->Name, QStringLiteral("Ohne Kürzel"));
    EXPECT_EQ(liste.Suche(QStringLiteral("AB"))->Name, QStringLiteral("Erster"));
    EXPECT_EQ(liste.Suche(QStringLiteral("ab")), nullptr);
    EXPECT_EQ(liste.Suche(QStringLiteral("A")), nullptr);
}

TEST(Lehrerliste, LehrerHinzuLaesstDenAbgelehntenBeimAufrufer)
{
    TLehrerliste liste;
    auto erster = lehrer("AB");
    ASSERT_TRUE(liste.LehrerHinzu(erster));
    EXPECT_EQ(erster, nullptr);

    auto doppelt = lehrer("AB", "Doppelt");
    EXPECT_FALSE(liste.LehrerHinzu(doppelt));
    ASSERT_NE(doppelt, nullptr);
    EXPECT_EQ(doppelt->Name, QStringLiteral("Doppelt"));
    EXPECT_EQ(liste.Count(), 1);
    EXPECT_EQ(liste.IndexOf(doppelt.get()), -1);
}

TEST(Klassenliste, KlasseHinzuUnterscheidetGrossUndKleinschreibung)
{
    TKlassenliste liste;
    EXPECT_TRUE(liste.KlasseHinzu(std::make_unique<TKlasse>(QStringLiteral("5a"))));
    EXPECT_FALSE(liste.KlasseHinzu(std::make_unique<TKlasse>(QStringLiteral("5a"))));
    EXPECT_TRUE(liste.KlasseHinzu(std::make_unique<TKlasse>(QStringLiteral("5A"))));
    EXPECT_EQ(liste.Count(), 2);
    EXPECT_TRUE(liste.KlasseExistiert(QStringLiteral("5A")));
    EXPECT_FALSE(liste.KlasseExistiert(QStringLiteral("5b")));
    EXPECT_EQ(liste.SucheKlasse(QStringLiteral("5a")), liste[0]);
}

TEST(Klassenliste, NeueKlasseIstLeer)
{
    TKlasse klasse(QStringLiteral("7c"));
    EXPECT_EQ(klasse.Konferenzdatum, 0.0);
    EXPECT_EQ(klasse.Vorsitz, nullptr);
    EXPECT_EQ(klasse.Stufenleitung, nullptr);
    EXPECT_TRUE(klasse.Unterrichtende.isEmpty());
    EXPECT_TRUE(klasse.K_Leitung.isEmpty());
    EXPECT_TRUE(klasse.Elternvertreter.IsEmpty());
}

TEST(Klassenliste, ZerstoerenLaesstDieLehrerBestehen)
{
    TLehrerliste lehrerliste;
    TLehrer* ab = lehrerliste.Add(lehrer("AB", "Anders"));
    {
        TKlassenliste klassen;
        auto klasse = std::make_unique<TKlasse>(QStringLiteral("5a"));
        klasse->Unterrichtende << ab;
        klasse->K_Leitung << ab;
        klasse->Vorsitz = ab;
        klasse->Stufenleitung = ab;
        klasse->Elternvertreter.Add(std::make_unique<TEltern>(QStringLiteral("Herr"), QStringLiteral("Öztürk"), 3));
        klassen.KlasseHinzu(std::move(klasse));
    }
    // the teacher must still be alive (the sanitizer build catches a use after free)
    EXPECT_EQ(lehrerliste.Suche(QStringLiteral("AB"))->Name, QStringLiteral("Anders"));
}

TEST(MyList, ZerstoertVonVorneUndGibtEigentumHeraus)
{
    std::vector<int> log;
    std::unique_ptr<Zaehler> herausgenommen;
    {
        TMyList<Zaehler> liste;
        for (int i = 0; i < 4; ++i)
            liste.Add(std::make_unique<Zaehler>(log, i));
        herausgenommen = liste.Extract(liste[2]);
        ASSERT_NE(herausgenommen, nullptr);
        EXPECT_EQ(liste.Count(), 3);
        EXPECT_TRUE(log.empty());
        EXPECT_EQ(liste.Extract(herausgenommen.get()), nullptr);
        liste.Move(0, 2); // 1 3 0
        EXPECT_EQ(liste[2]->nummer, 0);
        EXPECT_TRUE(liste.Remove(liste[0]));
        EXPECT_EQ(log, std::vector<int>({1}));
    }
    // the list destroyed 3 then 0; the one handed out lives on
    EXPECT_EQ(log, std::vector<int>({1, 3, 0}));
    EXPECT_EQ(herausgenommen->nummer, 2);
}

TEST(MyList, SortiertMitVergleichsfunktion)
{
    TLehrerliste liste;
    liste.Add(lehrer("ZZ", "Özdemir"));
    liste.Add(lehrer("BB", "Becker"));
    liste.Add(lehrer("AA", "Becker"));
    liste.Add(lehrer("CC", "Zander"));
    liste.Sort(LehrerVergleich);
    QStringList kuerzel;
    for (const TLehrer* l : liste)
        kuerzel << l->Kuerzel;
    // same name: by abbreviation; an umlaut sorts after every ASCII letter
    EXPECT_EQ(kuerzel, QStringList({"AA", "BB", "CC", "ZZ"}));
}
