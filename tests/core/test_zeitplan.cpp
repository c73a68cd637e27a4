// The timetable of the conference afternoon: times, days, rooms, left-out classes, waiting.
#include "core/Klassendaten.h"
#include "distribution/USuche.h"
#include "distribution/UZeitplan.h"
#include "distribution/UOptimierung.h"
#include "distribution/UPlanwahl.h"
#include "distribution/UReihenfolge.h"
#include "distribution/UZeitplanRechnung.h"
#include "minutes/UProtokoll.h"
#include "support/Schulgenerator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

int uhr(int h, int m) { return h * 60 + m; }

TZeitplanEinstellungen einTag(int beginn, int ende, int dauer = 20, int wechsel = 5)
{
    TZeitplanEinstellungen e;
    e.Tage = {{46412.0, beginn, ende}};
    e.Dauer = dauer;
    e.Wechsel = wechsel;
    return e;
}

// "14:00-14:20 5a@Raum 1; ..." per slot, days separated by " | ", to compare a whole timetable.
QString beschreibung(const TZeitplan& plan)
{
    QStringList tage;
    for (const TPlanTag& tag : plan.Tage) {
        QStringList fenster;
        for (const TZeitfenster& f : tag.Zeitfenster) {
            QStringList termine;
            for (const TTermin& t : f.Konferenzen)
                termine << QStringLiteral("%1@%2 %3-%4").arg(t.Klasse->Bezeichnung, t.Raum).arg(t.Beginn).arg(t.Ende);
            fenster << QStringLiteral("[%1-%2] ").arg(f.Beginn).arg(f.Ende) + termine.join(u',');
        }
        tage << QString::number(tag.Datum) + QStringLiteral(": ") + fenster.join(QStringLiteral("; "));
    }
    QStringList draussen;
    for (const TKlasse* k : plan.NichtUntergebracht)
        draussen << k->Bezeichnung;
    return tage.join(QStringLiteral(" | ")) + QStringLiteral(" / ohne Platz: ") + draussen.join(u',');
}

TEST(Zeitplan, ZeitenTageRaeumeUndNichtUntergebrachte)
{
    TDaten d;
    TKlasse* a = d.klasse(QStringLiteral("5a"), {"AB"});
    TKlasse* b = d.klasse(QStringLiteral("5b"), {"CD"});
    TKlasse* q = d.klasse(QStringLiteral("Q2"), {"EF"});
    TKlasse* c = d.klasse(QStringLiteral("6a"), {"AB"});

    TZeitplanEinstellungen lang = einTag(uhr(14, 0), uhr(18, 0));
    lang.Sonderdauern = {{QStringLiteral("Q2"), 30}};
    TZeitplanEinstellungen zweiTage = einTag(uhr(14, 0), uhr(15, 0), 25);
    zweiTage.Tage << TKonferenztag{46413.0, uhr(13, 0), uhr(14, 0)};
    zweiTage.Raeume = {QStringLiteral("Aula"), QStringLiteral("B 12")};

    struct Fall
    {
        const char* name;
        TPlanZeilen zeilen;
        TZeitplanEinstellungen einstellungen;
        QString erwartet;
    };
    const QList<Fall> faelle = {
        {"Wechsel und längste Konferenz", {{a, q}, {nullptr, c}}, lang,
         "46412: [840-870] 5a@Raum 1 840-860,Q2@Raum 2 840-870; [875-895] 6a@Raum 2 875-895 / ohne Platz: "},
        {"leere Zeile zählt nicht", {{a}, {nullptr, nullptr}, {b}}, lang,
         "46412: [840-860] 5a@Raum 1 840-860; [865-885] 5b@Raum 1 865-885 / ohne Platz: "},
        {"Tageswechsel mit eigenen Räumen", {{a, b}, {c}, {q}}, zweiTage,
         "46412: [840-865] 5a@Aula 840-865,5b@B 12 840-865; [870-895] 6a@Aula 870-895 | "
         "46413: [780-805] Q2@Aula 780-805 / ohne Platz: "},
        {"zu wenige Tage", {{a}, {b}, {c}}, einTag(uhr(14, 0), uhr(14, 50)),
         "46412: [840-860] 5a@Raum 1 840-860; [865-885] 5b@Raum 1 865-885 / ohne Platz: 6a"},
        // the long slot finds no place; the short one after it takes its time
        {"kürzere Zeile rückt nach", {{a}, {q}, {b}}, [] {
             TZeitplanEinstellungen e = einTag(uhr(14, 0), uhr(14, 50));
             e.Sonderdauern = {{QStringLiteral("q2"), 30}};
             return e;
         }(),
         "46412: [840-860] 5a@Raum 1 840-860; [865-885] 5b@Raum 1 865-885 / ohne Platz: Q2"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(beschreibung(ZeitplanBerechnen(f.zeilen, f.einstellungen, {})), f.erwartet) << f.name;
}

TEST(Zeitplan, DauerEinstellungenUndRaeume)
{
    TZeitplanEinstellungen e;
    e.Dauer = 20;
    e.Sonderdauern = {{QStringLiteral("10"), 25}, {QStringLiteral("Q2"), 30}, {QStringLiteral("10b"), 40}};
    const QList<std::pair<const char*, int>> dauern = {
        {"10a", 25}, {"10b", 40}, {"10", 25}, {"Q2", 30}, {"q2", 30}, {"1a", 20}, {"Q1", 20}, {"5c", 20}};
    for (const auto& [bezeichnung, minuten] : dauern)
        EXPECT_EQ(Konferenzdauer(e, TKlasse(QString::fromLatin1(bezeichnung))), minuten) << bezeichnung;

    EXPECT_EQ(Raumnamen(e, 3), (QStringList{"Raum 1", "Raum 2", "Raum 3"}));
    e.Raeume = {QStringLiteral("Aula")};
    EXPECT_EQ(Raumnamen(e, 3), QStringList{"Aula"});

    TDaten d;
    d.klasse(QStringLiteral("5a"))->Konferenzdatum = 46420.5;
    d.klasse(QStringLiteral("5b"))->Konferenzdatum = 46415.75;
    d.klasse(QStringLiteral("5c"));
    const TZeitplanEinstellungen frei = WirksameEinstellungen(std::nullopt, d.klassen, 46000.3);
    ASSERT_EQ(frei.Tage.size(), 1);
    EXPECT_EQ(frei.Tage[0], (TKonferenztag{46415.0, uhr(14, 0), uhr(18, 0)}));
    EXPECT_EQ(frei.Dauer, 20);
    EXPECT_EQ(frei.Wechsel, 5);
    TDaten ohneDatum;
    ohneDatum.klasse(QStringLiteral("5a"));
    EXPECT_EQ(WirksameEinstellungen(std::nullopt, ohneDatum.klassen, 46000.3).Tage[0].Datum, 46000.0);
    TZeitplanEinstellungen eigene = einTag(uhr(8, 0), uhr(9, 0), 15, 0);
    EXPECT_EQ(WirksameEinstellungen(eigene, d.klassen, 46000.0), eigene);
}

// The waiting worked out again from the timetable itself: per teacher and day from the start
// of the first own conference to the end of the last, less the time spent in them.
QMap<QString, int> warteNachgerechnet(const TZeitplan& plan, bool vorsitz)
{
    QMap<QString, int> warten;
    for (const TPlanTag& tag : plan.Tage) {
        QMap<QString, QList<std::pair<int, int>>> zeiten;
        for (const TZeitfenster& f : tag.Zeitfenster)
            for (const TTermin& t : f.Konferenzen) {
                QSet<QString> personen;
                for (const TLehrer* l : t.Klasse->Unterrichtende)
                    personen.insert(l->Kuerzel);
                if (vorsitz && t.Klasse->Vorsitz)
                    personen.insert(t.Klasse->Vorsitz->Kuerzel);
                for (const QString& p : personen)
                    zeiten[p] << std::pair{t.Beginn, t.Ende};
            }
        for (auto it = zeiten.begin(); it != zeiten.end(); ++it) {
            int erster = 24 * 60, letzter = 0, eigen = 0;
            for (const auto& [beginn, ende] : it.value()) {
                erster = std::min(erster, beginn);
                letzter = std::max(letzter, ende);
                eigen += ende - beginn;
            }
            warten[it.key()] += letzter - erster - eigen;
        }
    }
    return warten;
}

// A school whose rows keep the rule: classes put greedily into rows of at most 3 without a
// shared teacher or chair; 8 teachers, 3 per class, a chair from 10 teachers.
struct Zufallsschule
{
    TDaten d;
    TPlanZeilen zeilen;

    explicit Zufallsschule(unsigned saat, int klassen)
    {
        std::mt19937 zufall(saat);
        for (int i = 0; i < klassen; ++i) {
            QStringList kuerzel;
            while (kuerzel.size() < 3) {
                const QString k = QStringLiteral("L%1").arg(zufall() % 8);
                if (!kuerzel.contains(k))
                    kuerzel << k;
            }
            TKlasse* k = d.klasse(QStringLiteral("%1%2").arg(5 + i / 4).arg(QChar(u'a' + i % 4)), kuerzel);
            k->Vorsitz = d.lehrkraft(QStringLiteral("L%1").arg(zufall() % 10));
            bool gesetzt = false;
            for (auto& zeile : zeilen) {
                const bool frei = zeile.size() < 3 && std::none_of(zeile.begin(), zeile.end(), [&](TKlasse* andere) {
                    const auto personen = Konferenzpersonen(*andere, {true, false});
                    return std::any_of(personen.begin(), personen.end(), [&](const TLehrer* l) {
                        return Konferenzpersonen(*k, {true, false}).contains(l);
                    });
                });
                if (frei && !gesetzt) {
                    zeile << k;
                    gesetzt = true;
                }
            }
            if (!gesetzt)
                zeilen << QList<TKlasse*>{k};
        }
    }
};

TEST(Zeitplan, WartezeitenStimmenMitDemZeitplan)
{
    for (unsigned saat = 1; saat <= 6; ++saat) {
        Zufallsschule schule(saat, 10 + static_cast<int>(saat));
        TZeitplanEinstellungen e = einTag(uhr(14, 0), uhr(16, 0), 20, 5);
        e.Tage << TKonferenztag{46413.0, uhr(14, 0), uhr(18, 0)};
        e.Sonderdauern = {{QStringLiteral("6"), 30}};
        for (const bool vorsitz : {false, true}) {
            const TZeitplan plan = ZeitplanBerechnen(schule.zeilen, e, TKonfliktArten{vorsitz, false});
            const QMap<QString, int> erwartet = warteNachgerechnet(plan, vorsitz);
            for (auto it = plan.Wartezeit.JeLehrkraft.cbegin(); it != plan.Wartezeit.JeLehrkraft.cend(); ++it)
                EXPECT_EQ(it.value(), erwartet.value(it.key())) << saat << " " << it.key().toStdString();
            int gesamt = 0, hoechste = 0;
            for (const int w : erwartet) {
                gesamt += w;
                hoechste = std::max(hoechste, w);
            }
            EXPECT_EQ(plan.Wartezeit.Gesamt, gesamt) << saat;
            EXPECT_EQ(plan.Wartezeit.Hoechste, hoechste) << saat;

            // "vorher" is the same rows in class order of their first classes
            TPlanZeilen sortiert = schule.zeilen;
            std::reverse(sortiert.begin(), sortiert.end());
            EXPECT_EQ(ZeitplanBerechnen(sortiert, e, TKonfliktArten{vorsitz, false}).Wartezeit.Vorher,
                      plan.Wartezeit.Vorher);
        }
    }
}

TEST(Zeitplan, JsonObjekt)
{
    TDaten d;
    TKlasse* a = d.klasse(QStringLiteral("5a"), {"AB", "DE"});
    TKlasse* b = d.klasse(QStringLiteral("Q2 \"x\""), {"CD"});
    TKlasse* c = d.klasse(QStringLiteral("6a"), {"AB"});
    a->Vorsitz = d.lehrkraft(QStringLiteral("CD"));
    TZeitplanEinstellungen e = einTag(uhr(14, 0), uhr(14, 45));
    e.Tage[0].Datum = 46413.0; // 26.01.2027
    const TZeitplan plan = ZeitplanBerechnen({{a}, {b}, {c}}, e, {});
    const QByteArray json = ZeitplanJson(plan, 3, 2, false);
    EXPECT_FALSE(json.contains('\n'));
    QJsonParseError fehler;
    const QJsonObject o = QJsonDocument::fromJson(json, &fehler).object();
    ASSERT_EQ(fehler.error, QJsonParseError::NoError) << json.toStdString();
    EXPECT_EQ(o.value("zeilen").toInt(), 3);
    EXPECT_EQ(o.value("untergrenze").toInt(), 2);
    EXPECT_FALSE(o.value("optimal").toBool(true));
    EXPECT_EQ(o.value("wechsel_minuten").toInt(), 5);
    EXPECT_EQ(o.value("nicht_untergebracht").toArray(), QJsonArray{"6a"});
    const QJsonObject tag = o.value("tage").toArray().at(0).toObject();
    EXPECT_EQ(tag.value("datum").toString(), "2027-01-26");
    const QJsonArray fenster = tag.value("zeitfenster").toArray();
    ASSERT_EQ(fenster.size(), 2);
    EXPECT_EQ(fenster[1].toObject().value("beginn").toString(), "14:25");
    const QJsonObject erste = fenster[0].toObject().value("konferenzen").toArray().at(0).toObject();
    EXPECT_EQ(erste.value("klasse").toString(), "5a");
    EXPECT_EQ(erste.value("raum").toString(), "Raum 1");
    EXPECT_EQ(erste.value("ende").toString(), "14:20");
    EXPECT_EQ(erste.value("vorsitz").toString(), "CD");
    EXPECT_EQ(erste.value("lehrkraefte").toArray(), (QJsonArray{"AB", "DE"}));
    const QJsonObject zweite = fenster[1].toObject().value("konferenzen").toArray().at(0).toObject();
    EXPECT_EQ(zweite.value("klasse").toString(), "Q2 \"x\"");
    EXPECT_TRUE(zweite.value("vorsitz").isNull());
    const QJsonObject warten = o.value("wartezeit_minuten").toObject();
    EXPECT_EQ(warten.value("gesamt").toInt(), plan.Wartezeit.Gesamt);
    EXPECT_EQ(warten.value("je_lehrkraft").toObject().value("AB").toInt(), 0);
}

} // namespace

namespace {

TEST(Zeitplan, ReihenfolgeFindetDasMinimumUndBleibtGleich)
{
    for (unsigned saat = 1; saat <= 8; ++saat) {
        Zufallsschule schule(saat, 6 + static_cast<int>(saat) / 3);
        ASSERT_LE(schule.zeilen.size(), 8) << saat; // every order is tried for the reference
        TZeitplanEinstellungen e = einTag(uhr(14, 0), uhr(20, 0));
        const TKonfliktArten arten{saat % 2 == 0, false};
        const TZeitplanRechnung rechnung(schule.zeilen, e, arten);
        const auto minimum = rechnung.Bewerten(ReihenfolgeErschoepfend(rechnung));

        const TPlanZeilen geordnet = ReihenfolgeOptimieren(schule.zeilen, e, arten, 100'000);
        EXPECT_EQ(geordnet, ReihenfolgeOptimieren(schule.zeilen, e, arten, 100'000)) << saat;
        ASSERT_EQ(geordnet.size(), schule.zeilen.size());
        for (const auto& zeile : schule.zeilen)
            EXPECT_TRUE(geordnet.contains(zeile)) << saat;
        const TZeitplan plan = ZeitplanBerechnen(geordnet, e, arten);
        EXPECT_EQ(plan.Wartezeit.Gesamt, minimum.Gesamt) << saat << ", " << schule.zeilen.size() << " Zeilen";
        EXPECT_LE(plan.Wartezeit.Gesamt, plan.Wartezeit.Vorher) << saat;

        // the annealing alone, with a small budget, does not get worse than where it started
        const std::vector<int> start = rechnung.BelegteZeilen();
        EXPECT_LE(rechnung.Bewerten(ReihenfolgeGluehen(rechnung, start, 2000)), rechnung.Bewerten(start)) << saat;
    }
}

// A chain of classes: every teacher teaches three classes in a row of it, so only the chain
// forwards or backwards is free of waiting. Handed over scrambled and with too many rows for
// every order, the search must find one of the two within the program's budget, and within a
// share of it for shorter chains; a move that is undone wrongly leaves it far from them.
TEST(Zeitplan, ReihenfolgeFindetDieKetteOhneWarten)
{
    for (const auto& [glieder, einheiten] : {std::pair{12, 20'000LL}, {20, 60'000LL}, {40, ReihenfolgeEinheiten}}) {
        SCOPED_TRACE(glieder);
        TDaten d;
        TPlanZeilen zeilen;
        for (int k = 0; k < glieder; ++k) {
            // the row k * 7 % glieder, so that neighbours in the chain stand apart
            const int glied = k * 7 % glieder;
            QStringList lehrkraefte;
            for (int l = std::max(0, glied - 2); l <= glied; ++l)
                lehrkraefte << QStringLiteral("L%1").arg(l);
            zeilen << QList<TKlasse*>{d.klasse(QStringLiteral("K%1").arg(glied), lehrkraefte)};
        }
        const TZeitplanEinstellungen e = einTag(uhr(8, 0), uhr(23, 0), 10, 0);
        const TZeitplanRechnung rechnung(zeilen, e, {});
        ASSERT_GT(rechnung.Bewerten(rechnung.BelegteZeilen()).Gesamt, 0);
        const std::vector<int> reihe = ReihenfolgeSuchen(rechnung, rechnung.BelegteZeilen(), einheiten);
        EXPECT_EQ(rechnung.Bewerten(reihe).Gesamt, 0);
        std::vector<int> sortiert = reihe;
        std::sort(sortiert.begin(), sortiert.end());
        EXPECT_EQ(sortiert, rechnung.BelegteZeilen());
    }
}

// The choice among plans with the fewest slots keeps the rules and the rows of the best plan
// and never waits longer than the best plan in its own best order.
TEST(Zeitplan, PlanwahlWartetNichtLaenger)
{
    TZeitplanEinstellungen e;
    e.Tage = {{46412.0, 7 * 60, 24 * 60}};
    const long long einheiten = 20000; // the rule holds for any budget
    for (const auto& [klassen, grenze, startwert] : {std::tuple{30, 4, 1u}, {45, 5, 2u}, {60, 6, 3u}}) {
        SCOPED_TRACE(klassen);
        const TSchule schule = SchuleErzeugen(klassen, startwert);
        TOptimierung optimierung(*schule.Klassen, grenze, false, {});
        TZufall zufall(startwert);
        OptimierungLaufen(optimierung, zufall, TLaufGrenze(0, 20000), Wanduhr);
        const TVerteilungsMass vorher = optimierung.Bestes();
        const TPlanZeilen ohneWahl =
            ReihenfolgeOptimieren(PlanZeilen(*optimierung.BesterPlan()), e, {}, einheiten);

        const TPlanZeilen gewaehlt = PlanMitWenigWarten(optimierung, zufall, false, e, {}, einheiten);
        EXPECT_EQ(gewaehlt.size(), optimierung.Bestes().Zeilen);
        QList<const TKlasse*> alle;
        for (const QList<TKlasse*>& zeile : gewaehlt) {
            EXPECT_LE(zeile.size(), grenze);
            for (const TKlasse* k : zeile) {
                alle << k;
                for (const TKlasse* andere : zeile)
                    for (const TLehrer* l : k->Unterrichtende)
                        EXPECT_TRUE(k == andere || !andere->Unterrichtende.contains(l)) << k->Bezeichnung.toStdString();
            }
        }
        EXPECT_EQ(QSet<const TKlasse*>(alle.begin(), alle.end()).size(), schule.Klassen->Count());
        EXPECT_EQ(alle.size(), schule.Klassen->Count());
        if (optimierung.Bestes().Zeilen == vorher.Zeilen) {
            EXPECT_LE(ZeitplanBerechnen(gewaehlt, e, {}).Wartezeit.Gesamt,
                      ZeitplanBerechnen(ohneWahl, e, {}).Wartezeit.Gesamt);
        }
    }
}

TEST(Zeitplan, BeginnUndRaumImProtokoll)
{
    TDaten d;
    TKlasse* a = d.klasse(QStringLiteral("5a"), {"AB"});
    TKlasse* b = d.klasse(QStringLiteral("5b"), {"AB"});
    TKlasse* c = d.klasse(QStringLiteral("5c"), {"AB"});
    TZeitplanEinstellungen e = einTag(uhr(14, 0), uhr(14, 50));
    e.Raeume = {QStringLiteral("Raum ü")};
    const TZeitplan plan = ZeitplanBerechnen({{a}, {b}, {c}}, e, {});
    const QStringList vorlage = {QStringLiteral("<Klasse> um <Beginn> in <Raum>.")};
    EXPECT_EQ(ProtokollZeilen(vorlage, *b, false, TerminVon(plan, b)), QStringList{"5b um 14:25 Uhr in Raum \\'FC."});
    EXPECT_EQ(TerminVon(plan, c), nullptr);
    EXPECT_EQ(ProtokollZeilen(vorlage, *c, false, TerminVon(plan, c)), QStringList{"5c um  in ."});

    // the texts take the plan kept in the project, with the project's settings
    TProjektZusatz zusatz;
    EXPECT_FALSE(GehaltenerZeitplan(zusatz, d.klassen, 0).has_value());
    zusatz.Zeitplan = e;
    zusatz.Plan = TGehaltenerPlan{1, {{c}, {a}, {b}}};
    const std::optional<TZeitplan> gehalten = GehaltenerZeitplan(zusatz, d.klassen, 0);
    ASSERT_TRUE(gehalten.has_value());
    EXPECT_EQ(ProtokollZeilen(vorlage, *c, false, TerminVon(*gehalten, c)), QStringList{"5c um 14:00 Uhr in Raum \\'FC."});
    EXPECT_EQ(TerminVon(*gehalten, b), nullptr);
}

} // namespace
