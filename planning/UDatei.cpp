#include "planning/UDatei.h"

#include "planning/UCodepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TDateiStand standAus(const struct stat& s)
{
    TDateiStand stand;
    stand.Vorhanden = true;
    stand.Groesse = s.st_size;
    stand.Geaendert = qint64(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec;
    stand.Status = qint64(s.st_ctim.tv_sec) * 1000000000 + s.st_ctim.tv_nsec;
    stand.Geraet = s.st_dev;
    stand.Knoten = s.st_ino;
    return stand;
}

QString keineDateiGrund(mode_t art)
{
    if (S_ISREG(art))
        return QString();
    if (S_ISDIR(art))
        return QStringLiteral("Sie ist ein Ordner, keine Datei.");
    return QStringLiteral("Sie ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket.");
}

} // namespace

TDateiStand DateiStand(const QString& dateiname)
{
    struct stat s;
    if (::stat(QFile::encodeName(dateiname).constData(), &s) != 0)
        return {};
    return standAus(s);
}

QString KeineGewoehnlicheDatei(const QString& dateiname)
{
    struct stat s;
    if (::stat(QFile::encodeName(dateiname).constData(), &s) != 0)
        return QString();
    return keineDateiGrund(s.st_mode);
}

QString GeaendertMeldung()
{
    return QStringLiteral("Die Datei wurde inzwischen von einem anderen Programm geändert.");
}

TSchreibfehler DateiSicherSchreiben(const QString& dateiname, const QByteArray& bytes, QString* grund,
                                    const TDateiStand* erwartet, TDateiStand* neu)
{
    const auto fehler = [&](TSchreibfehler art, const QString& text) {
        if (grund)
            *grund = text;
        return art;
    };
    // the rename would put a regular file in place of a device or a pipe
    if (const QString keine = KeineGewoehnlicheDatei(dateiname); !keine.isEmpty())
        return fehler(TSchreibfehler::NichtErstellt, keine);
    QSaveFile datei(dateiname);
    if (!datei.open(QIODevice::WriteOnly))
        return fehler(TSchreibfehler::NichtErstellt, datei.errorString());
    // commit() does not notice when flushing its buffer writes only part of it, so the
    // buffer is flushed and checked first; without a commit the temporary file is discarded.
    if (datei.write(bytes) != bytes.size() || !datei.flush())
        return fehler(TSchreibfehler::Abgebrochen, datei.errorString());
    std::optional<QLockFile> sperre;
    if (erwartet) {
        sperre.emplace(dateiname + QStringLiteral(".lock"));
        if (!sperre->tryLock(10000))
            return fehler(TSchreibfehler::Abgebrochen, QStringLiteral("Ein anderes Programm schreibt sie gerade."));
        if (DateiStand(dateiname) != *erwartet)
            return fehler(TSchreibfehler::Geaendert, GeaendertMeldung());
    }
    if (const QString keine = KeineGewoehnlicheDatei(dateiname); !keine.isEmpty())
        return fehler(TSchreibfehler::NichtErstellt, keine);
    if (!datei.commit())
        return fehler(TSchreibfehler::Abgebrochen, datei.errorString());
    if (neu)
        *neu = DateiStand(dateiname);
    return TSchreibfehler::Keiner;
}

QString DateiSchreiben(const QString& dateiname, const QByteArray& bytes, const TDateiStand* erwartet, TDateiStand* neu)
{
    QString grund;
    switch (DateiSicherSchreiben(dateiname, bytes, &grund, erwartet, neu)) {
    case TSchreibfehler::Keiner:
        return QString();
    case TSchreibfehler::Geaendert:
        return grund;
    case TSchreibfehler::NichtErstellt:
    case TSchreibfehler::Abgebrochen:
        break;
    }
    return NichtErstelltMeldung(dateiname, grund);
}

QString NichtErstelltMeldung(const QString& dateiname, const QString& grund)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(Anzeigename(dateiname), Satz(grund));
}

TLesefehler DateiBegrenztLesen(const QString& dateiname, QByteArray& bytes, QString* grund, qint64 hoechstens,
                               TDateiStand* stand)
{
    bytes.clear();
    const auto fehler = [&](TLesefehler art, const QString& text) {
        if (grund)
            *grund = text;
        bytes.clear();
        return art;
    };
    // Opened without waiting: opening a named pipe would otherwise block until some writer comes.
    const int fd = ::open(QFile::encodeName(dateiname).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fehler(TLesefehler::NichtGeoeffnet, qt_error_string(errno));
    struct stat s;
    const bool gelesen = ::fstat(fd, &s) == 0;
    if (!gelesen || !S_ISREG(s.st_mode)) {
        const QString text = gelesen ? keineDateiGrund(s.st_mode) : qt_error_string(errno);
        ::close(fd);
        return fehler(TLesefehler::NichtGeoeffnet, text);
    }
    if (stand)
        *stand = standAus(s);
    QFile datei;
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fehler(TLesefehler::NichtGeoeffnet, datei.errorString());
    }
    char puffer[64 * 1024];
    while (bytes.size() <= hoechstens) {
        const qint64 gelesen = datei.read(puffer, sizeof puffer);
        if (gelesen < 0)
            return fehler(TLesefehler::NichtGeoeffnet, datei.errorString());
        if (gelesen == 0)
            return TLesefehler::Keiner;
        bytes.append(puffer, gelesen);
    }
    return fehler(TLesefehler::ZuGross, QString());
}

QString DateiLesen(const QString& dateiname, QByteArray& bytes, qint64 hoechstens, TDateiStand* stand)
{
    QString grund;
    switch (DateiBegrenztLesen(dateiname, bytes, &grund, hoechstens, stand)) {
    case TLesefehler::Keiner:
        return QString();
    case TLesefehler::NichtGeoeffnet:
        return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(Anzeigename(dateiname), Satz(grund));
    case TLesefehler::ZuGross:
        break;
    }
    return QStringLiteral("Die Datei %1 ist zu groß (mehr als %2 MB).")
        .arg(Anzeigename(dateiname))
        .arg(hoechstens / (1024 * 1024));
}

QString Satz(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.endsWith(QLatin1Char('.')) || t.endsWith(QLatin1Char('!')) || t.endsWith(QLatin1Char('?')))
        return t;
    return t + QLatin1Char('.');
}

QString OrdnerVon(const QString& dateiname)
{
    return QDir::toNativeSeparators(QFileInfo(dateiname).absolutePath() + QLatin1Char('/'));
}

QString Standardordner(QStandardPaths::StandardLocation art)
{
    const QString ordner = QStandardPaths::writableLocation(art);
    return QFileInfo(ordner).isDir() ? ordner : QDir::homePath();
}

QString Anzeigename(const QString& dateiname)
{
    return QDir::toNativeSeparators(dateiname);
}

std::optional<TBomKodierung> BomKodierung(QByteArrayView bytes)
{
    static constexpr struct
    {
        QByteArrayView marke;
        QStringConverter::Encoding kodierung;
    } marken[] = {
        {"\xEF\xBB\xBF", QStringConverter::Utf8},
        {"\xFF\xFE", QStringConverter::Utf16LE},
        {"\xFE\xFF", QStringConverter::Utf16BE},
    };
    for (const auto& m : marken)
        if (bytes.startsWith(m.marke))
            return TBomKodierung{m.kodierung, m.marke.size()};
    return std::nullopt;
}

bool TextDekodieren(QStringConverter::Encoding kodierung, QByteArrayView bytes, QString& text)
{
    QStringDecoder dekodierer(kodierung, QStringConverter::Flag::Stateless);
    text = dekodierer.decode(bytes);
    return !dekodierer.hasError();
}

QString TextAusBytes(const QByteArray& bytes, QByteArray* marke)
{
    const std::optional<TBomKodierung> bom = BomKodierung(bytes);
    if (marke)
        *marke = bom ? bytes.first(bom->Laenge) : QByteArray();
    if (!bom)
        return Cp1252Dekodieren(bytes);
    // a damaged sequence is shown as the replacement character
    QString text;
    TextDekodieren(bom->Kodierung, QByteArrayView(bytes).sliced(bom->Laenge), text);
    return text;
}

QByteArray BytesAusText(const QString& text, const QByteArray& marke)
{
    const std::optional<TBomKodierung> bom = BomKodierung(marke);
    if (!bom || bom->Laenge != marke.size())
        return Cp1252Kodieren(text);
    QStringEncoder kodierer(bom->Kodierung, QStringConverter::Flag::Stateless);
    return marke + QByteArray(kodierer.encode(text));
}

QStringList InZeilen(const QString& text)
{
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype laenge = text.size();
    for (qsizetype i = 0; i < laenge; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        zeilen << text.mid(anfang, i - anfang);
        if (c == u'\r' && i + 1 < laenge && text[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < laenge)
        zeilen << text.mid(anfang);
    return zeilen;
}

QString TextdateiLesen(const QString& dateiname, QStringList& zeilen, qint64 hoechstens)
{
    QByteArray bytes;
    const QString fehler = DateiLesen(dateiname, bytes, hoechstens);
    if (fehler.isEmpty())
        zeilen = InZeilen(TextAusBytes(bytes));
    return fehler;
}
