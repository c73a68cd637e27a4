#include "Klassendaten.h"
#include "distribution/USuche.h"
#include "distribution/UVerteilung.h"
#include "planning/UVar.h"
#include "support/Referenzsuche.h"
#include "support/Schulgenerator.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// "5a 5b | 6a" style, for readable comparisons.
QString text(const TVerteilung& verteilung)
{
    QStringList zeilen;
    for (const TGruppe* gruppe : verteilung) {
        QStringList zeile;
        for (const TKlasse* k : *gruppe)
            zeile << k->Bezeichnung;
        zeilen << zeile.join(QLatin1Char(' '));
    }
    return zeilen.join(QStringLiteral(" | "));
}

std::vector<std::vector<const TKlasse*>> zeiger(const TVerteilung& verteilung)
{
    std::vector<std::vector<const TKlasse*>> ergebnis;
    for (const TGruppe* gruppe : verteilung)
        ergebnis.emplace_back(gruppe->begin(), gruppe->end());
    return ergebnis;
}

int groessteGruppe(const TVerteilung& verteilung)
{
    int groesste = 0;
    for (const TGruppe* gruppe : verteilung)
        groesste = std::max(groesste, static_cast<int>(gruppe->size()));
    return groesste;
}

// The next draw of a copy tells the state of the generator without changing it.
std::uint32_t naechsterWurf(TZufall zufall)
{
    return zufall.Ziehen(1u << 30);
}

// The global planning state of one test, restored afterwards.
class GlobaleVerteilung : public ::testing::Test
{
protected:
    void SetUp() override
    {
        alteKlassen = std::exchange(Klassenliste, std::make_unique<TKlassenliste>());
        alteVerteilung = std::exchange(Verteilung, std::make_unique<TVerteilung>());
    }
    void TearDown() override
    {
        Verteilung = std::move(alteVerteilung);
        Klassenliste = std::move(alteKlassen);
    }

    std::unique_ptr<TKlassenliste> alteKlassen;
    std::unique_ptr<TVerteilung> alteVerteilung;
};

} // namespace

// ---------------------------------------------------------------- the plain search as oracle

TEST(Verteilungssuche, GleicheGruppenWieDieEinfacheSucheAufVielenSchulen)
{
    const int groessen[] = {2, 3, 9, 30, 63, 64, 65, 70, 100, 128, 129, 140};
    for (std::uint32_t startwert = 1; startwert <= 36; ++startwert) {
        TSchulOptionen optionen;
        optionen.KlassenOhneLehrer = static_cast<int>(startwert % 4);
        if (startwert % 3 == 0)
            optionen.Lehrerzahl = static_cast<int>(4 + startwert % 11); // dense conflicts
        if (startwert % 5 == 0)
            optionen.LehrerProKlasseMin = optionen.LehrerProKlasseMax = 1; // sparse conflicts
        const int klassenzahl = groessen[startwert % std::size(groessen)];
        const TSchule schule = SchuleErzeugen(klassenzahl, startwert, optionen);
        TSuche suche(*schule.Klassen);
        for (int limit = 0; limit <= 10; ++limit) {
            SCOPED_TRACE(testing::Message() << "Startwert " << startwert << ", " << klassenzahl << " Klassen, Limit " << limit);
            TZufall einfach(startwert * 7919u + static_cast<std::uint32_t>(limit));
            TZufall schnell = einfach;
            TZufall global = einfach;
            const auto erwartet = VerteilungSuchenEinfach(*schule.Klassen, limit, einfach);

            const TVerteilungsMass mass = suche.Durchlauf(limit, schnell);
            EXPECT_EQ(zeiger(*suche.LetzteVerteilung()), zeiger(*erwartet));
            EXPECT_EQ(mass.Zeilen, erwartet->Count());
            EXPECT_EQ(mass.Spalten, std::max(1, groessteGruppe(*erwartet)));
            EXPECT_EQ(naechsterWurf(schnell), naechsterWurf(einfach));

            EXPECT_EQ(zeiger(*VerteilungSuchen(*schule.Klassen, limit, global)), zeiger(*erwartet));
            EXPECT_EQ(naechsterWurf(global), naechsterWurf(einfach));
        }
    }
}

TEST(Verteilungssuche, FolgeVonSuchenZiehtWieDieEinfacheSuche)
{
    const TSchule schule = SchuleErzeugen(60, 99);
    TSuche suche(*schule.Klassen);
    TZufall einfach(5), schnell(5);
    for (int i = 0; i < 20; ++i) {
        const auto erwartet = VerteilungSuchenEinfach(*schule.Klassen, 4, einfach);
        suche.Durchlauf(4, schnell);
        ASSERT_EQ(zeiger(*suche.LetzteVerteilung()), zeiger(*erwartet)) << "Suche " << i;
    }
}

TEST(Verteilungssuche, GemerkteSucheBleibtUeberSpaetereSuchenErhalten)
{
    const TSchule schule = SchuleErzeugen(40, 3);
    TSuche suche(*schule.Klassen);
    TZufall zufall(11);
    const TVerteilungsMass gemerkt = suche.Durchlauf(3, zufall);
    const auto erwartet = suche.LetzteVerteilung();
    suche.Merken();
    for (int i = 0; i < 5; ++i)
        suche.Durchlauf(3, zufall);
    EXPECT_EQ(zeiger(*suche.GemerkteVerteilung()), zeiger(*erwartet));
    EXPECT_EQ(suche.GemerktesMass().Zeilen, gemerkt.Zeilen);
    EXPECT_EQ(suche.GemerktesMass().Spalten, gemerkt.Spalten);
}

// ---------------------------------------------------------------- rules of the search

TEST(Verteilungssuche, LimitEinsGibtJeKlasseEineZeileInKlassenordnung)
{
    TDaten d;
    for (const char* bez : {"Q1", "10a", "EF", "5b", "abc", "UIII", "5a", "VI", ""})
        d.klasse(QString::fromLatin1(bez));
    TZufall zufall(17), einfach(17);
    const auto verteilung = VerteilungSuchen(d.klassen, 1, zufall);
    EXPECT_EQ(text(*verteilung), QStringLiteral(" | abc | 5a | 5b | VI | UIII | 10a | EF | Q1"));
    EXPECT_EQ(Spaltenzahl(*verteilung), 1);
    EXPECT_EQ(zeiger(*verteilung), zeiger(*VerteilungSuchenEinfach(d.klassen, 1, einfach)));
}

TEST(Verteilungssuche, ZweiKlassenOhneGemeinsameLehrkraftBildenEineGruppe)
{
    TDaten d;
    d.klasse("6a", {"A", "B"});
    d.klasse("5a", {"C"});
    for (std::uint32_t startwert = 0; startwert < 20; ++startwert) {
        TZufall zufall(startwert);
        const auto verteilung = VerteilungSuchen(d.klassen, 2, zufall);
        EXPECT_EQ(text(*verteilung), QStringLiteral("5a 6a"));
        EXPECT_EQ(Spaltenzahl(*verteilung), 2);
    }
}

TEST(Verteilungssuche, EineGemeinsameLehrkraftFuerAlleGibtEineZeileJeKlasse)
{
    TDaten d;
    for (int i = 0; i < 7; ++i)
        d.klasse(QString::number(5 + i) + QLatin1Char('a'), {"ALL", QStringLiteral("X%1").arg(i)});
    TZufall zufall(4);
    const auto verteilung = VerteilungSuchen(d.klassen, 10, zufall);
    EXPECT_EQ(verteilung->Count(), 7);
    EXPECT_EQ(Spaltenzahl(*verteilung), 1);
}

TEST(Verteilungssuche, LehrkraefteZaehlenAlsDatensatzNichtNachKuerzel)
{
    TDaten d;
    TKlasse* a = d.klasse("5a");
    TKlasse* b = d.klasse("5b");
    // two different teachers that happen to share an abbreviation do not conflict
    a->Unterrichtende << d.lehrer.Add(std::make_unique<TLehrer>("MUE", "Müller", "Frau"));
    b->Unterrichtende << d.lehrer.Add(std::make_unique<TLehrer>("MUE", "Müller", "Herr"));
    TZufall zufall(1);
    EXPECT_EQ(VerteilungSuchen(d.klassen, 4, zufall)->Count(), 1);
}

TEST(Verteilungssuche, NurUnterrichtendeZaehlen)
{
    TDaten d;
    TKlasse* a = d.klasse("5a", {"A"});
    TKlasse* b = d.klasse("5b", {"B"});
    // same chair, class leader of the other class, grade-level leader and parent: no conflict
    a->Vorsitz = b->Vorsitz = d.lehrkraft("SL");
    a->K_Leitung << d.lehrkraft("B");
    a->Stufenleitung = b->Stufenleitung = d.lehrkraft("STL");
    a->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Weiß", 1));
    b->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Weiß", 1));
    TZufall zufall(2);
    EXPECT_EQ(text(*VerteilungSuchen(d.klassen, 4, zufall)), QStringLiteral("5a 5b"));
}

TEST(Verteilungssuche, WenigerAlsZweiKlassenGibtLeereVerteilungOhneZufallszahl)
{
    TDaten d;
    for (int klassen = 0; klassen < 2; ++klassen) {
        TZufall zufall(8);
        const std::uint32_t vorher = naechsterWurf(zufall);
        const auto verteilung = VerteilungSuchen(d.klassen, 4, zufall);
        EXPECT_TRUE(verteilung->IsEmpty());
        EXPECT_EQ(Spaltenzahl(*verteilung), 1);
        EXPECT_EQ(naechsterWurf(zufall), vorher);
        d.klasse("5a", {"A"});
    }
}

TEST(Verteilungssuche, GleicherStartwertGleicheVerteilung)
{
    const TSchule schule = SchuleErzeugen(60, 5);
    TZufall erster(123), zweiter(123);
    EXPECT_EQ(zeiger(*VerteilungSuchen(*schule.Klassen, 4, erster)),
              zeiger(*VerteilungSuchen(*schule.Klassen, 4, zweiter)));
}

// ---------------------------------------------------------------- the greedy fill on a given order

class GierigeFuellung : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // only A-B, B-C and C-D share a teacher; X has none
        a = d.klasse("5a", {"AB"});
        b = d.klasse("5b", {"AB", "BC"});
        c = d.klasse("5c", {"BC", "CD"});
        dd = d.klasse("5d", {"CD"});
    }
    // the groups of the prepared search (in class order) and of the plain fill (as formed)
    std::pair<QString, QString> fuellen(const QList<TKlasse*>& reihe, int limit)
    {
        TSuche suche(d.klassen);
        suche.Fuellen(reihe, limit);
        return {text(*suche.LetzteVerteilung()), text(*GruppenFuellenEinfach(reihe, limit))};
    }

    TDaten d;
    TKlasse *a, *b, *c, *dd;
};

TEST_F(GierigeFuellung, ReihenfolgeEntscheidetUeberZweiOderDreiZeilen)
{
    EXPECT_EQ(fuellen({a, b, c, dd}, 2), std::make_pair(QStringLiteral("5a 5c | 5b 5d"), QStringLiteral("5a 5c | 5b 5d")));
    EXPECT_EQ(fuellen({a, dd, b, c}, 2), std::make_pair(QStringLiteral("5a 5d | 5b | 5c"), QStringLiteral("5a 5d | 5b | 5c")));
}

TEST_F(GierigeFuellung, KlasseOhneLehrkraftKommtInDieGeradeGebauteGruppe)
{
    TKlasse* x = d.klasse("6x");
    EXPECT_EQ(fuellen({a, b, x, c, dd}, 2), std::make_pair(QStringLiteral("5a 6x | 5b 5d | 5c"), QStringLiteral("5a 6x | 5b 5d | 5c")));
    EXPECT_EQ(fuellen({a, b, x, c, dd}, 3).first, QStringLiteral("5a 5c 6x | 5b 5d"));
    EXPECT_EQ(fuellen({x, a, b, c, dd}, 1).first, QStringLiteral("5a | 5b | 5c | 5d | 6x"));
}

TEST_F(GierigeFuellung, ReihenfolgeMussJedeKlasseEinmalEnthalten)
{
    TSuche suche(d.klassen);
    EXPECT_THROW(suche.Fuellen({a, b, c}, 2), std::invalid_argument);
    EXPECT_THROW(suche.Fuellen({a, b, c, c}, 2), std::invalid_argument);
}

// ---------------------------------------------------------------- changed data between searches

TEST(Verteilungssuche, GeaenderteDatenWerdenBeimNaechstenAufrufBeruecksichtigt)
{
    TDaten d;
    TKlasse* a = d.klasse("5a", {"A"});
    TKlasse* b = d.klasse("6a", {"B"});
    TZufall zufall(3);
    EXPECT_EQ(text(*VerteilungSuchen(d.klassen, 4, zufall)), QStringLiteral("5a 6a"));

    b->Unterrichtende << d.lehrkraft("A");
    EXPECT_EQ(text(*VerteilungSuchen(d.klassen, 4, zufall)), QStringLiteral("5a | 6a"));

    a->Bezeichnung = QStringLiteral("7a");
    EXPECT_EQ(text(*VerteilungSuchen(d.klassen, 4, zufall)), QStringLiteral("6a | 7a"));

    b->Unterrichtende.removeAll(d.lehrkraft("A"));
    d.klasse("5c", {"A"});
    EXPECT_EQ(text(*VerteilungSuchen(d.klassen, 1, zufall)), QStringLiteral("5c | 6a | 7a"));

    d.klassen.Remove(a);
    const auto verteilung = VerteilungSuchen(d.klassen, 4, zufall);
    EXPECT_EQ(text(*verteilung), QStringLiteral("5c 6a"));

    // a new list with other classes
    TDaten neu;
    neu.klasse("8a", {"Z"});
    neu.klasse("8b", {"Z"});
    EXPECT_EQ(text(*VerteilungSuchen(neu.klassen, 4, zufall)), QStringLiteral("8a | 8b"));
}

TEST(Verteilungssuche, VorbereiteteSuchePasstNurZuUnveraendertenDaten)
{
    TDaten d;
    TKlasse* a = d.klasse("5a", {"A"});
    d.klasse("6a", {"B"});
    TSuche suche(d.klassen);
    EXPECT_TRUE(suche.Passt(d.klassen));
    a->Unterrichtende << d.lehrkraft("C");
    EXPECT_FALSE(suche.Passt(d.klassen));
    EXPECT_TRUE(TSuche(d.klassen).Passt(d.klassen));
    d.klassen.Move(0, 1);
    EXPECT_FALSE(suche.Passt(d.klassen));
}

// ---------------------------------------------------------------- the global search

TEST_F(GlobaleVerteilung, ErsetztVerteilungUndGibtGroessteGruppe)
{
    TDaten d;
    d.klasse("5a", {"A"});
    d.klasse("5b", {"B"});
    d.klasse("5c", {"A"});
    Klassenliste = std::make_unique<TKlassenliste>(std::move(d.klassen));
    Verteilung->Add(std::make_unique<TGruppe>());
    Zufall.Setzen(77);
    EXPECT_EQ(VerteilungSuchen(3), 2);
    EXPECT_EQ(Verteilung->Count(), 2);
    EXPECT_EQ(Spaltenzahl(*Verteilung), 2);
}

TEST_F(GlobaleVerteilung, WenigerAlsZweiKlassenLeertVerteilung)
{
    Klassenliste->Add(std::make_unique<TKlasse>("5a"));
    Verteilung->Add(std::make_unique<TGruppe>(TGruppe{Klassenliste->First()}));
    EXPECT_EQ(VerteilungSuchen(4), 1);
    EXPECT_TRUE(Verteilung->IsEmpty());
}

TEST_F(GlobaleVerteilung, GleicherStartwertGleicheVerteilung)
{
    TSchule schule = SchuleErzeugen(30, 8);
    Klassenliste = std::move(schule.Klassen);
    Zufall.Setzen(2024);
    VerteilungSuchen(4);
    const auto erste = zeiger(*Verteilung);
    VerteilungSuchen(4); // the sequence goes on
    Zufall.Setzen(2024);
    VerteilungSuchen(4);
    EXPECT_EQ(zeiger(*Verteilung), erste);
}
