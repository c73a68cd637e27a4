#include "planning/UFunctions.h"
#include "planning/UProjekt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

// Sets TZ for the lifetime of the object; Qt's local time follows the C library.
class TZeitzone
{
public:
    explicit TZeitzone(const char* zone)
    {
        if (const char* tz = std::getenv("TZ"))
            alt = tz;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TZeitzone()
    {
        if (alt)
            setenv("TZ", alt->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    TZeitzone(const TZeitzone&) = delete;
    TZeitzone& operator=(const TZeitzone&) = delete;

private:
    std::optional<std::string> alt;
};

// Zones whose clocks jump at midnight (São Paulo until 2018, Tehran until 2022, Havana),
// by half hours (Tehran), or late in the evening before a change (Berlin).
const char* const zonen[] = {"Europe/Berlin", "America/Sao_Paulo", "Asia/Tehran", "America/Havana", "UTC"};

} // namespace

// Day values are plain calendar days: every day of 2014 to 2026 at four times of day reads
// and writes the same in every zone.
TEST(Zeitzonen, TageswerteUnabhaengigVonDerOrtszeit)
{
    const QTime zeiten[] = {QTime(0, 0), QTime(0, 30), QTime(12, 0), QTime(23, 45)};
    for (const char* zone : zonen) {
        TZeitzone tz(zone);
        int fehler = 0;
        for (QDate tag(2014, 1, 1); tag.year() < 2027 && fehler < 5; tag = tag.addDays(1))
            for (const QTime& zeit : zeiten) {
                const double wert = DatumZuWert(tag) + zeit.msecsSinceStartOfDay() / 86400000.0;
                const QDateTime datum = WertZuDatum(wert);
                const bool erstesHalbjahr = tag.month() == 12 || tag.month() <= 3;
                const bool gut = datum.date() == tag && datum.time() == zeit && DatumZuWert(datum) == wert
                                 && DatumZuWert(QDateTime(tag, zeit)) == wert
                                 && DatumText(wert) == tag.toString(QStringLiteral("dd.MM.yyyy"))
                                 && HalbjahrText(wert).startsWith(erstesHalbjahr ? u'1' : u'2');
                if (!gut)
                    ++fehler;
                EXPECT_TRUE(gut) << zone << ' ' << tag.toString(Qt::ISODate).toStdString() << ' '
                                 << zeit.toString().toStdString() << " -> " << datum.toString().toStdString();
            }
    }
}

// A date read from a project file stays the date it was, and the next save keeps it.
TEST(Zeitzonen, DatumUeberstehtDieProjektdatei)
{
    const double werte[] = {DatumZuWert(QDate(2018, 11, 4)), DatumZuWert(QDate(2024, 3, 31)) + 0.9895833,
                            45382.5, DatumZuWert(QDate(2022, 3, 22)), DatumZuWert(QDate(2025, 3, 9))};
    for (const char* zone : zonen) {
        TZeitzone tz(zone);
        TLehrerliste lehrer;
        TKlassenliste klassen;
        for (const double wert : werte)
            klassen.Add(std::make_unique<TKlasse>(QString::number(wert, 'g', 17)))->Konferenzdatum = wert;
        const QByteArray bytes = ProjektBytes(lehrer, klassen);
        const TProjektErgebnis gelesen = ProjektAusBytes(bytes, QStringLiteral("z.spz"));
        ASSERT_TRUE(gelesen.Ok()) << gelesen.Fehler.toStdString();
        for (const TKlasse* klasse : *gelesen.Klassen)
            EXPECT_EQ(klasse->Konferenzdatum, klasse->Bezeichnung.toDouble()) << zone;
        EXPECT_EQ(ProjektBytes(*gelesen.Lehrer, *gelesen.Klassen), bytes) << zone;
    }
}
