#include "minutes/UProtokoll.h"

#include "distribution/UZeitplan.h"

#include "planning/UCodepage.h"
#include "planning/UDatei.h"
#include "planning/UFunctions.h"
#include "planning/UIni.h"
#include "planning/UVar.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

const QString Zeilenende = QStringLiteral("\r\n");

QString twips(double cm)
{
    return QString::asprintf("%.0f", cm * 1440.0 / 2.54);
}

enum TGeschlecht { Maennlich, Weiblich, Beide };

// The sex a salutation stands for; the combined form without MF or without a person.
TGeschlecht geschlecht(const TLehrer* person, bool mf)
{
    if (!mf || !person)
        return Beide;
    if (person->Anrede.compare(QLatin1String("Herr"), Qt::CaseInsensitive) == 0)
        return Maennlich;
    if (person->Anrede.compare(QLatin1String("Frau"), Qt::CaseInsensitive) == 0)
        return Weiblich;
    return Beide;
}

using TPhrasen = std::array<std::array<const char*, 3>, 5>; // case, then male / female / combined

const TPhrasen VorsitzPhrasen = {{
    {"Vorsitzender", "Vorsitzende", "Vorsitzende/r"},
    {"Der Vorsitzende", "Die Vorsitzende", "Der/Die Vorsitzende"},
    {"Des Vorsitzenden", "Der Vorsitzenden", "Des/Der Vorsitzenden"},
    {"Dem Vorsitzenden", "Der Vorsitzenden", "Dem/Der Vorsitzenden"},
    {"Den Vorsitzenden", "Die Vorsitzende", "Den/Die Vorsitzende/n"},
}};

const TPhrasen KlassenleitungPhrasen = {{
    {"Klassenleiter", "Klassenleiterin", "Klassenleiter/in"},
    {"Der Klassenleiter", "Die Klassenleiterin", "Der Klassenleiter/Die Klassenleiterin"},
    {"Des Klassenleiters", "Der Klassenleiterin", "Des Klassenleiters/Der Klassenleiterin"},
    {"Dem Klassenleiter", "Der Klassenleiterin", "Dem Klassenleiter/Der Klassenleiterin"},
    {"Den Klassenleiter", "Die Klassenleiterin", "Den Klassenleiter/Die Klassenleiterin"},
}};

// The phrase of the code's case; above 15 the first character becomes "d" (only the first:
// the second article of a combined phrase keeps its capital).
QString phrase(QString text, int code)
{
    if (code > 15 && !text.isEmpty())
        text[0] = u'd';
    return text;
}

QString phrase(const TPhrasen& phrasen, TGeschlecht g, int code)
{
    const int fall = code & 15;
    if (fall >= static_cast<int>(phrasen.size()))
        return QString();
    return phrase(QString::fromUtf8(phrasen[static_cast<std::size_t>(fall)][g]), code);
}

QString lehrerText(const QList<TLehrer*>& lehrer)
{
    QStringList teile;
    for (const TLehrer* l : lehrer)
        teile << RtfMaskieren(LehrerMitAnrede(l, false));
    return teile.join(QStringLiteral(", "));
}

QString elternText(const TMyList<TEltern>& eltern)
{
    QStringList teile;
    for (const TEltern* e : eltern)
        teile << RtfMaskieren(ElternMitAnrede(e, false));
    return teile.join(QStringLiteral(", "));
}

struct TErsetzung
{
    QString Alt;
    QString Neu;
};

// The replacements of a class in their order.
QList<TErsetzung> ersetzungen(const TKlasse& k, bool mf, const TTermin* termin)
{
    const auto vorsitz = [&](int code) { return VorsitzBezeichnung(k, mf, code); };
    const auto leitung = [&](int code) { return KlassenleitungBezeichnung(k, mf, code); };
    QList<TErsetzung> liste = {
        {QStringLiteral("<Halbjahr>"), HalbjahrText(k.Konferenzdatum)},
        {QStringLiteral("<Klasse>"), RtfMaskieren(k.Bezeichnung)},
        {QStringLiteral("<Datum>"), k.Konferenzdatum == 0.0 ? QString(15, u'_') : RtfMaskieren(DatumText(k.Konferenzdatum))},
        {QStringLiteral("<Beginn>"), termin ? UhrzeitText(termin->Beginn) + QStringLiteral(" Uhr") : QString()},
        {QStringLiteral("<Raum>"), termin ? RtfMaskieren(termin->Raum) : QString()},
        {QStringLiteral("Vorsitzende/r"), RtfMaskieren(vorsitz(0))},
        {QStringLiteral("<Vorsitz>"), RtfMaskieren(LehrerMitAnrede(k.Vorsitz, false))},
        {QStringLiteral("Klassenleiter/in"), RtfMaskieren(leitung(0))},
        {QStringLiteral("<Klassenleitung>"), lehrerText(k.K_Leitung)},
        {QStringLiteral("<Eltern>"), elternText(k.Elternvertreter)},
        {QStringLiteral("<Fachlehrer>"), lehrerText(k.Unterrichtende)},
    };
    if (!mf)
        return liste;
    // the phrases hold letters and "/" only: inserted as they are
    const struct
    {
        const char* Alt;
        bool Vorsitz;
        int Code;
    } phrasen[] = {
        {"Der/Die Vorsitzende", true, 1},
        {"der/die Vorsitzende", true, 17},
        {"Des/Der Vorsitzenden", true, 2},
        {"des/der Vorsitzenden", true, 18},
        {"Dem/Der Vorsitzenden", true, 3},
        {"dem/der Vorsitzenden", true, 19},
        {"Den Vorsitzenden/Die Vorsitzende", true, 4},
        {"den Vorsitzenden/die Vorsitzende", true, 20},
        {"Der Klassenleiter/Die Klassenleiterin", false, 1},
        {"der Klassenleiter/die Klassenleiterin", false, 17},
        {"Des Klassenleiters/Der Klassenleiterin", false, 2},
        {"des Klassenleiters/der Klassenleiterin", false, 18},
        {"Dem Klassenleiter/Der Klassenleiterin", false, 3},
        {"dem Klassenleiter/der Klassenleiterin", false, 19},
        {"Den Klassenleiter/Die Klassenleiterin", false, 4},
    };
    for (const auto& p : phrasen)
        liste.append({QString::fromUtf8(p.Alt), p.Vorsitz ? vorsitz(p.Code) : leitung(p.Code)});
    return liste;
}

} // namespace

TProtokollSchrift ProtokollSchriftLesen(const TIniDatei& ini)
{
    const QString abschnitt = QStringLiteral("Font");
    TProtokollSchrift schrift;
    schrift.Name = ini.ReadString(abschnitt, QStringLiteral("name"), schrift.Name);
    // \fs counts half points in an int: a size beyond what any word processor offers would overflow
    schrift.Groesse = std::clamp(ini.ReadInteger(abschnitt, QStringLiteral("size"), schrift.Groesse), 1, 144);
    schrift.Stil = SchriftstilLesen(ini);
    return schrift;
}

TProtokollSchrift EingestellteSchrift()
{
    return {Schriftname, Schriftgroesse, Schriftstil, Einzug, Erstzeile, Tabstopp};
}

QString RtfTabstopp(double tabstopp)
{
    return QStringLiteral("\\tx") + twips(tabstopp);
}

QString RtfEinzug(double einzug, double erstzeile)
{
    if (einzug == 0.0 && erstzeile == 0.0)
        return QString();
    return QStringLiteral("\\li") + twips(einzug);
}

QString RtfErstzeile(double einzug, double erstzeile)
{
    if (einzug == 0.0 && erstzeile == 0.0)
        return QString();
    return QStringLiteral("\\pard\\fi") + twips(erstzeile - einzug);
}

QString RtfStilAn(int stil)
{
    QString text;
    if (stil & StilFett)
        text += QStringLiteral("\\b");
    if (stil & StilKursiv)
        text += QStringLiteral("\\i");
    if (stil & StilUnterstrichen)
        text += QStringLiteral("\\ul");
    return text;
}

QString RtfStilAus(int stil)
{
    QString text;
    if (stil & StilUnterstrichen)
        text += QStringLiteral("\\ulnone");
    if (stil & StilKursiv)
        text += QStringLiteral("\\i0");
    if (stil & StilFett)
        text += QStringLiteral("\\b0");
    return text;
}

QString VorsitzBezeichnung(const TKlasse& klasse, bool mf, int code)
{
    return phrase(VorsitzPhrasen, geschlecht(klasse.Vorsitz, mf), code);
}

QString KlassenleitungBezeichnung(const TKlasse& klasse, bool mf, int code)
{
    if ((code & 15) == 0 && klasse.K_Leitung.size() >= 2)
        return phrase(QStringLiteral("Klassenleitung"), code);
    const TLehrer* erster = klasse.K_Leitung.isEmpty() ? nullptr : klasse.K_Leitung.first();
    return phrase(KlassenleitungPhrasen, geschlecht(erster, mf), code);
}

QStringList Standardvorlage(const TProtokollSchrift& s)
{
    const QString F = RtfMaskieren(s.Name);
    const QString S = QString::number(2 * s.Groesse);
    const QString ON = RtfStilAn(s.Stil);
    const QString OFF = RtfStilAus(s.Stil);
    const QString FI = RtfErstzeile(s.Einzug, s.Erstzeile);
    const QString LI = RtfEinzug(s.Einzug, s.Erstzeile);
    const QString TX = RtfTabstopp(s.Tabstopp);
    const QString name = QStringLiteral(":\\tab\\fs") + S + ON + QStringLiteral("\\f1 ");
    return {
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fcharset0 Calibri;{\\f1\\fnil\\fcharset0 ") + F +
            QStringLiteral(";}}}\\viewkind4\\uc1") + Zeilenende,
        QStringLiteral("\\pard\\ltrpar\\sa200\\sl276\\slmult1\\qc\\lang1031\\ul\\b\\f0\\fs32 N i e d e r s c h r i f t"),
        QStringLiteral("\\par \\ulnone\\b0\\fs22 ") + RtfMaskieren(QStringLiteral("über die Zeugniskonferenz ")) +
            QStringLiteral("(<Halbjahr>) der Klasse \\b <Klasse>\\b0") + Zeilenende,
        QStringLiteral("\\par Datum: <Datum>") + Zeilenende + QStringLiteral("\\par \\pard\\sl360\\ltrpar\\sl360\\slmult1\\ul\\b "),
        QStringLiteral("Anwesende:"),
        QStringLiteral("\\par ") + FI + LI + TX + QStringLiteral("\\sl360\\ulnone\\b0 Vorsitzende/r") + name +
            QStringLiteral("<Vorsitz>") + OFF,
        QStringLiteral("\\par \\f0\\fs22 Klassenleiter/in") + name,
        QStringLiteral("<Klassenleitung>") + OFF,
        QStringLiteral("\\par \\f0\\fs22 Elternvertreter/in") + name,
        QStringLiteral("<Eltern>") + OFF + Zeilenende + QStringLiteral("\\par \\f0\\fs22 Fachlehrer/in") + name,
        QStringLiteral("<Fachlehrer>") + OFF + Zeilenende + QStringLiteral("\\par \\fi0\\li0\\ulnone\\b0\\i0\\f0\\fs22\\par \\pard\\ltrpar "),
        QStringLiteral("Beginn der Konferenz: ________ Uhr ") + Zeilenende + QStringLiteral("\\par\\par "),
        RtfMaskieren(QStringLiteral("Der/Die Vorsitzende stellt fest, dass die Konferenz ordnungsgemäß einberufen worden "
                                    "ist und beschlussfähig ist.")) +
            Zeilenende + QStringLiteral("}"),
    };
}

TVorlage VorlageLaden(const QString& datei, const TProtokollSchrift& schrift)
{
    TVorlage vorlage;
    if (!datei.isEmpty() && QFileInfo(datei).isFile()) {
        vorlage.Datei = datei;
        vorlage.Fehler = TextdateiLesen(datei, vorlage.Zeilen, HoechsteVorlagengroesse);
        return vorlage;
    }
    vorlage.Zeilen = Standardvorlage(schrift);
    return vorlage;
}

QString VorlageAusEinstellung(const QString& einstellung, const QString& programmpfad)
{
    if (einstellung.isEmpty())
        return QString();
    const QString datei = QDir::cleanPath(QDir(programmpfad).absoluteFilePath(einstellung));
    return QFileInfo(datei).isFile() ? datei : QString();
}

QByteArray VorlageBytes(const QStringList& zeilen)
{
    QByteArray bytes;
    for (const QString& zeile : zeilen)
        bytes += Cp1252Kodieren(zeile + Zeilenende);
    return bytes;
}

QStringList ProtokollZeilen(const QStringList& vorlage, const TKlasse& klasse, bool mf, const TTermin* termin,
                            bool* zuGross)
{
    const QList<TErsetzung> liste = ersetzungen(klasse, mf, termin);
    QStringList zeilen = vorlage;
    // the length of the text is known before each replacement is made
    qsizetype laenge = 0;
    for (const QString& zeile : zeilen)
        laenge += zeile.size() + Zeilenende.size();
    if (zuGross)
        *zuGross = false;
    for (QString& zeile : zeilen)
        for (const TErsetzung& e : liste) {
            const qsizetype anzahl = e.Alt.isEmpty() ? 0 : zeile.count(e.Alt);
            if (anzahl == 0)
                continue;
            laenge += anzahl * (e.Neu.size() - e.Alt.size());
            if (laenge > HoechsteTextgroesse) {
                if (zuGross)
                    *zuGross = true;
                return {};
            }
            zeile.replace(e.Alt, e.Neu); // every occurrence, inserted text is not searched again
        }
    return zeilen;
}

QByteArray ProtokollTextSchreiben(const TKlasse& klasse, const QStringList& vorlage, bool mf, const TTermin* termin,
                                  QString* fehler)
{
    bool zuGross = false;
    const QStringList zeilen = ProtokollZeilen(vorlage, klasse, mf, termin, &zuGross);
    if (fehler)
        *fehler = zuGross ? QStringLiteral("Der Text der Klasse \"%1\" würde größer als %2 MB: Die Vorlage wiederholt "
                                           "ihre Platzhalter zu oft.")
                                .arg(klasse.Bezeichnung)
                                .arg(HoechsteTextgroesse / (1024 * 1024))
                          : QString();
    return VorlageBytes(zeilen);
}
