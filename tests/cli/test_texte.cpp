// simultano-cli texte: the files and bytes of the save window, and its errors.
#include "cli/CliLauf.h"
#include "minutes/UProtokoll.h"
#include "minutes/UTexte.h"
#include "planning/UDatei.h"
#include "planning/UIni.h"
#include "planning/UProjekt.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray lesen(const QString& pfad)
{
    QByteArray bytes;
    return DateiLesen(pfad, bytes).isEmpty() ? bytes : QByteArray();
}

} // namespace

TEST(CliTexte, SchreibtWieDasFenster)
{
    // as in simultano-cli: the settings file is looked for from the program's folder
    int argc = 1;
    char name[] = "test_cli";
    char* argv[] = {name, nullptr};
    const QCoreApplication programm(argc, argv);
    QTemporaryDir ordner;
    const QDir dir(ordner.path());
    const QString projekt = dir.filePath(QStringLiteral("schule.spz"));
    TLehrerliste lehrer;
    auto frau = std::make_unique<TLehrer>(QStringLiteral("AB"), QStringLiteral("Albers"), QStringLiteral("Frau"));
    TLehrer* ab = frau.get();
    lehrer.LehrerHinzu(frau);
    TKlassenliste klassen;
    for (const char* name : {"5a", "5b", "6/1"}) {
        auto k = std::make_unique<TKlasse>(QString::fromUtf8(name));
        k->Vorsitz = ab;
        klassen.KlasseHinzu(std::move(k));
    }
    ASSERT_EQ(ProjektSchreiben(projekt, lehrer, klassen), QString());
    const QString vorlage = dir.filePath(QStringLiteral("vorlage.rtf"));
    ASSERT_EQ(DateiSchreiben(vorlage, "{\\rtf1 Vorsitzende/r <Vorsitz> <Klasse>}"), QString());

    const TCliLauf alle({"texte", projekt, "-o", ordner.path()});
    EXPECT_EQ(alle.Status, 0) << alle.Fehler.toStdString();
    EXPECT_EQ(alle.Aus.count(u'\n'), 3);
    EXPECT_TRUE(alle.Aus.contains(dir.filePath(QStringLiteral("6_1-Klassendaten.rtf")))) << alle.Aus.toStdString();
    // the built-in template in the font of the user's settings file, as the window has it
    EXPECT_EQ(lesen(dir.filePath(QStringLiteral("5b-Klassendaten.rtf"))),
              ProtokollTextSchreiben(*klassen.SucheKlasse(QStringLiteral("5b")),
                            Standardvorlage(ProtokollSchriftLesen(TIniDatei(IniDateiname))), false));

    const TCliLauf auswahl({"texte", projekt, "--ordner", ordner.path(), "--vorlage", vorlage, "--mf", "--klassen", "6/1, 5a"});
    EXPECT_EQ(auswahl.Status, 0) << auswahl.Fehler.toStdString();
    EXPECT_EQ(auswahl.Aus, dir.filePath(QStringLiteral("5a-Klassendaten.rtf")) + QLatin1Char('\n') +
                               dir.filePath(QStringLiteral("6_1-Klassendaten.rtf")) + QLatin1Char('\n'));
    EXPECT_EQ(lesen(dir.filePath(QStringLiteral("5a-Klassendaten.rtf"))), "{\\rtf1 Vorsitzende Frau Albers 5a}\r\n");

    struct TFall
    {
        QStringList argumente;
        const char* fehler;
    };
    const TFall faelle[] = {
        {{"texte", projekt}, "Es fehlt der Zielordner (-o ORDNER)."},
        {{"texte", projekt, "-o", dir.filePath(QStringLiteral("fehlt"))}, "Den Zielordner"},
        {{"texte", projekt, "-o", ordner.path(), "--klassen", "5a,7c"}, "Die Klasse \"7c\" gibt es in"},
        {{"texte", projekt, "-o", ordner.path(), "--vorlage", dir.filePath(QStringLiteral("fehlt.rtf"))}, "Die Vorlage"},
        {{"texte", vorlage, "-o", ordner.path()}, "keine Projektdatei von Simultano"},
    };
    for (const TFall& f : faelle) {
        const TCliLauf lauf(f.argumente);
        EXPECT_EQ(lauf.Status, 1);
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.fehler))) << lauf.Fehler.toStdString();
    }
}

// Two classes whose names give one file name never share it, whatever the letter case; a
// link planted in the folder that leads out of it is never written through. The closing
// hints name each class that got a numbered name.
TEST(CliTexte, JederDateinameEinmal)
{
    int argc = 1;
    char name[] = "test_cli";
    char* argv[] = {name, nullptr};
    const QCoreApplication programm(argc, argv);
    QTemporaryDir ordner, draussen;
    const QDir dir(ordner.path());
    const QString projekt = dir.filePath(QStringLiteral("schule.spz"));
    TLehrerliste lehrer;
    TKlassenliste klassen;
    for (const char* bezeichnung : {"5/a", "5_a", "5_A", "7b", "7b", "8c"})
        klassen.Add(std::make_unique<TKlasse>(QString::fromUtf8(bezeichnung)));
    ASSERT_EQ(ProjektSchreiben(projekt, lehrer, klassen), QString());
    const QString fremd = QDir(draussen.path()).filePath(QStringLiteral("fremd.rtf"));
    ASSERT_EQ(DateiSchreiben(fremd, "fremd"), QString());
    ASSERT_TRUE(QFile::link(fremd, dir.filePath(QStringLiteral("8c-Klassendaten.rtf"))));

    const TCliLauf lauf({"texte", projekt, "-o", ordner.path()});
    EXPECT_EQ(lauf.Status, 0) << lauf.Fehler.toStdString();
    QStringList erwartet;
    for (const char* datei : {"5_a-Klassendaten.rtf", "5_a-2-Klassendaten.rtf", "5_A-3-Klassendaten.rtf", "7b-Klassendaten.rtf",
                              "7b-2-Klassendaten.rtf", "8c-2-Klassendaten.rtf"})
        erwartet << dir.filePath(QString::fromUtf8(datei));
    EXPECT_EQ(lauf.Aus, erwartet.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    for (const QString& datei : erwartet)
        EXPECT_TRUE(lesen(datei).startsWith("{\\rtf1")) << datei.toStdString();
    EXPECT_EQ(lesen(fremd), "fremd");
    EXPECT_EQ(lauf.Fehler.count(QStringLiteral("Hinweis: Der Text der Klasse ")), 4);
    EXPECT_TRUE(lauf.Fehler.contains(QStringLiteral("Hinweis: Der Text der Klasse \"5_a\" steht in \"5_a-2-Klassendaten.rtf\", "
                                                    "weil ihr Dateiname schon vergeben ist.")))
        << lauf.Fehler.toStdString();
    EXPECT_TRUE(lauf.Fehler.contains(QStringLiteral("\"8c\" steht in \"8c-2-Klassendaten.rtf\", weil ihr Dateiname eine "
                                                    "Verknüpfung aus dem Zielordner hinaus ist.")));
}
