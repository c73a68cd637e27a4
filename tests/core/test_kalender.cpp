// The teachers' and rooms' view of a timetable, the calendar files (read back with libical)
// and the safe file names.
#include "ausgabe/UDateinamen.h"
#include "ausgabe/UKalender.h"
#include "ausgabe/UKonferenzliste.h"
#include "core/Zeitplandaten.h"
#include "support/Kalenderlesen.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

const QDateTime Stempel(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC);

QDateTime berlin(double datum, int minuten)
{
    return QDateTime(WertZuDatum(datum).date(), QTime(minuten / 60, minuten % 60), QTimeZone("Europe/Berlin")).toUTC();
}

QStringList kuerzel(const QList<TLehrkraftPlan>& plaene)
{
    QStringList liste;
    for (const TLehrkraftPlan& plan : plaene)
        liste << plan.Lehrer->Kuerzel;
    return liste;
}

QStringList uids(const QByteArray& ics)
{
    QStringList liste;
    for (const TGelesenesEreignis& e : KalenderLesen(ics).Ereignisse)
        liste << e.Uid;
    liste.sort();
    return liste;
}

} // namespace

TEST(Konferenzliste, JedeLehrkraftMitRolleInZeitfolge)
{
    TZeitplandaten d;
    const QList<TLehrkraftPlan> plaene = LehrkraftPlaene(d.plan, d.lehrer);
    // In the order of the list; OHN sits in no conference.
    EXPECT_EQ(kuerzel(plaene), (QStringList{"MÜL", "BER", "VOR", "ABC", "a/b"}));
    const TLehrkraftPlan& mueller = plaene.at(0);
    ASSERT_EQ(mueller.Einsaetze.size(), 3);
    EXPECT_EQ(mueller.Einsaetze.at(0).Termin.Klasse, d.k5a);
    EXPECT_EQ(mueller.Einsaetze.at(0).Rolle, TRolle::Klassenleitung);
    EXPECT_EQ(mueller.Einsaetze.at(1).Termin.Klasse, d.q1);
    EXPECT_EQ(mueller.Einsaetze.at(1).Rolle, TRolle::Fachlehrkraft);
    EXPECT_EQ(mueller.Einsaetze.at(2).Datum, d.winter);
    // BER teaches 5a and chairs Q1; VOR chairs 5a without teaching it.
    EXPECT_EQ(plaene.at(1).Einsaetze.at(1).Rolle, TRolle::Vorsitz);
    EXPECT_EQ(plaene.at(2).Einsaetze.at(0).Rolle, TRolle::Vorsitz);

    const QList<TRaumTag> raeume = RaumPlaene(d.plan);
    ASSERT_EQ(raeume.size(), 3);
    EXPECT_EQ(raeume.at(0).Raum, "Raum 1");
    EXPECT_EQ(raeume.at(0).Termine.size(), 2);
    EXPECT_EQ(raeume.at(1).Raum, "Raum 2");
    EXPECT_EQ(raeume.at(2).Raum, "Raum 2");
    EXPECT_EQ(raeume.at(2).Datum, d.winter);
}

TEST(Kalender, EreignisseEntsprechenDemZeitplan)
{
    TZeitplandaten d;
    const QString kennung = ProjektKennung(QStringLiteral("/schule/Halbjahr.spz"));
    for (const TLehrkraftPlan& plan : LehrkraftPlaene(d.plan, d.lehrer)) {
        SCOPED_TRACE(plan.Lehrer->Kuerzel.toStdString());
        const TGelesenerKalender kalender = KalenderLesen(LehrkraftKalender(plan, kennung, Stempel));
        ASSERT_TRUE(kalender.Gelesen);
        EXPECT_EQ(kalender.Fehler, 0);
        ASSERT_EQ(kalender.Ereignisse.size(), plan.Einsaetze.size());
        for (int i = 0; i < plan.Einsaetze.size(); ++i) {
            const TEinsatz& einsatz = plan.Einsaetze.at(i);
            const TGelesenesEreignis& e = kalender.Ereignisse.at(i);
            EXPECT_EQ(e.Titel, "Zeugniskonferenz " + einsatz.Termin.Klasse->Bezeichnung);
            EXPECT_EQ(e.Ort, einsatz.Termin.Raum);
            EXPECT_EQ(e.Zone, "Europe/Berlin");
            EXPECT_EQ(e.BeginnUtc, berlin(einsatz.Datum, einsatz.Termin.Beginn));
            EXPECT_EQ(e.EndeUtc, berlin(einsatz.Datum, einsatz.Termin.Ende));
            EXPECT_EQ(e.Uid, KonferenzUid(kennung, *einsatz.Termin.Klasse, einsatz.Datum));
            EXPECT_TRUE(e.Beschreibung.contains("Ihre Rolle: " + RollenText(einsatz.Rolle))) << e.Beschreibung.toStdString();
            EXPECT_TRUE(e.Beschreibung.contains("Vorsitz: " + VorsitzText(*einsatz.Termin.Klasse)));
            EXPECT_TRUE(e.Beschreibung.contains(plan.Lehrer->Kuerzel));
        }
    }
    // Summer and winter time: 14:00 in Berlin is 12:00 and 13:00 UTC.
    const TGelesenerKalender alle = KalenderLesen(SchulKalender(d.plan, kennung, Stempel));
    EXPECT_EQ(alle.Fehler, 0);
    ASSERT_EQ(alle.Ereignisse.size(), 4);
    EXPECT_EQ(alle.Ereignisse.at(0).BeginnUtc.time(), QTime(12, 0));
    EXPECT_EQ(alle.Ereignisse.at(3).BeginnUtc.time(), QTime(14, 0));
    EXPECT_FALSE(alle.Ereignisse.at(0).Beschreibung.contains("Ihre Rolle"));
}

TEST(Kalender, ZeilenGefaltetMaskiertUndUtf8)
{
    const QString lang = QString(40, QChar(u'ä')) + QStringLiteral("; ein Satz, mit \\ und\nZeilenwechsel ") +
                         QString(100, QChar(u'x')) + QStringLiteral("€€€");
    for (const QString& text : {QString("kurz"), QString(75, QChar(u'y')), QString(76, QChar(u'y')), lang}) {
        const QByteArray zeile = KalenderZeile(QStringLiteral("DESCRIPTION:") + KalenderMaskieren(text));
        ASSERT_TRUE(zeile.endsWith("\r\n"));
        for (const QByteArray& teil : zeile.chopped(2).split('\n')) {
            const QByteArray ohneCr = teil.endsWith('\r') ? teil.chopped(1) : teil;
            EXPECT_LE(ohneCr.size(), 75);
            EXPECT_FALSE(QString::fromUtf8(ohneCr).contains(QChar::ReplacementCharacter)) << "Zeichen geteilt";
        }
        const QByteArray kalender = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//DE\r\nBEGIN:VEVENT\r\n"
                                    "UID:1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20260101T100000Z\r\n" +
                                    zeile + "END:VEVENT\r\nEND:VCALENDAR\r\n";
        const TGelesenerKalender gelesen = KalenderLesen(kalender);
        ASSERT_EQ(gelesen.Ereignisse.size(), 1);
        EXPECT_EQ(gelesen.Ereignisse.first().Beschreibung, text);
    }
}

TEST(Kalender, UidBleibtFuerProjektKlasseUndTag)
{
    TZeitplandaten d;
    const QString kennung = ProjektKennung(QStringLiteral("/schule/Halbjahr.spz"));
    const QStringList vorher = uids(SchulKalender(d.plan, kennung, Stempel));
    EXPECT_EQ(vorher.size(), 4);
    EXPECT_EQ(QSet<QString>(vorher.begin(), vorher.end()).size(), 4);

    // Other times and rooms on the same day, written later from a copy in another folder.
    std::swap(d.plan.Tage[0].Zeitfenster[0].Konferenzen[0].Klasse, d.plan.Tage[0].Zeitfenster[1].Konferenzen[0].Klasse);
    d.plan.Tage[0].Zeitfenster[1].Konferenzen[0].Raum = QStringLiteral("Aula");
    const QString kopie = ProjektKennung(QStringLiteral("C:/Kopie/Halbjahr.spz"));
    EXPECT_EQ(uids(SchulKalender(d.plan, kopie, Stempel.addDays(3))), vorher);

    EXPECT_NE(uids(SchulKalender(d.plan, ProjektKennung(QStringLiteral("Anderes.spz")), Stempel)), vorher);
    d.plan.Tage[1].Datum += 1;
    EXPECT_NE(uids(SchulKalender(d.plan, kennung, Stempel)), vorher);
    EXPECT_EQ(ProjektKennung(QString()), ProjektKennung(QStringLiteral("unbenannt")));
}

TEST(Dateinamen, SicherUndOhneZusammenstoss)
{
    const struct
    {
        QStringList kuerzel;
        QStringList namen;
    } faelle[] = {
        {{"MÜL", "Öß", "abc"}, {"MUeL", "Oess", "abc"}},
        {{"../x", "a/b", "a\\b", ".", ""}, {"___x", "a_b", "a_b_2", "_", "__2"}},
        {{"ABC", "abc", "Abc"}, {"ABC", "abc_2", "Abc_3"}},
        {{"alle", "CON", "nul", "com1", "Com10"}, {"alle_2", "CON_", "nul_", "com1_", "Com10"}},
        {{QString(60, u'x')}, {QString(40, u'x')}},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(SichereDateinamen(fall.kuerzel, {"alle"}), fall.namen) << fall.kuerzel.join(' ').toStdString();
}
