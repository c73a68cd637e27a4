// "simultano-cli import-csv": teachers of a text list appended to a project file.
#include "cli/CliLauf.h"
#include "planning/UDatei.h"
#include "planning/UProjekt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList lehrerIn(const QString& projektdatei)
{
    const TProjektErgebnis projekt = ProjektLesen(projektdatei);
    QStringList texte;
    if (projekt.Ok())
        for (const TLehrer* l : *projekt.Lehrer)
            texte << QStringLiteral("%1:%2:%3").arg(l->Kuerzel, l->Name, l->Anrede);
    return texte;
}

} // namespace

TEST(CliImportCsv, LegtAnUndHaengtAn)
{
    QTemporaryDir ordner;
    const QString projekt = ordner.filePath(QStringLiteral("schule.spz"));
    const QString liste = ordner.filePath(QStringLiteral("liste.csv"));
    // UTF-8 without a mark, tab separated, the salutation as a truth value
    ASSERT_EQ(DateiSchreiben(liste, "K\xC3\xBCrzel\tName\tweiblich\nAB\tAlbers\t1\nBE\tB\xC3\xA4\x63ker\t0\n"), QString());
    const QStringList aufruf{"import-csv", liste, "--projekt", projekt, "--kuerzel", "1", "--name", "2", "--anrede", "3", "--wahr", "Frau"};

    const TCliLauf erster(aufruf);
    EXPECT_EQ(erster.Status, 0) << erster.Fehler.toStdString();
    EXPECT_EQ(erster.Aus, QStringLiteral("2 Lehrkräfte hinzugefügt, 0 Kürzel durch Nummern ersetzt.\n"));
    const TCliLauf zweiter(aufruf);
    EXPECT_EQ(zweiter.Aus, QStringLiteral("2 Lehrkräfte hinzugefügt, 2 Kürzel durch Nummern ersetzt.\n"));
    EXPECT_EQ(lehrerIn(projekt), QStringList({"001:Albers:Frau", "AB:Albers:Frau", "002:Bäcker:Herr", "BE:Bäcker:Herr"}));
}

TEST(CliImportCsv, FehlerSchreibenNichts)
{
    QTemporaryDir ordner;
    const QString projekt = ordner.filePath(QStringLiteral("schule.spz"));
    const QString liste = ordner.filePath(QStringLiteral("liste.csv"));
    const QString leer = ordner.filePath(QStringLiteral("leer.csv"));
    const QString kaputt = ordner.filePath(QStringLiteral("kaputt.spz"));
    ASSERT_EQ(DateiSchreiben(liste, "Name;K;Anrede\r\nAlbers;AB;wahr\r\n"), QString());
    ASSERT_EQ(DateiSchreiben(leer, ";\r\n\x1A"), QString());
    ASSERT_EQ(DateiSchreiben(kaputt, "kein Projekt"), QString());
    struct TFall
    {
        QStringList argumente;
        const char* meldung;
    };
    const TFall faelle[] = {
        {{liste, "--projekt", projekt}, "Die Option --name fehlt."},
        {{liste, "--name", "1"}, "Die Option --projekt fehlt."},
        {{liste, "--projekt", projekt, "--name", "4"}, "Der Wert von --name muss eine ganze Zahl von 1 bis 3 sein"},
        {{liste, "--projekt", projekt, "--name", "1", "--kuerzel", "1"}, "Die Spalte 1 ist zwei Lehrerdaten zugeordnet."},
        {{liste, "--projekt", projekt, "--name", "1", "--anrede", "3"}, "wofür 'wahr' steht"},
        {{liste, "--projekt", projekt, "--name", "1", "--wahr", "Mann"}, "\"Herr\" oder \"Frau\""},
        {{ordner.filePath("fehlt.csv"), "--projekt", projekt, "--name", "1"}, "kann nicht geöffnet werden"},
        {{leer, "--projekt", projekt, "--name", "1"}, "enthält keine Datensätze."},
        {{liste, "--projekt", kaputt, "--name", "1"}, "keine Projektdatei von Simultano"},
        {{liste, "--projekt", ordner.filePath("fehlt/schule.spz"), "--name", "1"}, "kann nicht erstellt werden"},
    };
    for (const TFall& f : faelle) {
        const TCliLauf lauf(QStringList{"import-csv"} + f.argumente);
        EXPECT_EQ(lauf.Status, 1) << f.meldung;
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.meldung))) << lauf.Fehler.toStdString();
    }
    EXPECT_FALSE(QFile::exists(projekt));
    QByteArray bytes;
    EXPECT_EQ(DateiLesen(kaputt, bytes), QString());
    EXPECT_EQ(bytes, QByteArray("kein Projekt"));
}
