// The command-line companion: help, errors and exit status, and "pruefen".
#include "cli/CliLauf.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UProjekt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

TEST(Cli, HilfeUndFehler)
{
    struct TFall
    {
        QStringList argumente;
        int status;
        const char* ausgabe; // expected in Aus (status 0) or in Fehler (status 1)
    };
    const TFall faelle[] = {
        {{"--help"}, 0, "Befehle:"},
        {{"pruefen", "--help"}, 0, "Aufruf: simultano-cli pruefen DATEI.spz"},
        {{}, 1, "Kein Befehl angegeben."},
        {{"zaubern"}, 1, "Unbekannter Befehl \"zaubern\""},
        {{"pruefen"}, 1, "Es fehlt ein Argument."},
        {{"pruefen", "a.spz", "b.spz"}, 1, "Unerwartetes Argument \"b.spz\"."},
        {{"pruefen", "--laut", "a.spz"}, 1, "Unbekannte Option \"--laut\"."},
        {{"pruefen", "/gibt/es/nicht.spz"}, 1, "kann nicht geöffnet werden"},
    };
    for (const TFall& f : faelle) {
        const TCliLauf lauf(f.argumente);
        EXPECT_EQ(lauf.Status, f.status) << f.argumente.join(' ').toStdString();
        const QString& text = f.status == 0 ? lauf.Aus : lauf.Fehler;
        EXPECT_TRUE(text.contains(QString::fromUtf8(f.ausgabe))) << text.toStdString();
    }
}

TEST(Cli, PruefenNenntVersionUndAnzahlen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("schule.spz"));
    TLehrerliste lehrer;
    auto l = std::make_unique<TLehrer>(QStringLiteral("AB"), QStringLiteral("Albers"), QStringLiteral("Frau"));
    lehrer.LehrerHinzu(l);
    TKlassenliste klassen;
    klassen.KlasseHinzu(std::make_unique<TKlasse>(QStringLiteral("5a")));
    klassen.KlasseHinzu(std::make_unique<TKlasse>(QStringLiteral("5b")));
    ASSERT_EQ(ProjektSchreiben(pfad, lehrer, klassen), QString());
    const TCliLauf gut({"pruefen", pfad});
    EXPECT_EQ(gut.Status, 0);
    EXPECT_EQ(gut.Aus, pfad + QStringLiteral(": Version 2, 1 Lehrkräfte, 2 Klassen\n"));

    ASSERT_EQ(DateiSchreiben(pfad, "kein Projekt"), QString());
    const TCliLauf schlecht({"pruefen", pfad});
    EXPECT_EQ(schlecht.Status, 1);
    EXPECT_TRUE(schlecht.Fehler.contains(QStringLiteral("keine Projektdatei von Simultano"))) << schlecht.Fehler.toStdString();
}

// Names of options: one dash for one letter, two for longer names, aliases declared with "|".
TEST(Cli, OptionsnamenUndPflichtangaben)
{
    const auto lesen = [](const QStringList& argumente) {
        return TArgumente(argumente, {"o|ordner", "grenze", "farbe"}, {"json"});
    };
    const auto meldung = [&](const std::function<void()>& tun) {
        try {
            tun();
        } catch (const TFehler& f) {
            return f.Meldung;
        }
        return QString();
    };
    for (const QStringList& argumente : {QStringList{"-o", "x"}, QStringList{"--ordner", "x"}, QStringList{"--ordner=x"}}) {
        const TArgumente args = lesen(argumente);
        EXPECT_EQ(args.Wert("o"), "x") << argumente.join(' ').toStdString();
        EXPECT_EQ(args.Pflicht("ordner"), "x");
    }
    const struct
    {
        QStringList argumente;
        const char* meldung;
    } falsch[] = {
        {{"--o", "x"}, "Unbekannte Option \"--o\"."},
        {{"-g", "4"}, "Unbekannte Option \"-g\"."},
        {{"--json=ja"}, "Unbekannte Option \"--json=ja\"."},
        {{"--grenze"}, "Zur Option --grenze fehlt der Wert."},
    };
    for (const auto& f : falsch)
        EXPECT_EQ(meldung([&] { lesen(f.argumente); }), f.meldung);

    const TArgumente args = lesen({"--ordner=", "--farbe", "lila", "--grenze", "4294967296"});
    EXPECT_EQ(meldung([&] { args.Pflicht("o"); }), "Die Option -o fehlt.");
    EXPECT_EQ(meldung([&] { args.Pflicht("ordner", "Ohne Ordner nicht."); }), "Ohne Ordner nicht.");
    EXPECT_EQ(meldung([&] { args.Auswahl("farbe", {"rot", "grün", "blau"}); }),
              "Der Wert von --farbe muss \"rot\", \"grün\" oder \"blau\" sein, nicht \"lila\".");
    EXPECT_EQ(args.Auswahl("json", {"ja", "nein"}, "ja"), "ja");
    EXPECT_EQ(meldung([&] { args.Zahl("grenze", 0, 0, 4294967295); }),
              "Der Wert von --grenze muss eine ganze Zahl von 0 bis 4294967295 sein, nicht \"4294967296\".");
}
