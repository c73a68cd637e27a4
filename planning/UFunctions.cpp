#include "planning/UFunctions.h"

#include "planning/UCodepage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

char16_t faltenAZ(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

struct Stufenpraefix
{
    const char16_t* praefix;
    int stufe;
    bool unveraendert; // compare with the designation as written, not in lower case
};

// The order matters: the first prefix that matches decides.
constexpr Stufenpraefix stufenpraefixe[] = {
    {u"uiii", 8, false}, {u"u3", 8, false}, {u"E", 10, true},   {u"uii", 10, false},
    {u"u2", 10, false},  {u"q2", 12, false}, {u"qii", 12, false}, {u"s1", 12, false},
    {u"s2", 12, false},  {u"ui", 12, false}, {u"u1", 12, false},  {u"oiii", 9, false},
    {u"o3", 9, false},   {u"q1", 11, false}, {u"qi", 11, false},  {u"oii", 11, false},
    {u"o2", 11, false},  {u"oi", 13, false}, {u"s3", 13, false},  {u"s4", 13, false},
    {u"o1", 13, false},  {u"iv", 7, false},  {u"vi", 5, false},   {u"v", 6, false},
};

// Prefix test without building strings: the grade levels are sorted by in every search.
// The prefixes are ASCII, so folding A-Z is all the lower-case conversion they need.
bool beginntMit(const QString& text, const char16_t* praefix, bool kleinVergleichen)
{
    qsizetype i = 0;
    for (; praefix[i] != 0; ++i) {
        if (i >= text.size())
            return false;
        char16_t c = text[i].unicode();
        if (kleinVergleichen && c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + (u'a' - u'A'));
        if (c != praefix[i])
            return false;
    }
    return true;
}

int stufeAusZiffern(const QString& bezeichnung)
{
    qsizetype i = 0;
    while (i < bezeichnung.size() && !(bezeichnung[i] >= u'0' && bezeichnung[i] <= u'9'))
        ++i;
    qint64 wert = 0;
    bool ziffer = false;
    for (; i < bezeichnung.size() && bezeichnung[i] >= u'0' && bezeichnung[i] <= u'9'; ++i) {
        ziffer = true;
        wert = wert * 10 + (bezeichnung[i].unicode() - u'0');
        if (wert > std::numeric_limits<qint32>::max())
            return 0;
    }
    return ziffer ? static_cast<int>(wert) : 0;
}

bool istTrenner(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

} // namespace

int TextVergleich(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = faltenAZ(a[i].unicode()) - faltenAZ(b[i].unicode());
        if (d != 0)
            return d;
    }
    return static_cast<int>(a.size() - b.size());
}

int Klassenstufe(const QString& bezeichnung)
{
    if (bezeichnung.isEmpty())
        return 0;
    for (const auto& p : stufenpraefixe)
        if (beginntMit(bezeichnung, p.praefix, !p.unveraendert))
            return p.stufe;
    return stufeAusZiffern(bezeichnung);
}

int KlassenVergleich(const TKlasse* a, const TKlasse* b)
{
    const int stufeA = Klassenstufe(a->Bezeichnung);
    const int stufeB = Klassenstufe(b->Bezeichnung);
    if (stufeA != stufeB)
        return stufeA - stufeB;
    return TextVergleich(a->Bezeichnung, b->Bezeichnung);
}

int LehrerVergleich(const TLehrer* a, const TLehrer* b)
{
    const int d = TextVergleich(a->Name, b->Name);
    return d != 0 ? d : TextVergleich(a->Kuerzel, b->Kuerzel);
}

int GruppenVergleich(const TGruppe* a, const TGruppe* b)
{
    return KlassenVergleich(a->first(), b->first());
}

QString AnredeGebeugt(const QString& anrede)
{
    return anrede == QStringLiteral("Herr") ? QStringLiteral("Herrn") : anrede;
}

namespace {

QString mitAnrede(const QString& anrede, const QString& name, bool gebeugt)
{
    return (gebeugt ? AnredeGebeugt(anrede) : anrede) + QLatin1Char(' ') + name;
}

} // namespace

QString LehrerMitAnrede(const TLehrer* lehrer, bool gebeugt)
{
    return lehrer ? mitAnrede(lehrer->Anrede, lehrer->Name, gebeugt) : QString();
}

QString ElternMitAnrede(const TEltern* eltern, bool gebeugt)
{
    return eltern ? mitAnrede(eltern->Anrede, eltern->Name, gebeugt) : QString();
}

QString RtfMaskieren(const QString& text)
{
    static const char hex[] = "0123456789ABCDEF";
    QString ergebnis;
    ergebnis.reserve(text.size() + text.size() / 4);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            ergebnis += QLatin1Char('\\');
            ergebnis += c;
        } else if (u > 127) {
            const auto b = static_cast<unsigned char>(Cp1252Byte(c));
            if (b == '?') {
                // Outside Windows-1252 (Yılmaz, Doğan, Łukasz): the Unicode escape with its signed
                // 16-bit code, then the "?" that readers without \u keep showing (\uc1).
                ergebnis += QStringLiteral("\\u%1?").arg(static_cast<qint16>(u));
                continue;
            }
            ergebnis += QLatin1String("\\'");
            ergebnis += QLatin1Char(hex[b >> 4]);
            ergebnis += QLatin1Char(hex[b & 0xF]);
        } else {
            ergebnis += c;
        }
    }
    return ergebnis;
}

QString HalbjahrText(double datum)
{
    QString praefix = QStringLiteral("__");
    if (datum != 0.0) {
        const int monat = WertZuDatum(datum).date().month();
        praefix = (monat == 12 || monat <= 3) ? QStringLiteral("1") : QStringLiteral("2");
    }
    return praefix + QStringLiteral(". Halbjahr");
}

QStringList Namensliste(const QString& text, QChar trenner)
{
    QStringList namen;
    for (const QString& teil : text.split(trenner)) {
        const QString name = teil.trimmed();
        if (!name.isEmpty())
            namen << name;
    }
    return namen;
}

bool ListeTeilen(const QString& text, QStringList& liste)
{
    if (text.isEmpty())
        return !liste.isEmpty();
    QString s = text;
    const qsizetype nul = s.indexOf(QChar(u'\0'));
    if (nul >= 0)
        s.truncate(nul);
    liste.clear();
    // "/" separates like ",", except inside an item in quotes
    const auto istKomma = [](QChar c) { return c == u',' || c == u'/'; };

    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && istTrenner(s[i]))
        ++i;
    while (i < n) {
        QString item;
        if (s[i] == u'"') {
            ++i;
            while (i < n) {
                if (s[i] == u'"') {
                    if (i + 1 < n && s[i + 1] == u'"') {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += s[i++];
            }
        } else {
            while (i < n && !istKomma(s[i]) && !(s[i].unicode() <= 32))
                item += s[i++];
        }
        liste << item;
        while (i < n && istTrenner(s[i]))
            ++i;
        if (i < n && istKomma(s[i])) {
            ++i;
            if (i == n) { // a comma at the very end adds an empty last item
                liste << QString();
                break;
            }
            while (i < n && istTrenner(s[i]))
                ++i;
        }
    }
    return !liste.isEmpty();
}

int HoechsteElternID(const TKlassenliste& klassen)
{
    int hoechste = 0;
    for (const TKlasse* klasse : klassen)
        for (const TEltern* eltern : klasse->Elternvertreter)
            hoechste = std::max(hoechste, eltern->ID.toInt());
    return hoechste;
}

QString RelativerPfad(const QString& pfad, const QString& programmpfad)
{
    const QString basis = QDir::cleanPath(programmpfad);
    const QString ziel = QDir::cleanPath(pfad);
    if (QFileInfo(ziel).isRelative() || QFileInfo(basis).isRelative())
        return pfad;
    QString relativ = QDir(basis).relativeFilePath(ziel);
    if (QFileInfo(relativ).isAbsolute())
        return pfad;
    if (!relativ.startsWith(QStringLiteral("../")))
        relativ.prepend(QStringLiteral("./"));
    return relativ;
}

QString KuerzelVerbunden(const QList<TLehrer*>& lehrer, const QString& trenner)
{
    QStringList kuerzel;
    for (const TLehrer* l : lehrer)
        kuerzel << l->Kuerzel;
    return kuerzel.join(trenner);
}

QString LeitungstextBilden(const QList<TLehrer*>& lehrer)
{
    QStringList kuerzel;
    for (const TLehrer* l : lehrer) {
        const bool gequotet = l->Kuerzel.isEmpty() || std::any_of(l->Kuerzel.cbegin(), l->Kuerzel.cend(), [](QChar c) {
            return c.unicode() <= 32 || c == u',' || c == u'/' || c == u'"';
        });
        kuerzel << (gequotet ? QLatin1Char('"') + QString(l->Kuerzel).replace(QLatin1Char('"'), QStringLiteral("\"\""))
                                   + QLatin1Char('"')
                             : l->Kuerzel);
    }
    return kuerzel.join(QLatin1Char('/'));
}

QString LeerzeichenBereinigen(const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    bool leer = false;
    for (const QChar c : text) {
        if (c == u' ') {
            leer = true;
            continue;
        }
        if (leer && !ergebnis.isEmpty())
            ergebnis += QLatin1Char(' ');
        leer = false;
        ergebnis += c;
    }
    return ergebnis;
}

namespace {

const QDate nullTag(1899, 12, 30);
constexpr qint64 msProTag = 24LL * 60 * 60 * 1000;

} // namespace

// Pure day arithmetic in both directions: the day values are calendar days, not instants,
// so no local time may take part (a zone whose clocks jump at midnight has no local
// midnight on that day, and a day with a clock change is not 24 hours long).
QDateTime WertZuDatum(double wert)
{
    if (!std::isfinite(wert) || std::fabs(wert) > 3.0e6)
        return QDateTime();
    qint64 tage = static_cast<qint64>(std::floor(wert));
    qint64 ms = std::llround((wert - static_cast<double>(tage)) * msProTag);
    if (ms >= msProTag) { // rounded up to the next midnight
        ++tage;
        ms -= msProTag;
    }
    return QDateTime(nullTag.addDays(tage), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)), Qt::UTC);
}

double DatumZuWert(const QDate& datum)
{
    return datum.isValid() ? static_cast<double>(nullTag.daysTo(datum)) : 0.0;
}

// The date and time as they read; a local time that the clock skips is still that day.
double DatumZuWert(const QDateTime& datum)
{
    if (!datum.date().isValid())
        return 0.0;
    return DatumZuWert(datum.date()) + static_cast<double>(datum.time().msecsSinceStartOfDay()) / msProTag;
}

QString DatumText(double wert)
{
    const QDateTime datum = WertZuDatum(wert);
    return datum.isValid() ? datum.date().toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate DatumLesen(const QString& text)
{
    static const QRegularExpression mitPunkten(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{2}|[0-9]{4})$"));
    static const QRegularExpression nurZiffern(QStringLiteral("^([0-9]{2})([0-9]{2})([0-9]{2}|[0-9]{4})$"));
    const QString eingabe = text.trimmed();
    QRegularExpressionMatch teile = mitPunkten.match(eingabe);
    if (!teile.hasMatch())
        teile = nurZiffern.match(eingabe);
    if (!teile.hasMatch())
        return QDate();
    const int jahr = teile.captured(3).toInt() + (teile.capturedLength(3) == 2 ? 2000 : 0);
    return QDate(jahr, teile.captured(2).toInt(), teile.captured(1).toInt());
}
