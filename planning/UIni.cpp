#include "planning/UIni.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UVar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <limits>

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

bool nurZiffern(QStringView text, int basis)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [basis](QChar c) {
        return (c >= u'0' && c <= u'9')
               || (basis == 16 && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')));
    });
}

// An optional sign, then decimal digits or 0x and hexadecimal digits, nothing else.
bool ganzzahlLesen(const QString& text, int& zahl)
{
    QStringView t(text);
    bool negativ = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negativ = t.front() == u'-';
        t = t.sliced(1);
    }
    int basis = 10;
    if (t.startsWith(u"0x", Qt::CaseInsensitive)) {
        basis = 16;
        t = t.sliced(2);
    }
    bool ok = false;
    const qint64 wert = nurZiffern(t, basis) ? t.toLongLong(&ok, basis) : 0;
    const qint64 mitVorzeichen = negativ ? -wert : wert;
    if (!ok || mitVorzeichen < std::numeric_limits<qint32>::min() || mitVorzeichen > std::numeric_limits<qint32>::max())
        return false;
    zahl = static_cast<int>(mitVorzeichen);
    return true;
}

// The line end of the file's first line: CR LF, LF or CR. A run of CRs before an LF counts
// as CR LF. CR LF for a file without line ends.
QString zeilenendeErkennen(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return QStringLiteral("\n");
        if (text[i] == u'\r') {
            while (i < text.size() && text[i] == u'\r')
                ++i;
            return i < text.size() && text[i] == u'\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
        }
    }
    return QStringLiteral("\r\n");
}

// A line break or NUL would end the line early and start lines of its own in the file.
bool einzeilig(const QString& text)
{
    return !text.contains(u'\r') && !text.contains(u'\n') && !text.contains(QChar(u'\0'));
}

} // namespace

TIniDatei::TIniDatei(QString dateiname) : dateiname_(std::move(dateiname)) {}

const TIniDatei::TText& TIniDatei::textLesen() const
{
    // A file changed within the last seconds may change again within the same tick of the
    // file system's clock without a trace in its state: only an older one is taken as known.
    const TDateiStand stand = DateiStand(dateiname_);
    if (stand.Vorhanden && stand == text_.Stand && !text_.Frisch)
        return text_;
    text_ = TText();
    constexpr qint64 frischNs = 2'000'000'000;
    text_.Frisch = QDateTime::currentMSecsSinceEpoch() * 1'000'000 - stand.Geaendert < frischNs;
    QByteArray bytes;
    ++lesungen_;
    switch (DateiBegrenztLesen(dateiname_, bytes, nullptr, HoechsteDateigroesse, &text_.Stand)) {
    case TLesefehler::Keiner:
        break;
    case TLesefehler::NichtGeoeffnet:
        text_.Stand = stand; // an unreadable file gives the defaults and is written anew
        return text_;
    case TLesefehler::ZuGross:
        text_.Stand = TDateiStand();
        text_.ZuGross = true;
        return text_;
    }
    const QString inhalt = TextAusBytes(bytes, &text_.Marke);
    text_.Zeilen = InZeilen(inhalt);
    text_.Zeilenende = zeilenendeErkennen(inhalt);
    return text_;
}

QString TIniDatei::ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const
{
    bool imAbschnitt = false;
    for (const QString& zeile : textLesen().Zeilen) {
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
    // such a value is refused, not escaped: no reader of INI files would turn it back
    if (!einzeilig(abschnitt) || !einzeilig(schluessel) || !einzeilig(wert))
        throw TFehler(QStringLiteral("In %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(dateiname_)));
    // another program's write in between: its keys stay, this key is set in its file
    for (int versuch = 0; versuch < 5; ++versuch)
        if (schreibversuch(abschnitt, schluessel, wert))
            return;
    throw TFehler(QStringLiteral("In %1 kann nicht geschrieben werden. %2")
                      .arg(QDir::toNativeSeparators(dateiname_), GeaendertMeldung()));
}

bool TIniDatei::schreibversuch(const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    const auto fehler = [this] {
        return TFehler(QStringLiteral("In %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(dateiname_)));
    };
    TText text = textLesen();
    if (text.ZuGross)
        throw fehler(); // written anew, it would lose every other line
    QStringList& zeilen = text.Zeilen;
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

    const QString inhalt = zeilen.join(text.Zeilenende) + text.Zeilenende;
    // Windows-1252 stays as long as it holds every character
    if (!text.Stand.Vorhanden || (text.Marke.isEmpty() && !Cp1252Darstellbar(inhalt)))
        text.Marke = QByteArrayLiteral("\xEF\xBB\xBF");
    QDir().mkpath(QFileInfo(dateiname_).absolutePath());
    switch (DateiSicherSchreiben(dateiname_, BytesAusText(inhalt, text.Marke), nullptr, &text.Stand)) {
    case TSchreibfehler::Keiner:
        return true;
    case TSchreibfehler::Geaendert:
        return false;
    case TSchreibfehler::NichtErstellt:
    case TSchreibfehler::Abgebrochen:
        break;
    }
    throw fehler();
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
