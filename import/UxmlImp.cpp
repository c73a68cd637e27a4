#include "import/UxmlImp.h"

#include "import/UxmlImpBaum.h"
#include "planning/UDatei.h"
#include "planning/UFunctions.h"

#include <QHash>
#include <QSet>

#include <algorithm>

const QString MeldungNichtsGefunden =
    QStringLiteral("In der gewählten Datei wurden keine Lehrkräfte und keine Klassen gefunden.");
const QString MeldungTeilweiseZugeordnet =
    QStringLiteral("Lehrer und Klassen wurden vollständig importiert,\njedoch sind den Klassen noch nicht alle in ihnen\n"
                   "vertretenen Lehrkräfte zugeordnet.");
const QString MeldungOhneKlassenleitung =
    QStringLiteral("Die Datei nennt keine Klassenleitungen; die Klassen wurden ohne Klassenleitung übernommen.");

namespace {

constexpr QLatin1StringView LehrerPraefix("TR_");
constexpr QLatin1StringView KlassenPraefix("CL_");
// What the import reads: below the document element its sections ("teachers"), each record
// of a section whatever its name ("teacher"), and the fields of a record ("surname").
const TXmlAuswahl& untisAuswahl()
{
    static const TXmlAuswahl auswahl = XmlKnoten(
        u"*", {XmlKnoten(u"general", {XmlKnoten(u"schooltype"), XmlKnoten(u"schoolnumber")}),
               XmlKnoten(u"teachers", {XmlKnoten(u"*", {XmlKnoten(u"surname"), XmlKnoten(u"gender")})}),
               XmlKnoten(u"classes", {XmlKnoten(u"*", {XmlKnoten(u"class_teacher")})}),
               XmlKnoten(u"subjects", {XmlKnoten(u"*", {XmlKnoten(u"longname")})}),
               XmlKnoten(u"lessons", {XmlKnoten(u"*", {XmlKnoten(u"lesson_teacher"), XmlKnoten(u"lesson_subject"),
                                                       XmlKnoten(u"lesson_classes")})})});
    return auswahl;
}

QString ohnePraefix(QStringView id, QLatin1StringView praefix)
{
    return (id.startsWith(praefix) ? id.sliced(praefix.size()) : id).toString();
}

QString GeneralWert(const TXmlElement& wurzel, QStringView name)
{
    const TXmlElement* general = wurzel.Kind(u"general");
    return general ? general->KindText(name) : QString();
}

// The records of a section of the document ("teachers", "classes" ...); none when it is missing.
const std::vector<TXmlElement>& abschnitt(const TXmlElement& wurzel, QStringView name)
{
    static const std::vector<TXmlElement> keine;
    const TXmlElement* element = wurzel.Kind(name);
    return element ? element->Kinder : keine;
}

// Only an upper-case "M" makes a man; any other gender a woman; none no salutation.
QString anrede(const QString& geschlecht)
{
    if (geschlecht == QLatin1String("M"))
        return QStringLiteral("Herr");
    return geschlecht.isEmpty() ? QString() : QStringLiteral("Frau");
}

// The abbreviations of a class's class teachers, in the order of the file.
QStringList leitungsKuerzel(const TXmlElement& klasse)
{
    const TXmlElement* leitung = klasse.Kind(u"class_teacher");
    if (!leitung)
        return {};
    QStringList kuerzel = IdsTeilen(leitung->Attribut(u"id"), LehrerPraefix, true);
    kuerzel.removeAll(QString());
    return kuerzel;
}

// One import: the lists it builds and what it remembers on the way.
class TLauf
{
public:
    TLauf(const TXmlElement& wurzel, IImportFragen& fragen, TXmlImport& ergebnis)
        : wurzel(wurzel), fragen(fragen), ergebnis(ergebnis),
          lateinKorrektur(GeneralWert(wurzel, u"schoolnumber") == QLatin1String("0312947"))
    {
    }

    void LehrerLesen();
    void KlassenLesen(const TStufen& stufen);
    void UnterrichtLesen(const TStufen& stufen);

private:
    void zuordnen(TKlasse* klasse, TLehrer* lehrer);
    TLehrer* lehrerDerStunde(const TXmlElement& stunde) const;
    QString fachDerStunde(const TXmlElement& stunde) const;
    void langnamenLesen();
    bool zustimmen(const TLehrer& le, const QString& fa, const QStringList& kl);

    const TXmlElement& wurzel;
    IImportFragen& fragen;
    TXmlImport& ergebnis;
    const bool lateinKorrektur; // the school number is "0312947": "latein" becomes "Latein"
    QHash<QString, TLehrer*> lehrerNachKuerzel;
    QHash<QString, TKlasse*> klassenNachBezeichnung;
    QSet<std::pair<const TKlasse*, const TLehrer*>> zugeordnet;
    bool mitFaechern = false;          // the file lists subjects: lessons name them by long name
    QHash<QString, QString> langnamen; // subject id -> long name; the first subject of an id counts
    QSet<QString> ImmerJa, ImmerNein;  // subjects answered for good, case folded
    std::optional<bool> alleFaecher;   // the answer for every other subject, once it was given
    bool Abbruch = false;
};

void TLauf::LehrerLesen()
{
    for (const TXmlElement& kind : abschnitt(wurzel, u"teachers")) {
        const QString kuerzel = ohnePraefix(kind.Attribut(u"id"), LehrerPraefix);
        // Without an abbreviation or any data there is no teacher; of two with one
        // abbreviation the first counts.
        if (kuerzel.isEmpty() || !kind.HatInhalt || lehrerNachKuerzel.contains(kuerzel))
            continue;
        TLehrer* lehrer = ergebnis.Lehrer->Add(
            std::make_unique<TLehrer>(kuerzel, kind.KindText(u"surname"), anrede(kind.KindText(u"gender"))));
        lehrerNachKuerzel.insert(kuerzel, lehrer);
    }
    ergebnis.Lehrer->Sort(LehrerVergleich);
}

void TLauf::KlassenLesen(const TStufen& stufen)
{
    const std::vector<TXmlElement>& kinder = abschnitt(wurzel, u"classes");
    // Where the file names class teachers, a class without one is a group of no conference
    // of its own; some schools keep their class teachers elsewhere and name none at all.
    const bool mitLeitung =
        std::any_of(kinder.begin(), kinder.end(), [](const TXmlElement& k) { return !leitungsKuerzel(k).isEmpty(); });
    for (const TXmlElement& kind : kinder) {
        const QString bezeichnung = ohnePraefix(kind.Attribut(u"id"), KlassenPraefix);
        const QStringList leitung = leitungsKuerzel(kind);
        const int stufe = Klassenstufe(bezeichnung);
        if ((mitLeitung && leitung.isEmpty()) || stufe == 0 || stufe < stufen.Von || stufe > stufen.Bis ||
            klassenNachBezeichnung.contains(bezeichnung))
            continue;
        TKlasse* klasse = ergebnis.Klassen->Add(std::make_unique<TKlasse>(bezeichnung));
        klassenNachBezeichnung.insert(bezeichnung, klasse);
        QSet<const TLehrer*> leiter; // a long list of leaders is checked in constant time each
        for (const QString& kuerzel : leitung) {
            TLehrer* lehrer = lehrerNachKuerzel.value(kuerzel);
            if (lehrer && !leiter.contains(lehrer)) {
                leiter.insert(lehrer);
                klasse->K_Leitung << lehrer;
                zuordnen(klasse, lehrer);
            }
        }
    }
    if (!mitLeitung && !ergebnis.Klassen->IsEmpty())
        ergebnis.Hinweise << MeldungOhneKlassenleitung;
}

void TLauf::zuordnen(TKlasse* klasse, TLehrer* lehrer)
{
    if (zugeordnet.contains({klasse, lehrer}))
        return;
    zugeordnet.insert({klasse, lehrer});
    klasse->Unterrichtende << lehrer;
}

TLehrer* TLauf::lehrerDerStunde(const TXmlElement& stunde) const
{
    const TXmlElement* element = stunde.Kind(u"lesson_teacher");
    return element ? lehrerNachKuerzel.value(ohnePraefix(element->Attribut(u"id"), LehrerPraefix)) : nullptr;
}

void TLauf::langnamenLesen()
{
    const TXmlElement* faecher = wurzel.Kind(u"subjects");
    mitFaechern = faecher && faecher->HatInhalt;
    if (!mitFaechern)
        return;
    for (const TXmlElement& fach : faecher->Kinder) {
        const QString id = fach.Attribut(u"id");
        if (!langnamen.contains(id))
            langnamen.insert(id, fach.KindText(u"longname"));
    }
}

QString TLauf::fachDerStunde(const TXmlElement& stunde) const
{
    const TXmlElement* element = stunde.Kind(u"lesson_subject");
    if (!element)
        return QString();
    QString fach = element->Attribut(u"id");
    if (!mitFaechern)
        return fach;
    // most subjects of real exports have no long name: they keep their id
    const QString langname = langnamen.value(fach);
    if (!langname.isEmpty())
        fach = langname;
    if (lateinKorrektur && fach == QLatin1String("latein"))
        fach = QStringLiteral("Latein");
    return fach;
}

bool TLauf::zustimmen(const TLehrer& le, const QString& fa, const QStringList& kl)
{
    const QString schluessel = fa.toCaseFolded();
    if (ImmerNein.contains(schluessel))
        return false;
    if (ImmerJa.contains(schluessel))
        return true;
    // the answer for one subject goes before the one for all of them
    if (alleFaecher)
        return *alleFaecher;
    const TRueckfrage antwort = fragen.Mehrklassen(le, fa, kl);
    switch (antwort.Antwort) {
    case TMehrklassenAntwort::Ja:
    case TMehrklassenAntwort::Nein: {
        const bool ja = antwort.Antwort == TMehrklassenAntwort::Ja;
        if (antwort.Immer)
            (ja ? ImmerJa : ImmerNein).insert(schluessel);
        if (antwort.AlleFaecher)
            alleFaecher = ja;
        return ja;
    }
    case TMehrklassenAntwort::Abbrechen:
        break;
    }
    Abbruch = true;
    ergebnis.Hinweise << MeldungTeilweiseZugeordnet;
    return false;
}

// The designations of a lesson's classes inside the grade range, each once, in the order of
// the file.
QStringList klassenImBereich(const TXmlElement& klassenElement, const TStufen& stufen)
{
    QStringList kl;
    QSet<QString> schonGenannt;
    for (const QString& bezeichnung : IdsTeilen(klassenElement.Attribut(u"id"), KlassenPraefix, false)) {
        const int stufe = Klassenstufe(bezeichnung);
        if (stufe == 0 || stufe < stufen.Von || stufe > stufen.Bis || schonGenannt.contains(bezeichnung))
            continue;
        schonGenannt.insert(bezeichnung);
        kl << bezeichnung;
    }
    return kl;
}

void TLauf::UnterrichtLesen(const TStufen& stufen)
{
    langnamenLesen();
    for (const TXmlElement& stunde : abschnitt(wurzel, u"lessons")) {
        if (Abbruch)
            break;
        TLehrer* le = lehrerDerStunde(stunde);
        const QString fa = fachDerStunde(stunde);
        const TXmlElement* klassenElement = stunde.Kind(u"lesson_classes");
        if (!klassenElement || !le || fa.isEmpty())
            continue;
        // The question counts every class the lesson names inside the grade range: a lesson
        // of one class together with a course group is a course. Only the assigning passes
        // over the classes that were not imported (left out, or not listed by the file).
        const QStringList kl = klassenImBereich(*klassenElement, stufen);
        if (kl.size() > 1 && !zustimmen(*le, fa, kl))
            continue;
        for (const QString& bezeichnung : kl)
            if (TKlasse* klasse = klassenNachBezeichnung.value(bezeichnung))
                zuordnen(klasse, le);
    }
}

} // namespace

TStufen StufenVorwahl(bool IstGymnasium)
{
    return IstGymnasium ? TStufen{5, 12} : TStufen{1, 13};
}

QStringList IdsTeilen(const QString& liste, QLatin1StringView praefix, bool kommaTrennt)
{
    QStringList ids;
    const QStringView text(liste);
    qsizetype anfang = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar vor = text[i - 1];
        if ((vor != u' ' && !(kommaTrennt && vor == u',')) || !text.sliced(i).startsWith(praefix))
            continue;
        qsizetype ende = i - 1;
        if (kommaTrennt && vor == u' ' && ende > anfang && text[ende - 1] == u',')
            --ende;
        ids << ohnePraefix(text.sliced(anfang, ende - anfang), praefix);
        anfang = i;
    }
    ids << ohnePraefix(text.sliced(anfang), praefix);
    return ids;
}

TXmlImport UntisXmlAusBytes(const QByteArray& bytes, const QString& dateiname, IImportFragen& fragen)
{
    TXmlImport ergebnis;
    const TXmlDokument dokument = XmlLesen(bytes, dateiname, untisAuswahl());
    if (!dokument.Wurzel) {
        ergebnis.Fehler = dokument.Fehler;
        return ergebnis;
    }
    const TXmlElement& wurzel = *dokument.Wurzel;
    ergebnis.Lehrer = std::make_unique<TLehrerliste>();
    ergebnis.Klassen = std::make_unique<TKlassenliste>();

    TLauf lauf(wurzel, fragen, ergebnis);
    lauf.LehrerLesen();
    // a file without teachers and without classes gives nothing to choose a range for
    if (ergebnis.Lehrer->IsEmpty() && abschnitt(wurzel, u"classes").empty())
        return ergebnis;
    // the school type begins with "gy" in any letter case
    const bool istGymnasium = GeneralWert(wurzel, u"schooltype").toLower().startsWith(QLatin1String("gy"));
    const std::optional<TStufen> stufen = fragen.Stufenwahl(istGymnasium);
    if (!stufen) {
        // "Import abbrechen": nothing of the file is to be kept
        ergebnis.Lehrer->Clear();
        ergebnis.Abgebrochen = true;
        return ergebnis;
    }
    lauf.KlassenLesen(*stufen);
    ergebnis.Gefunden = !ergebnis.Lehrer->IsEmpty() || !ergebnis.Klassen->IsEmpty();
    if (ergebnis.Gefunden)
        lauf.UnterrichtLesen(*stufen);
    // every other change keeps the classes in class order; the file has its own
    ergebnis.Klassen->Sort(KlassenVergleich);
    return ergebnis;
}

TXmlImport UntisXmlImportieren(const QString& FileName, IImportFragen& fragen)
{
    QByteArray bytes;
    const QString fehler = DateiLesen(FileName, bytes);
    if (!fehler.isEmpty()) {
        TXmlImport ergebnis;
        ergebnis.Fehler = fehler;
        return ergebnis;
    }
    return UntisXmlAusBytes(bytes, FileName, fragen);
}
