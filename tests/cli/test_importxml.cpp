// simultano-cli import-xml: the answers on the command line, the counts, and no file on failure.
#include "cli/CliLauf.h"
#include "planning/UProjekt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString export_(const char* name)
{
    return QStringLiteral(SIMULTANO_QUELLORDNER "/tests/daten/xml/") + QString::fromUtf8(name);
}

class CliImportXml : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("schule.spz"));
};

TEST_F(CliImportXml, SchreibtProjektUndNenntAnzahlen)
{
    const struct
    {
        QStringList optionen;
        const char* datei;
        const char* zeile;
        const char* hinweis;
    } faelle[] = {
        {{}, "gymnasium.xml", "6 Lehrkräfte, 4 Klassen, 6 Klassenleitungen, 13 Lehrkräfte den Klassen zugeordnet", ""},
        // "nein" also for the latein lesson of Q1 and of 6c, which has no conference
        {{"--stufen", "5-13", "--mehrklassen", "nein"}, "gymnasium.xml",
         "6 Lehrkräfte, 5 Klassen, 7 Klassenleitungen, 8 Lehrkräfte den Klassen zugeordnet", ""},
        {{"--stufen=1-4"}, "gymnasium.xml", "6 Lehrkräfte, 0 Klassen, 0 Klassenleitungen, 0 Lehrkräfte", ""},
        {{}, "ohne_leitung.xml", "2 Lehrkräfte, 2 Klassen, 0 Klassenleitungen, 2 Lehrkräfte",
         "Hinweis: Die Datei nennt keine Klassenleitungen"},
    };
    for (const auto& f : faelle) {
        const TCliLauf lauf(QStringList{"import-xml", export_(f.datei), "-o", ziel} + f.optionen);
        EXPECT_EQ(lauf.Status, 0) << lauf.Fehler.toStdString();
        EXPECT_TRUE(lauf.Aus.startsWith(ziel + QStringLiteral(": ") + QString::fromUtf8(f.zeile))) << lauf.Aus.toStdString();
        EXPECT_EQ(lauf.Aus.count(u'\n'), 1);
        const QString hinweis = QString::fromUtf8(f.hinweis);
        EXPECT_EQ(lauf.Fehler.left(hinweis.isEmpty() ? -1 : hinweis.size()), hinweis);
        EXPECT_TRUE(ProjektLesen(ziel).Ok());
    }
}

TEST_F(CliImportXml, FehlerSchreibenNichts)
{
    const struct
    {
        QStringList argumente;
        const char* meldung;
    } faelle[] = {
        {{export_("gymnasium.xml")}, "Es fehlt die Projektdatei"},
        {{export_("gymnasium.xml"), "-o"}, "Zur Option -o fehlt der Wert."},
        {{export_("gymnasium.xml"), "-o", ziel, "--stufen", "5"}, "muss die Form VON-BIS"},
        {{export_("gymnasium.xml"), "-o", ziel, "--stufen", "0-9"}, "nicht \"0-9\""},
        {{export_("gymnasium.xml"), "-o", ziel, "--mehrklassen", "vielleicht"}, "\"ja\" oder \"nein\""},
        {{export_("kaputt.xml"), "-o", ziel}, "kann nicht als XML gelesen werden.\nZeile 5"},
        {{export_("nur_unterricht.xml"), "-o", ziel}, "keine Lehrkräfte und keine Klassen gefunden."},
    };
    for (const auto& f : faelle) {
        const TCliLauf lauf(QStringList{"import-xml"} + f.argumente);
        EXPECT_EQ(lauf.Status, 1);
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.meldung))) << lauf.Fehler.toStdString();
        EXPECT_FALSE(QFile::exists(ziel));
    }
}

} // namespace
