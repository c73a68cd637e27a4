// Version 3 of the project file: the extra sections after the class list.
#include "planning/UProjekt.h"

#include <gtest/gtest.h>

namespace {

struct Schule
{
    TLehrerliste Lehrer;
    TKlassenliste Klassen;
    TProjektZusatz Zusatz;

    Schule()
    {
        for (const char* k : {"AB", "CD", "EF"})
            Lehrer.Add(std::make_unique<TLehrer>(k, QStringLiteral("Name"), QStringLiteral("Frau")));
        for (const char* b : {"5a", "5b", "6a"}) {
            TKlasse* k = Klassen.Add(std::make_unique<TKlasse>(b));
            k->Unterrichtende << Lehrer[0];
        }
    }
    QByteArray bytes() const { return ProjektBytes(Lehrer, Klassen, Zusatz); }
};

TZeitplanEinstellungen zweiTage()
{
    TZeitplanEinstellungen z;
    z.Tage = {{46412.0, 13 * 60 + 30, 17 * 60}, {46413.0, 14 * 60, 18 * 60}};
    z.Dauer = 25;
    z.Sonderdauern = {{QStringLiteral("Q2"), 30}, {QStringLiteral("5a"), 15}};
    z.Wechsel = 10;
    z.Raeume = {QStringLiteral("A 101"), QStringLiteral("Aula")};
    return z;
}

qint32 kopf(const QByteArray& bytes)
{
    TMyStream DS(bytes);
    return DS.ReadInt();
}

} // namespace

TEST(Version3, NurMitNeuenDatenUndSonstByteGleich)
{
    Schule s;
    const QByteArray v2 = s.bytes();
    EXPECT_EQ(kopf(v2), 2 << 16);

    // each kind of new data alone makes version 3 and comes back as it was, byte for byte
    const std::vector<std::function<void(Schule&)>> arten = {
        [](Schule& x) { x.Lehrer[2]->DarfLeiten = true; },
        [](Schule& x) { x.Zusatz.Zeitplan = zweiTage(); },
        [](Schule& x) { x.Zusatz.Plan = TGehaltenerPlan{3, {{x.Klassen[2], nullptr, x.Klassen[0]}, {x.Klassen[1]}}}; },
    };
    for (std::size_t i = 0; i < arten.size(); ++i) {
        Schule neu;
        arten[i](neu);
        const QByteArray bytes = neu.bytes();
        EXPECT_EQ(kopf(bytes), 3 << 16) << i;
        EXPECT_TRUE(bytes.startsWith(v2.mid(4, v2.size() - 4).prepend(bytes.left(4)))) << "version 2 content first " << i;
        const TProjektErgebnis e = ProjektAusBytes(bytes, QStringLiteral("v3.spz"));
        ASSERT_TRUE(e.Ok()) << e.Fehler.toStdString();
        EXPECT_EQ(e.Version, 3);
        EXPECT_EQ(ProjektBytes(*e.Lehrer, *e.Klassen, e.Zusatz), bytes) << i;
        EXPECT_EQ(e.Zusatz.Zeitplan, neu.Zusatz.Zeitplan);
        EXPECT_EQ(e.Lehrer->Items(2)->DarfLeiten, neu.Lehrer[2]->DarfLeiten);
        if (neu.Zusatz.Plan) {
            ASSERT_TRUE(e.Zusatz.Plan);
            EXPECT_EQ(e.Zusatz.Plan->Grenze, 3);
            EXPECT_EQ(e.Zusatz.Plan->Zeilen[0], (QList<TKlasse*>{e.Klassen->Items(2), nullptr, e.Klassen->Items(0)}));
        }
    }
}

TEST(Version3, BeschaedigtWirdAbgelehnt)
{
    Schule s;
    s.Lehrer[1]->DarfLeiten = true;
    s.Zusatz.Zeitplan = zweiTage();
    s.Zusatz.Plan = TGehaltenerPlan{2, {{s.Klassen[0], s.Klassen[1]}}};
    const QByteArray gut = s.bytes();
    ASSERT_TRUE(ProjektAusBytes(gut, QStringLiteral("g.spz")).Ok());

    // every cut short is refused, never read as less
    for (qsizetype n = ProjektBytes(s.Lehrer, s.Klassen).size(); n < gut.size(); ++n)
        EXPECT_FALSE(ProjektAusBytes(gut.left(n), QStringLiteral("k.spz")).Ok()) << n;

    const auto mitPlan = [&](QList<qint32> zellen) {
        TMyStream DS(s.bytes());
        DS.Position = DS.Daten.size() - 4 * zellen.size();
        for (qint32 z : zellen)
            DS.WriteInt(z);
        return DS.Daten;
    };
    const TProjektErgebnis doppelt = ProjektAusBytes(mitPlan({0, 0}), QStringLiteral("d.spz"));
    EXPECT_FALSE(doppelt.Ok());
    EXPECT_TRUE(doppelt.Fehler.contains(QStringLiteral("\"Plan\""))) << doppelt.Fehler.toStdString();
    EXPECT_FALSE(ProjektAusBytes(mitPlan({0, 3}), QStringLiteral("p.spz")).Ok()) << "class position outside";
    EXPECT_FALSE(ProjektAusBytes(gut + QByteArray(4, '\0'), QStringLiteral("r.spz")).Ok()) << "bytes after the sections";

    // a later file version is refused with the existing message
    QByteArray v4 = gut;
    v4[2] = 4;
    EXPECT_TRUE(ProjektAusBytes(v4, QStringLiteral("v4.spz")).Fehler.contains(QStringLiteral("Dateiversion 4")));
}

TEST(Version3, UnbekannterAbschnittWirdUebersprungen)
{
    Schule s;
    const qsizetype klassenEnde = s.bytes().size();
    s.Lehrer[0]->DarfLeiten = true;
    TMyStream DS(s.bytes());
    // one section more: the count after the class list goes from -1 to -2
    DS.Position = klassenEnde;
    DS.WriteInt(-2);
    DS.Position = DS.Daten.size();
    DS.WriteStr(QStringLiteral("Später"));
    DS.WriteInt(3);
    DS.Daten.append("xyz");
    const TProjektErgebnis e = ProjektAusBytes(DS.Daten, QStringLiteral("s.spz"));
    ASSERT_TRUE(e.Ok()) << e.Fehler.toStdString();
    EXPECT_TRUE(e.Lehrer->Items(0)->DarfLeiten);
}

TEST(Version3, GeloeschteKlasseVerlaesstDenPlan)
{
    Schule s;
    s.Zusatz.Plan = TGehaltenerPlan{2, {{s.Klassen[0], s.Klassen[1]}, {s.Klassen[2]}}};
    AusPlanEntfernen(s.Zusatz, s.Klassen[2]);
    AusPlanEntfernen(s.Zusatz, s.Klassen[0]);
    EXPECT_EQ(s.Zusatz.Plan->Zeilen, (QList<QList<TKlasse*>>{{nullptr, s.Klassen[1]}}));
}
