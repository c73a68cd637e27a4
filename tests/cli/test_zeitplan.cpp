// simultano-cli zeitplan: the timetable as JSON with the options, --speichern, the errors.
#include "cli/CliLauf.h"
#include "cli/Kette.h"
#include "planning/UProjekt.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 5a and 5b share A, 5b and Q2 share B: at the limit 2 the plan is {5a, Q2}, {5b}.
class Zeitplan : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pfad = ordner.filePath(QStringLiteral("schule.spz"));
        TKette s(QStringLiteral("Q2"));
        s.Dritte->Vorsitz = s.A;
        s.K5a->Konferenzdatum = 46413.0;
        ASSERT_EQ(ProjektSchreiben(pfad, s.Lehrer, s.Klassen), QString());
    }

    QJsonObject json(QStringList optionen) const
    {
        const TCliLauf lauf(QStringList{"zeitplan", pfad, "--grenze", "2", "--schritte", "1000", "--startwert", "3",
                                        "--json"} + optionen);
        EXPECT_EQ(lauf.Status, 0) << lauf.Fehler.toStdString();
        return QJsonDocument::fromJson(lauf.Aus.toUtf8()).object();
    }

    QByteArray datei() const
    {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir ordner;
    QString pfad;
};

QString termine(const QJsonObject& o)
{
    QStringList teile;
    for (const auto tag : o.value("tage").toArray()) {
        teile << tag.toObject().value("datum").toString();
        for (const auto f : tag.toObject().value("zeitfenster").toArray())
            for (const auto k : f.toObject().value("konferenzen").toArray())
                teile << k.toObject().value("klasse").toString() + '@' + k.toObject().value("raum").toString() + ' ' +
                             k.toObject().value("beginn").toString() + '-' + k.toObject().value("ende").toString();
    }
    return teile.join(' ');
}

} // namespace

TEST_F(Zeitplan, OptionenGehenVor)
{
    struct TFall
    {
        QStringList optionen;
        const char* erwartet;
    };
    // the plan's rows: {5a, Q2} and {5b}; where the order does not change the waiting, the
    // row of 5a comes first; with one room, leaving out 5b rather than Q2 spares A the waiting
    const TFall faelle[] = {
        {{}, "2027-01-26 5a@Raum 1 14:00-14:20 Q2@Raum 2 14:00-14:20 5b@Raum 1 14:25-14:45"},
        {{"--beginn", "8:15", "--dauer", "30", "--dauer-fuer", "Q2=45", "--wechsel", "0", "--raeume", "Aula,B 1"},
         "2027-01-26 5b@Aula 08:15-08:45 5a@Aula 08:45-09:15 Q2@B 1 08:45-09:30"},
        {{"--datum", "1.2.2027,02.02.2027", "--ende", "14:30"},
         "2027-02-01 5a@Raum 1 14:00-14:20 Q2@Raum 2 14:00-14:20 2027-02-02 5b@Raum 1 14:00-14:20"},
        // one room lowers the limit to 1
        {{"--raeume", "Aula", "--ende", "15:00"},
         "2027-01-26 5a@Aula 14:00-14:20 Q2@Aula 14:25-14:45"},
    };
    for (const TFall& f : faelle)
        EXPECT_EQ(termine(json(f.optionen)), QString::fromUtf8(f.erwartet)) << f.optionen.join(' ').toStdString();
    const QJsonObject o = json({"--raeume", "Aula", "--ende", "15:00"});
    EXPECT_EQ(o.value("nicht_untergebracht").toArray(), QJsonArray{"5b"});
    EXPECT_EQ(o.value("zeilen").toInt(), 3);
}

TEST_F(Zeitplan, SpeichernNurMitOption)
{
    const QByteArray vorher = datei();
    json({"--dauer", "25"});
    EXPECT_EQ(datei(), vorher);
    const QJsonObject o = json({"--dauer", "25", "--raeume", "Aula,B 1", "--speichern"});
    const TProjektErgebnis projekt = ProjektLesen(pfad);
    ASSERT_EQ(projekt.Version, 3);
    ASSERT_TRUE(projekt.Zusatz.Zeitplan && projekt.Zusatz.Plan);
    EXPECT_EQ(projekt.Zusatz.Zeitplan->Dauer, 25);
    EXPECT_EQ(projekt.Zusatz.Zeitplan->Raeume, (QStringList{"Aula", "B 1"}));
    ASSERT_EQ(projekt.Zusatz.Plan->Zeilen.size(), 2);
    EXPECT_EQ(projekt.Zusatz.Plan->Zeilen[1].value(0)->Bezeichnung, "5b");
    // the saved settings are the project's now
    EXPECT_EQ(termine(json({})), termine(o));
}

TEST_F(Zeitplan, VorsitzeVerteiltUndGespeichert)
{
    // B chairs 5a and 5b, Q2 keeps its chair A set by hand; with the chairs every two
    // conferences share a person, so the plan has three slots
    const QJsonObject o = json({"--vorsitz-verteilen", "--vorsitzende", "B", "--speichern"});
    QStringList vorsitze;
    for (const auto tag : o.value("tage").toArray())
        for (const auto f : tag.toObject().value("zeitfenster").toArray())
            for (const auto k : f.toObject().value("konferenzen").toArray())
                vorsitze << k.toObject().value("klasse").toString() + '=' + k.toObject().value("vorsitz").toString();
    vorsitze.sort();
    EXPECT_EQ(vorsitze, (QStringList{"5a=B", "5b=B", "Q2=A"}));
    EXPECT_EQ(o.value("zeilen").toInt(), 3);
    const TProjektErgebnis projekt = ProjektLesen(pfad);
    ASSERT_TRUE(projekt.Ok());
    for (const TKlasse* k : *projekt.Klassen)
        EXPECT_EQ(k->Vorsitz ? k->Vorsitz->Kuerzel : QString(), k->Bezeichnung == "Q2" ? "A" : "B") << k->Bezeichnung.toStdString();
}

TEST_F(Zeitplan, FehlerMitStatusEins)
{
    const QList<QStringList> faelle = {
        {"--datum", "31.02.2027"}, {"--beginn", "25:00"}, {"--beginn", "15:00", "--ende", "14:00"},
        {"--dauer", "0"},          {"--dauer-fuer", "Q2"}, {"--wechsel", "-1"},
        {"--raeume", ","},         {"--unbekannt"},           {"--vorsitz-verteilen", "--vorsitzende", "X"},
    };
    const QByteArray vorher = datei();
    for (const QStringList& optionen : faelle) {
        const TCliLauf lauf(QStringList{"zeitplan", pfad, "--speichern"} + optionen);
        EXPECT_EQ(lauf.Status, 1) << optionen.join(' ').toStdString();
        EXPECT_TRUE(lauf.Aus.isEmpty());
        EXPECT_FALSE(lauf.Fehler.isEmpty());
    }
    EXPECT_EQ(datei(), vorher);
}
