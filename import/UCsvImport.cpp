#include "import/UCsvImport.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFunctions.h"

#include <algorithm>

namespace {

// The second characters of ü, ö, ä, Ü, Ö, Ä and ß when their UTF-8 bytes are read as
// Windows-1252; the first one is always Ã (U+00C3).
constexpr char16_t Utf8Folgezeichen[] = {0x00BC, 0x00B6, 0x00A4, 0x0153, 0x2013, 0x201E, 0x0178};

bool hatUtf8Marke(const QString& zeile)
{
    for (qsizetype i = 0; i + 1 < zeile.size(); ++i)
        if (zeile[i].unicode() == 0x00C3 && std::ranges::count(Utf8Folgezeichen, zeile[i + 1].unicode()) > 0)
            return true;
    return false;
}

constexpr char16_t DosUe = 0x0081; // ü of code page 850/437 read as Windows-1252

struct TErsatz
{
    char16_t von;
    char16_t nach;
};

// DOS letters as Windows-1252 shows them, replaced in this order.
constexpr TErsatz DosTabelle[] = {
    {DosUe, u'ü'},  {0x201A, u'é'}, {0x2021, u'ç'}, {0x201E, u'ä'}, {0x017D, u'Ä'},
    {0x201D, u'ö'}, {0x2122, u'Ö'}, {0x0161, u'Ü'}, {0x00E1, u'ß'},
};

// The line's Windows-1252 bytes read as UTF-8. A line that has no such bytes (a character
// outside the code page) or whose bytes are no UTF-8 stays as it is: nothing is lost.
QString utf8Repariert(const QString& zeile)
{
    if (!Cp1252Darstellbar(zeile))
        return zeile;
    QString text;
    return TextDekodieren(QStringConverter::Utf8, Cp1252Kodieren(zeile), text) ? text : zeile;
}

bool istLeerOderDosEnde(const QString& zeile)
{
    return std::ranges::all_of(zeile, [](QChar c) { return c.unicode() == 0x1A; });
}

bool istKandidat(QChar c)
{
    return Trennzeichenkandidaten.contains(c);
}

bool istSteuerOderLeer(QChar c)
{
    return c.unicode() <= 32;
}

QStringView ohneRand(QStringView text)
{
    while (!text.isEmpty() && istSteuerOderLeer(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && istSteuerOderLeer(text.back()))
        text.chop(1);
    return text;
}

const QString Herr = QStringLiteral("Herr");
const QString Frau = QStringLiteral("Frau");

QString anredeZuordnen(const QString& anrede, const TLehrerImport& lauf)
{
    const QString geschlecht = AnredeAusGeschlecht(anrede);
    if (!geschlecht.isEmpty())
        return geschlecht;
    if (!lauf.Wahrheitswert.isEmpty() && !lauf.WahrAnrede.isEmpty()) {
        if (anrede == lauf.Wahrheitswert)
            return lauf.WahrAnrede;
        return lauf.WahrAnrede == Herr ? Frau : Herr;
    }
    return anrede;
}

} // namespace

TReparatur ReparaturErkennen(const QStringList& zeilen)
{
    for (const QString& zeile : zeilen) {
        if (hatUtf8Marke(zeile))
            return TReparatur::Utf8;
        if (zeile.contains(QChar(DosUe)))
            return TReparatur::Dos;
    }
    return TReparatur::Keine;
}

TReparatur ZeichensatzReparieren(QStringList& zeilen)
{
    const TReparatur reparatur = ReparaturErkennen(zeilen);
    for (QString& zeile : zeilen)
        switch (reparatur) {
        case TReparatur::Utf8:
            zeile = utf8Repariert(zeile);
            break;
        case TReparatur::Dos:
            for (const TErsatz& e : DosTabelle)
                zeile.replace(QChar(e.von), QChar(e.nach));
            break;
        case TReparatur::Keine:
            break;
        }
    return reparatur;
}

TTrennung TrennzeichenSuchen(QStringList& zeilen)
{
    TTrennung trennung;
    if (zeilen.isEmpty())
        return trennung;
    const QString erste = zeilen.first();
    if ((erste.size() == 1 || erste.size() == 2) && std::ranges::all_of(erste, istKandidat)) {
        trennung.Trennzeichen = erste[0];
        trennung.TrennzeichenGefunden = true;
        if (erste.size() == 2) {
            trennung.Satztrennung = erste[1];
            trennung.SatztrennungGefunden = true;
        }
        zeilen.removeFirst();
        return trennung;
    }
    for (const QChar kandidat : Trennzeichenkandidaten)
        if (erste.contains(kandidat)) {
            trennung.Trennzeichen = kandidat;
            trennung.TrennzeichenGefunden = true;
            break;
        }
    return trennung;
}

void FeldHinzu(QStringList& felder, const QString& feld)
{
    QStringView text(feld);
    if (text.size() > 1) {
        if (text.startsWith(u'"'))
            text = text.sliced(1);
        if (text.endsWith(u'"'))
            text.chop(1);
    }
    // a control character inside a field (NUL above all) would end an abbreviation early
    // wherever it is written; a tab is a blank there. Dropped before the ends are trimmed, so
    // that a control character in front of a blank leaves no blank at the field's start.
    QString sauber;
    sauber.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t')
            sauber += u' ';
        else if (c.category() != QChar::Other_Control)
            sauber += c;
    }
    felder << ohneRand(sauber).toString();
}

QStringList ZeileZerlegen(const QString& zeile, const TTrennung& trennung)
{
    QStringView rest(zeile);
    if (trennung.SatztrennungGefunden && rest.endsWith(trennung.Satztrennung))
        rest.chop(1);
    QStringList felder;
    bool inAnfuehrung = false;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (c == u'"')
            inAnfuehrung = !inAnfuehrung;
        else if (c == trennung.Trennzeichen && trennung.TrennzeichenGefunden && !inAnfuehrung) {
            FeldHinzu(felder, rest.sliced(anfang, i - anfang).toString());
            anfang = i + 1;
        }
    }
    FeldHinzu(felder, rest.sliced(anfang).toString());
    return felder;
}

qsizetype TCsvListe::Anzahl() const
{
    return (ohneFeldnamen && !Kopf.isEmpty() ? 1 : 0) + Zeilen.size();
}

const QStringList& TCsvListe::Datensatz(qsizetype i) const
{
    const qsizetype ersteZeile = Anzahl() - Zeilen.size(); // 1 when the first line is a record
    return i < ersteZeile ? Kopf : Zeilen.at(i - ersteZeile);
}

QList<QStringList> TCsvListe::Datensaetze() const
{
    QList<QStringList> datensaetze;
    datensaetze.reserve(Anzahl());
    for (qsizetype i = 0; i < Anzahl(); ++i)
        datensaetze << Datensatz(i);
    return datensaetze;
}

TCsvListe CsvAusZeilen(QStringList zeilen)
{
    TCsvListe liste;
    zeilen.removeIf(istLeerOderDosEnde);
    ZeichensatzReparieren(zeilen);
    liste.Trennung = TrennzeichenSuchen(zeilen);
    // A file of nothing but the separator line is an empty file.
    if (zeilen.isEmpty())
        return liste;
    liste.Kopf = ZeileZerlegen(zeilen.first(), liste.Trennung);
    liste.mitLeerstring = liste.Kopf.contains(QString());
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        QStringList felder = ZeileZerlegen(zeilen[i], liste.Trennung);
        if (std::ranges::any_of(felder, [](const QString& feld) { return !feld.isEmpty(); }))
            liste.Zeilen << std::move(felder);
    }
    liste.ohneFeldnamen = liste.mitLeerstring || liste.Zeilen.isEmpty();
    return liste;
}

std::optional<QStringConverter::Encoding> Utf16OhneMarke(QByteArrayView bytes)
{
    // Text in UTF-16 is mostly Latin letters: one byte of each pair is 0, and it is always the
    // same one. A Windows-1252 file holds no NUL at all.
    const qsizetype paare = std::min<qsizetype>(bytes.size() / 2, 4096);
    if (paare == 0 || BomKodierung(bytes))
        return std::nullopt;
    qsizetype nullVorn = 0, nullHinten = 0;
    for (qsizetype i = 0; i < paare; ++i) {
        nullVorn += bytes[2 * i] == '\0';
        nullHinten += bytes[2 * i + 1] == '\0';
    }
    if (2 * nullHinten >= paare && 10 * nullVorn < paare)
        return QStringConverter::Utf16LE;
    if (2 * nullVorn >= paare && 10 * nullHinten < paare)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

TCsvListe CsvAusBytes(const QByteArray& bytes)
{
    QString text;
    if (const std::optional<QStringConverter::Encoding> utf16 = Utf16OhneMarke(bytes))
        TextDekodieren(*utf16, bytes, text); // a damaged pair shows as the replacement character
    else
        text = TextAusBytes(bytes);
    return CsvAusZeilen(InZeilen(text));
}

QString CsvLesen(const QString& dateiname, TCsvListe& liste)
{
    QByteArray bytes;
    const QString fehler = DateiLesen(dateiname, bytes);
    liste = fehler.isEmpty() ? CsvAusBytes(bytes) : TCsvListe();
    return fehler;
}

QString FeldWert(const QStringList& datensatz, int feld)
{
    return feld >= 0 && feld < datensatz.size() ? datensatz[feld] : QString();
}

QString AnredeAusGeschlecht(const QString& wert)
{
    static const QStringList weiblich = {"w", "weiblich", "f", "female"};
    static const QStringList maennlich = {"m", QStringLiteral("männlich"), "maennlich", "male"};
    if (weiblich.contains(wert, Qt::CaseInsensitive))
        return Frau;
    if (maennlich.contains(wert, Qt::CaseInsensitive))
        return Herr;
    return QString();
}

QString WahrheitswertDerErstenZeile(const QList<QStringList>& datensaetze, int anredeFeld)
{
    if (datensaetze.isEmpty())
        return QString();
    const QString wert = FeldWert(datensaetze.first(), anredeFeld);
    if (!wert.isEmpty() && AnredeAusGeschlecht(wert).isEmpty() &&
        QStringLiteral("truefalsewahrfalsch-0-1").contains(wert.toLower()))
        return wert;
    return QString();
}

TLehrerImport::TLehrerImport(const TLehrerliste& liste)
{
    for (const TLehrer* lehrer : liste)
        Vergeben.insert(lehrer->Kuerzel);
}

TLehrer* LehrerAnlegen(TLehrerliste& liste, TLehrerImport& lauf, const QString& kuerzel, const QString& name,
                       const QString& anrede, int i)
{
    QString k = LeerzeichenBereinigen(kuerzel);
    if (k.isEmpty())
        k = QString::number(i);
    while (lauf.Vergeben.contains(k)) {
        ++lauf.Ersetzt;
        k = QStringLiteral("%1").arg(lauf.Ersetzt, 3, 10, QLatin1Char('0'));
    }
    lauf.Vergeben.insert(k);
    const QString n = ohneRand(LeerzeichenBereinigen(name)).toString();
    return liste.Add(std::make_unique<TLehrer>(k, n, anredeZuordnen(LeerzeichenBereinigen(anrede), lauf)));
}

TImportErgebnis LehrerImportieren(TLehrerliste& liste, const QList<QStringList>& datensaetze, const TWahl& wahl,
                                  const QString& wahrAnrede)
{
    TLehrerImport lauf(liste);
    lauf.Wahrheitswert = WahrheitswertDerErstenZeile(datensaetze, wahl[SlotAnrede]);
    lauf.WahrAnrede = wahrAnrede;
    TImportErgebnis ergebnis;
    for (int i = 0; i < datensaetze.size(); ++i) {
        const QStringList& datensatz = datensaetze[i];
        const QString name = FeldWert(datensatz, wahl[SlotName]);
        // rows without a name are left out but keep their place in the row index
        if (name.isEmpty())
            continue;
        LehrerAnlegen(liste, lauf, FeldWert(datensatz, wahl[SlotKuerzel]), name, FeldWert(datensatz, wahl[SlotAnrede]), i);
        ++ergebnis.Angelegt;
    }
    ergebnis.Ersetzt = lauf.Ersetzt;
    liste.Sort(LehrerVergleich);
    return ergebnis;
}
