#include "planning/UIni.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UVar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString IniDateiname;
std::unique_ptr<TIniDatei> Ini;

namespace {

constexpr qsizetype maxWertLaenge = 2047;

QString abschnittName(const QString& zeile)
{
    const QString t = zeile.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool istAbschnitt(const QString& zeile)
{
    const QString t = zeile.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

// Splits "key=value" into its parts; false for lines that hold no key.
bool schluesselZeile(const QString& zeile, QString& schluessel, QString& wert)
{
    const QString t = zeile.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || istAbschnitt(t))
        return false;
    const qsizetype gleich = t.indexOf(QLatin1Char('='));
    if (gleich < 0)
        return false;
    schluessel = t.left(gleich).trimmed();
    wert = t.mid(gleich + 1);
    return true;
}

bool gleichOhneGross(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString wertBereinigen(QString wert)
{
    wert = wert.trimmed();
    if (wert.size() >= 2) {
        const QChar q = wert.front();
        if ((q == u'"' || q == u'\'') && wert.back() == q)
            wert = wert.mid(1, wert.size() - 2);
    }
    return wert.left(maxWertLaenge);
}

bool ganzzahlLesen(const QString& text, int& zahl)
{
    bool ok = false;
    qint64 wert = 0;
    QString t = text;
    bool negativ = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negativ = t.front() == u'-';
        t.remove(0, 1);
    }
    if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        wert = t.mid(2).toLongLong(&ok, 16);
    else if (!t.isEmpty() && t.front().isDigit())
        wert = t.toLongLong(&ok, 10);
    if (!ok)
        return false;
    if (negativ)
        wert = -wert;
    if (wert < std::numeric_limits<qint32>::min() || wert > std::numeric_limits<qint32>::max())
        return false;
    zahl = static_cast<int>(wert);
    return true;
}

} // namespace

TIniDatei::TIniDatei(QString dateiname) : dateiname_(std::move(dateiname)) {}

QStringList TIniDatei::zeilenLesen(bool* crlf) const
{
    QFile datei(dateiname_);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = datei.readAll();
    if (crlf)
        *crlf = bytes.isEmpty() || bytes.contains("\r\n");
    QStringList zeilen = Cp1252Dekodieren(bytes).split(QLatin1Char('\n'));
    for (QString& zeile : zeilen)
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
    if (!zeilen.isEmpty() && zeilen.back().isEmpty())
        zeilen.removeLast(); // the line end after the last line
    return zeilen;
}

QString TIniDatei::ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const
{
    bool imAbschnitt = false;
    for (const QString& zeile : zeilenLesen()) {
        if (istAbschnitt(zeile)) {
            imAbschnitt = gleichOhneGross(abschnittName(zeile), abschnitt);
            continue;
        }
        QString k, w;
        if (imAbschnitt && schluesselZeile(zeile, k, w) && gleichOhneGross(k, schluessel))
            return wertBereinigen(w);
    }
    return vorgabe;
}

int TIniDatei::ReadInteger(const QString& abschnitt, const QString& schluessel, int vorgabe) const
{
    int zahl = vorgabe;
    return ganzzahlLesen(ReadString(abschnitt, schluessel, QString()), zahl) ? zahl : vorgabe;
}

bool TIniDatei::ReadBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const
{
    return ReadInteger(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

void TIniDatei::WriteString(const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    bool crlf = true;
    QStringList zeilen = zeilenLesen(&crlf);
    const QString neueZeile = schluessel + QLatin1Char('=') + wert;

    qsizetype abschnittsEnde = -1; // index behind the last key line of the section
    bool imAbschnitt = false;
    bool erledigt = false;
    for (qsizetype i = 0; i < zeilen.size() && !erledigt; ++i) {
        if (istAbschnitt(zeilen[i])) {
            if (imAbschnitt)
                break;
            imAbschnitt = gleichOhneGross(abschnittName(zeilen[i]), abschnitt);
            if (imAbschnitt)
                abschnittsEnde = i + 1;
            continue;
        }
        if (!imAbschnitt)
            continue;
        QString k, w;
        if (schluesselZeile(zeilen[i], k, w) && gleichOhneGross(k, schluessel)) {
            zeilen[i] = k + QLatin1Char('=') + wert;
            erledigt = true;
        } else if (!zeilen[i].trimmed().isEmpty()) {
            abschnittsEnde = i + 1;
        }
    }
    if (!erledigt) {
        if (abschnittsEnde >= 0) {
            zeilen.insert(abschnittsEnde, neueZeile);
        } else {
            if (!zeilen.isEmpty() && !zeilen.back().trimmed().isEmpty())
                zeilen << QString();
            zeilen << QLatin1Char('[') + abschnitt + QLatin1Char(']') << neueZeile;
        }
    }

    const QString ende = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QByteArray bytes = Cp1252Kodieren(zeilen.join(ende) + ende);
    QDir().mkpath(QFileInfo(dateiname_).absolutePath());
    if (DateiSicherSchreiben(dateiname_, bytes) != TSchreibfehler::Keiner)
        throw TFehler(QStringLiteral("In %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(dateiname_)));
}

void TIniDatei::WriteInteger(const QString& abschnitt, const QString& schluessel, int wert)
{
    WriteString(abschnitt, schluessel, QString::number(wert));
}

void TIniDatei::WriteBool(const QString& abschnitt, const QString& schluessel, bool wert)
{
    WriteString(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

int SchriftstilAusText(const QString& stil)
{
    int bits = 0;
    if (stil.contains(QLatin1Char('b')))
        bits |= StilFett;
    if (stil.contains(QLatin1Char('i')))
        bits |= StilKursiv;
    if (stil.contains(QLatin1Char('u')))
        bits |= StilUnterstrichen;
    return bits;
}

int SchriftstilLesen(const TIniDatei& ini)
{
    return SchriftstilAusText(ini.ReadString(QStringLiteral("Font"), QStringLiteral("style"), QString()));
}

QString InstallierterDatenordner(const QString& programmpfad)
{
    const QFileInfo daten(QDir(programmpfad).filePath(QStringLiteral(SIMULTANO_DATENORDNER)));
    return daten.isDir() ? QDir::cleanPath(daten.absoluteFilePath()) + QLatin1Char('/') : QString();
}

QString IniDateinameWaehlen(const QString& programmpfad, const QString& konfigurationsordner)
{
    QString beimProgramm = programmpfad;
    if (!beimProgramm.endsWith(QLatin1Char('/')))
        beimProgramm += QLatin1Char('/');
    beimProgramm += QStringLiteral("Simultano.ini");
    // An installed program shares its folder with every other program: settings go to the user.
    const bool installiert = !InstallierterDatenordner(programmpfad).isEmpty();
    if (!installiert && (QFileInfo::exists(beimProgramm) || QFileInfo(programmpfad).isWritable()))
        return beimProgramm;
    return QDir(konfigurationsordner).filePath(QStringLiteral("Simultano.ini"));
}

void PfadeErmitteln()
{
    Programmpfad = QCoreApplication::applicationDirPath();
    if (!Programmpfad.endsWith(QLatin1Char('/')))
        Programmpfad += QLatin1Char('/');
    IniDateiname = IniDateinameWaehlen(
        Programmpfad, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Simultano"));
}
