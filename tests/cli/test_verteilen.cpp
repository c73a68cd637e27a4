// simultano-cli verteilen: the plan as text and as JSON, the kinds of conflict, the errors.
#include "cli/CliLauf.h"
#include "cli/Kette.h"
#include "planning/UProjekt.h"
#include "support/Schulgenerator.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 5a and 5b share A, 5b and "Q1 Ma" share B: the only plan of two rows at the limit 2 is
// {5a, Q1 Ma}, {5b}. 5a and Q1 Ma have the same chair and a parent with the same ID.
class Verteilen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pfad = ordner.filePath(QStringLiteral("schule.spz"));
        TKette s(QStringLiteral("Q1 Ma"));
        TLehrer* sl = s.Lehrer.Add(std::make_unique<TLehrer>("SL", "Schulz", "Frau"));
        s.K5a->Vorsitz = s.Dritte->Vorsitz = sl;
        s.K5a->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Weiß", 4));
        s.Dritte->Elternvertreter.Add(std::make_unique<TEltern>("Frau", "Weiß", 4));
        ASSERT_EQ(ProjektSchreiben(pfad, s.Lehrer, s.Klassen), QString());
    }

    QTemporaryDir ordner;
    QString pfad;
};

} // namespace

TEST_F(Verteilen, TextWieDerExportMitKommas)
{
    const TCliLauf lauf({"verteilen", pfad, "--grenze", "2", "--startwert", "7"});
    EXPECT_EQ(lauf.Status, 0) << lauf.Fehler.toStdString();
    EXPECT_EQ(lauf.Aus, QStringLiteral("//,A,B\n1.,5a,\"Q1 Ma\"\n2.,5b,\n"));
}

TEST_F(Verteilen, JsonMitSchrankeUndGruppen)
{
    struct TFall
    {
        QStringList optionen;
        const char* erwartet; // the object without the seconds
    };
    const TFall faelle[] = {
        {{"--grenze", "2"},
         R"({"zeilen": 2, "spalten": 2, "untergrenze": 2, "optimal": true, "bewiesen_durch": "untergrenze", "gruppen": [["5a","Q1 Ma"], ["5b"]]})"},
        {{"--grenze=2", "--vorsitz"},
         R"({"zeilen": 3, "spalten": 1, "untergrenze": 3, "optimal": true, "bewiesen_durch": "untergrenze", "gruppen": [["5a"], ["5b"], ["Q1 Ma"]]})"},
        {{"--eltern", "--sekunden", "0,2"},
         R"({"zeilen": 3, "spalten": 1, "untergrenze": 3, "optimal": true, "bewiesen_durch": "untergrenze", "gruppen": [["5a"], ["5b"], ["Q1 Ma"]]})"},
        {{"--grenze", "1", "--spalten", "--sekunden", "0"},
         R"({"zeilen": 3, "spalten": 1, "untergrenze": 3, "optimal": true, "bewiesen_durch": "untergrenze", "gruppen": [["5a"], ["5b"], ["Q1 Ma"]]})"},
        // the chairs count as people; 5b gets the one eligible teacher
        {{"--vorsitz-verteilen", "--vorsitzende", "A"},
         R"({"zeilen": 3, "spalten": 1, "untergrenze": 3, "optimal": true, "bewiesen_durch": "untergrenze", )"
         R"("gruppen": [["5a"], ["5b"], ["Q1 Ma"]], "vorsitz": [["SL"], ["A"], ["SL"]]})"},
    };
    const QRegularExpression sekunden(QStringLiteral(R"(, "sekunden_bis_bestes": \d+\.\d{3})"));
    for (const TFall& f : faelle) {
        const TCliLauf lauf(QStringList{"verteilen", pfad, "--json"} + f.optionen);
        EXPECT_EQ(lauf.Status, 0) << lauf.Fehler.toStdString();
        ASSERT_TRUE(lauf.Aus.contains(sekunden)) << lauf.Aus.toStdString();
        EXPECT_EQ(QString(lauf.Aus).remove(sekunden), QString::fromUtf8(f.erwartet) + QLatin1Char('\n'))
            << f.optionen.join(' ').toStdString();
    }
}

TEST_F(Verteilen, Fehler)
{
    QTemporaryDir leer;
    const QString eineKlasse = leer.filePath(QStringLiteral("eine.spz"));
    TLehrerliste lehrer;
    TKlassenliste klassen;
    klassen.Add(std::make_unique<TKlasse>("5a"));
    ASSERT_EQ(ProjektSchreiben(eineKlasse, lehrer, klassen), QString());
    struct TFall
    {
        QStringList argumente;
        const char* meldung;
    };
    const TFall faelle[] = {
        {{pfad, "--grenze", "11"}, "Der Wert von --grenze muss eine ganze Zahl von 1 bis 10 sein"},
        {{pfad, "--sekunden", "-1"}, "Der Wert von --sekunden muss eine Zahl von 0 bis 3600 sein, nicht \"-1\"."},
        {{pfad, "--sekunden", "bald"}, "Der Wert von --sekunden muss eine Zahl von 0 bis 3600 sein, nicht \"bald\"."},
        {{pfad, "--schritte", "0"}, "Der Wert von --schritte muss eine ganze Zahl von 1 bis 1000000000000 sein"},
        {{pfad, "--schritte", "5", "--sekunden", "1"}, "--schritte und --sekunden schließen einander aus."},
        {{pfad, "--startwert", "-5"}, "Der Wert von --startwert muss eine ganze Zahl von 0 bis 4294967295 sein"},
        {{pfad, "--schnell"}, "Unbekannte Option \"--schnell\"."},
        {{pfad, "--vorsitz-verteilen", "--vorsitzende", "A,ZZ"}, "keine Lehrkraft mit dem Kürzel \"ZZ\"."},
        {{pfad, "--vorsitzende", "A"}, "--vorsitzende gilt nur mit --vorsitz-verteilen."},
        {{pfad, "--vorsitz-verteilen"}, "Diese Klassen können keinen Vorsitz erhalten: 5b."},
        {{}, "Es fehlt ein Argument."},
        {{eineKlasse}, "Es müssen mindestens 2 Klassen mit Lehrkräften eingerichtet sein."},
        {{leer.filePath("fehlt.spz")}, "kann nicht geöffnet werden"},
    };
    for (const TFall& f : faelle) {
        const TCliLauf lauf(QStringList{"verteilen"} + f.argumente);
        EXPECT_EQ(lauf.Status, 1) << f.argumente.join(' ').toStdString();
        EXPECT_EQ(lauf.Aus, QString());
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.meldung))) << lauf.Fehler.toStdString();
    }
}

TEST(VerteilenSchritte, GleicherStartwertUndSchrittzahlGebenGleicheAusgabe)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.spz"));
    const TSchule schule = SchuleErzeugen(90, 90008);
    ASSERT_EQ(ProjektSchreiben(pfad, *schule.Lehrer, *schule.Klassen), QString());
    const QStringList argumente{"verteilen", pfad, "--grenze", "7", "--startwert", "5", "--schritte", "300000"};
    const TCliLauf erster(argumente);
    const TCliLauf zweiter(argumente);
    EXPECT_EQ(erster.Status, 0) << erster.Fehler.toStdString();
    EXPECT_FALSE(erster.Aus.isEmpty());
    EXPECT_EQ(erster.Aus, zweiter.Aus);
}
