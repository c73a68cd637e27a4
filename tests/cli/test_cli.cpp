// The command-line companion: help, errors and exit status, and "pruefen".
#include "cli/CliLauf.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
