#include "ausgabe/UKalender.h"

#include "planning/UFunctions.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QUrl>

namespace {

const char* const Zeitzone =
    "BEGIN:VTIMEZONE\n"
    "TZID:Europe/Berlin\n"
    "BEGIN:DAYLIGHT\n"
    "TZOFFSETFROM:+0100\n"
    "TZOFFSETTO:+0200\n"
    "TZNAME:CEST\n"
    "DTSTART:19700329T020000\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\n"
    "END:DAYLIGHT\n"
    "BEGIN:STANDARD\n"
    "TZOFFSETFROM:+0200\n"
    "TZOFFSETTO:+0100\n"
    "TZNAME:CET\n"
    "DTSTART:19701025T030000\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\n"
    "END:STANDARD\n"
    "END:VTIMEZONE";

QString ortszeit(double datum, int minuten)
{
    const QDate tag = WertZuDatum(datum).date();
    const QTime zeit(minuten / 60, minuten % 60);
    return tag.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T') + zeit.toString(QStringLiteral("HHmmss"));
}

QString kuerzelListe(const QList<TLehrer*>& lehrer)
{
    QStringList kuerzel;
    for (const TLehrer* person : lehrer)
        kuerzel << person->Kuerzel;
    return kuerzel.join(QStringLiteral(", "));
}

// The description: the role (in a teacher's calendar), the chair and who sits in.
QString beschreibung(const TKlasse& klasse, const std::optional<TRolle>& rolle)
{
    QStringList zeilen;
    if (rolle)
        zeilen << QStringLiteral("Ihre Rolle: ") + RollenText(*rolle);
    zeilen << QStringLiteral("Vorsitz: ") + VorsitzText(klasse);
    zeilen << QStringLiteral("Lehrkräfte der Klasse: ") + kuerzelListe(Teilnehmende(klasse));
    return zeilen.join(QLatin1Char('\n'));
}

class TKalender
{
public:
    TKalender(const QString& name, const QDateTime& stempel)
        : stempel_(stempel.toUTC().toString(QStringLiteral("yyyyMMddTHHmmssZ")))
    {
        zeile(QStringLiteral("BEGIN:VCALENDAR"));
        zeile(QStringLiteral("VERSION:2.0"));
        zeile(QStringLiteral("PRODID:-//Simultano//Konferenzplan %1//DE").arg(QStringLiteral(SIMULTANO_VERSION)));
        zeile(QStringLiteral("CALSCALE:GREGORIAN"));
        zeile(QStringLiteral("METHOD:PUBLISH"));
        zeile(QStringLiteral("X-WR-CALNAME:") + KalenderMaskieren(name));
        zeile(QStringLiteral("X-WR-TIMEZONE:Europe/Berlin"));
        for (const QString& teil : QString::fromLatin1(Zeitzone).split(QLatin1Char('\n')))
            zeile(teil);
    }

    void Ereignis(double datum, const TTermin& termin, const QString& kennung, const std::optional<TRolle>& rolle)
    {
        const TKlasse& klasse = *termin.Klasse;
        zeile(QStringLiteral("BEGIN:VEVENT"));
        zeile(QStringLiteral("UID:") + KonferenzUid(kennung, klasse, datum));
        zeile(QStringLiteral("DTSTAMP:") + stempel_);
        zeile(QStringLiteral("DTSTART;TZID=Europe/Berlin:") + ortszeit(datum, termin.Beginn));
        zeile(QStringLiteral("DTEND;TZID=Europe/Berlin:") + ortszeit(datum, termin.Ende));
        zeile(QStringLiteral("SUMMARY:") + KalenderMaskieren(QStringLiteral("Zeugniskonferenz ") + klasse.Bezeichnung));
        zeile(QStringLiteral("LOCATION:") + KalenderMaskieren(termin.Raum));
        zeile(QStringLiteral("DESCRIPTION:") + KalenderMaskieren(beschreibung(klasse, rolle)));
        zeile(QStringLiteral("END:VEVENT"));
    }

    QByteArray Fertig()
    {
        zeile(QStringLiteral("END:VCALENDAR"));
        return text_;
    }

private:
    void zeile(const QString& inhalt) { text_ += KalenderZeile(inhalt); }

    QString stempel_;
    QByteArray text_;
};

} // namespace

QString ProjektKennung(const QString& projektdatei)
{
    QString name = QFileInfo(projektdatei).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("unbenannt");
    return QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

QString KonferenzUid(const QString& kennung, const TKlasse& klasse, double datum)
{
    return QStringLiteral("zeugniskonferenz-%1-%2-%3@simultano")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(klasse.Bezeichnung)),
             WertZuDatum(datum).date().toString(QStringLiteral("yyyyMMdd")), kennung);
}

QString KalenderMaskieren(const QString& text)
{
    QString aus;
    aus.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar z = text.at(i);
        if (z == u'\\' || z == u';' || z == u',') {
            aus += u'\\';
            aus += z;
        } else if (z == u'\r') {
            aus += QStringLiteral("\\n");
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else if (z == u'\n') {
            aus += QStringLiteral("\\n");
        } else if (z.category() != QChar::Other_Control) {
            aus += z;
        }
    }
    return aus;
}

QByteArray KalenderZeile(const QString& zeile)
{
    const QByteArray bytes = zeile.toUtf8();
    QByteArray aus;
    qsizetype anfang = 0;
    qsizetype platz = 75;
    while (bytes.size() - anfang > platz) {
        qsizetype ende = anfang + platz;
        while ((static_cast<unsigned char>(bytes.at(ende)) & 0xC0) == 0x80) // inside a character
            --ende;
        aus += bytes.mid(anfang, ende - anfang) + "\r\n ";
        anfang = ende;
        platz = 74; // the blank that starts the next part counts
    }
    aus += bytes.mid(anfang) + "\r\n";
    return aus;
}

QByteArray LehrkraftKalender(const TLehrkraftPlan& plan, const QString& kennung, const QDateTime& stempel)
{
    TKalender kalender(QStringLiteral("Konferenzplan ") + plan.Lehrer->Kuerzel, stempel);
    for (const TEinsatz& einsatz : plan.Einsaetze)
        kalender.Ereignis(einsatz.Datum, einsatz.Termin, kennung, einsatz.Rolle);
    return kalender.Fertig();
}

QByteArray SchulKalender(const TZeitplan& zeitplan, const QString& kennung, const QDateTime& stempel)
{
    TKalender kalender(QStringLiteral("Zeugniskonferenzen"), stempel);
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& fenster : tag.Zeitfenster)
            for (const TTermin& termin : fenster.Konferenzen)
                if (termin.Klasse != nullptr)
                    kalender.Ereignis(tag.Datum, termin, kennung, std::nullopt);
    return kalender.Fertig();
}
