#include "planning/UDatei.h"

#include "planning/UCodepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

TSchreibfehler DateiSicherSchreiben(const QString& dateiname, const QByteArray& bytes, QString* grund)
{
    QSaveFile datei(dateiname);
    const auto fehler = [&](TSchreibfehler art) {
        if (grund)
            *grund = datei.errorString();
        return art;
    };
    if (!datei.open(QIODevice::WriteOnly))
        return fehler(TSchreibfehler::NichtErstellt);
    // commit() does not notice when flushing its buffer writes only part of it, so the
    // buffer is flushed and checked first; without a commit the temporary file is discarded.
    if (datei.write(bytes) != bytes.size() || !datei.flush() || !datei.commit())
        return fehler(TSchreibfehler::Abgebrochen);
    return TSchreibfehler::Keiner;
}

QString DateiSchreiben(const QString& dateiname, const QByteArray& bytes)
{
    QString grund;
    if (DateiSicherSchreiben(dateiname, bytes, &grund) == TSchreibfehler::Keiner)
        return QString();
    return NichtErstelltMeldung(dateiname, grund);
}

QString NichtErstelltMeldung(const QString& dateiname, const QString& grund)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(Anzeigename(dateiname), Satz(grund));
}

TLesefehler DateiBegrenztLesen(const QString& dateiname, QByteArray& bytes, QString* grund, qint64 hoechstens)
{
    bytes.clear();
    QFile datei(dateiname);
    const auto fehler = [&](TLesefehler art) {
        if (grund)
            *grund = datei.errorString();
        bytes.clear();
        return art;
    };
    if (!datei.open(QIODevice::ReadOnly))
        return fehler(TLesefehler::NichtGeoeffnet);
    char puffer[64 * 1024];
    while (bytes.size() <= hoechstens) {
        const qint64 gelesen = datei.read(puffer, sizeof puffer);
        if (gelesen < 0)
            return fehler(TLesefehler::NichtGeoeffnet);
        if (gelesen == 0)
            return TLesefehler::Keiner;
        bytes.append(puffer, gelesen);
    }
    return fehler(TLesefehler::ZuGross);
}

QString DateiLesen(const QString& dateiname, QByteArray& bytes, qint64 hoechstens)
{
    QString grund;
    switch (DateiBegrenztLesen(dateiname, bytes, &grund, hoechstens)) {
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
