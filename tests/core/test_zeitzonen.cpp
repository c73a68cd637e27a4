#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

// Day values are plain calendar days. In zones whose clocks jump at midnight (São Paulo until
// 2018, Tehran until 2022, Havana) or late in the evening before a change (Berlin), every day
// of 2014 to 2026 at four times of day converts the same both ways, gives its half-year, and
// a project file keeps its dates through reading and writing.
TEST(Zeitzonen, TageswerteUnabhaengigVonDerOrtszeit)
{
    const QTime zeiten[] = {QTime(0, 0), QTime(0, 30), QTime(12, 0), QTime(23, 45)};
    const QByteArray altesTz = qgetenv("TZ");
    for (const char* zone : {"Europe/Berlin", "America/Sao_Paulo", "Asia/Tehran", "America/Havana", "UTC"}) {
        setenv("TZ", zone, 1);
        tzset(); // Qt's local time follows the C library
        int fehler = 0;
        TLehrerliste lehrer;
        TKlassenliste klassen;
        for (QDate tag(2014, 1, 1); tag.year() < 2027 && fehler < 5; tag = tag.addDays(1))
            for (const QTime& zeit : zeiten) {
                const double wert = DatumZuWert(tag) + zeit.msecsSinceStartOfDay() / 86400000.0;
                const QDateTime datum = WertZuDatum(wert);
                const bool gut = datum.date() == tag && datum.time() == zeit && DatumZuWert(datum) == wert
                                 && DatumZuWert(QDateTime(tag, zeit)) == wert
                                 && DatumText(wert) == tag.toString(QStringLiteral("dd.MM.yyyy"))
                                 && HalbjahrText(wert)[0] == (tag.month() == 12 || tag.month() <= 3 ? u'1' : u'2');
                fehler += gut ? 0 : 1;
                EXPECT_TRUE(gut) << zone << ' ' << tag.toString(Qt::ISODate).toStdString() << ' '
                                 << zeit.toString().toStdString() << " -> " << datum.toString().toStdString();
                if (tag.day() == 1 || zeit == QTime(0, 0))
                    klassen.Add(std::make_unique<TKlasse>(QString::number(wert, 'g', 17)))->Konferenzdatum = wert;
            }
        const QByteArray bytes = ProjektBytes(lehrer, klassen);
        const TProjektErgebnis gelesen = ProjektAusBytes(bytes, QStringLiteral("z.spz"));
        EXPECT_TRUE(gelesen.Ok());
        for (const TKlasse* klasse : gelesen.Ok() ? *gelesen.Klassen : klassen)
            fehler += klasse->Konferenzdatum == klasse->Bezeichnung.toDouble() ? 0 : 1;
        EXPECT_EQ(fehler, 0) << zone;
        EXPECT_EQ(gelesen.Ok() ? ProjektBytes(*gelesen.Lehrer, *gelesen.Klassen) : QByteArray(), bytes) << zone;
    }
    altesTz.isNull() ? unsetenv("TZ") : setenv("TZ", altesTz.constData(), 1);
    tzset();
}
