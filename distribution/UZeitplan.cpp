#include "distribution/UZeitplan.h"

#include "distribution/USuche.h"
#include "distribution/UZeitplanRechnung.h"
#include "planning/UFunctions.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

TZeitplanEinstellungen WirksameEinstellungen(const std::optional<TZeitplanEinstellungen>& projekt,
                                             const TKlassenliste& klassen, double heute)
{
    TZeitplanEinstellungen e = projekt.value_or(TZeitplanEinstellungen{});
    if (e.Tage.isEmpty()) {
        double datum = 0;
        for (const TKlasse* k : klassen)
            if (k->Konferenzdatum >= 1 && (datum == 0 || k->Konferenzdatum < datum))
                datum = k->Konferenzdatum;
        TKonferenztag tag;
        tag.Datum = std::floor(datum > 0 ? datum : heute);
        e.Tage << tag;
    }
    return e;
}

QStringList Raumnamen(const TZeitplanEinstellungen& einstellungen, int grenze)
{
    if (!einstellungen.Raeume.isEmpty())
        return einstellungen.Raeume;
    QStringList raeume;
    for (int i = 1; i <= grenze; ++i)
        raeume << QStringLiteral("Raum %1").arg(i);
    return raeume;
}

namespace {

// A duration for a grade level ("Q2", "10") holds for the classes of that level whose
// designation begins with it: "10" for "10a", not for "100" or "5".
bool stufePasst(const QString& stufe, const QString& bezeichnung)
{
    const int s = Klassenstufe(stufe);
    if (s == 0 || s != Klassenstufe(bezeichnung) || !bezeichnung.startsWith(stufe, Qt::CaseInsensitive))
        return false;
    return bezeichnung.size() == stufe.size() || !bezeichnung.at(stufe.size()).isDigit();
}

} // namespace

int Konferenzdauer(const TZeitplanEinstellungen& einstellungen, const TKlasse& klasse)
{
    for (const TSonderdauer& s : einstellungen.Sonderdauern)
        if (s.Klassen.compare(klasse.Bezeichnung, Qt::CaseInsensitive) == 0)
            return s.Minuten;
    for (const TSonderdauer& s : einstellungen.Sonderdauern)
        if (stufePasst(s.Klassen, klasse.Bezeichnung))
            return s.Minuten;
    return einstellungen.Dauer;
}

TZeitplan ZeitplanBerechnen(const TPlanZeilen& zeilen, const TZeitplanEinstellungen& einstellungen,
                            const TKonfliktArten& arten)
{
    const TZeitplanRechnung rechnung(zeilen, einstellungen, arten);
    const std::vector<int>& reihe = rechnung.BelegteZeilen();
    const auto plaetze = rechnung.Plaetze(reihe);
    int spalten = 0;
    for (const auto& zeile : zeilen)
        spalten = std::max(spalten, static_cast<int>(zeile.size()));
    const QStringList raeume = Raumnamen(einstellungen, spalten);

    TZeitplan plan;
    plan.Wechsel = einstellungen.Wechsel;
    for (const int z : reihe) {
        const auto platz = plaetze[static_cast<std::size_t>(z)];
        if (platz.Tag < 0) {
            for (TKlasse* k : zeilen[z])
                if (k)
                    plan.NichtUntergebracht << k;
            continue;
        }
        const double datum = einstellungen.Tage[platz.Tag].Datum;
        if (plan.Tage.isEmpty() || plan.Tage.last().Datum != datum)
            plan.Tage << TPlanTag{datum, {}};
        TZeitfenster fenster{z, platz.Beginn, platz.Beginn + rechnung.Dauer(z), {}};
        for (int s = 0; s < zeilen[z].size(); ++s) {
            TKlasse* k = zeilen[z][s];
            if (!k)
                continue;
            const QString raum = s < raeume.size() ? raeume[s] : QStringLiteral("Raum %1").arg(s + 1);
            fenster.Konferenzen << TTermin{k, raum, s, platz.Beginn, platz.Beginn + Konferenzdauer(einstellungen, *k)};
        }
        plan.Tage.last().Zeitfenster << fenster;
    }

    std::vector<int> jePerson;
    const auto bewertung = rechnung.Bewerten(reihe, &jePerson);
    plan.Wartezeit.Gesamt = bewertung.Gesamt;
    plan.Wartezeit.Hoechste = bewertung.Hoechste;
    plan.Wartezeit.Vorher = rechnung.Bewerten(Klassenreihenfolge(zeilen, reihe)).Gesamt;
    for (std::size_t p = 0; p < jePerson.size(); ++p)
        plan.Wartezeit.JeLehrkraft.insert(rechnung.Personen()[p]->Kuerzel, jePerson[p]);
    return plan;
}

namespace {

QString jsonText(const QString& text)
{
    const QByteArray feld = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(feld.mid(1, feld.size() - 2));
}

QString jsonListe(const QStringList& texte)
{
    QStringList teile;
    for (const QString& t : texte)
        teile << jsonText(t);
    return QLatin1Char('[') + teile.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString terminJson(const TTermin& t)
{
    QStringList lehrkraefte;
    for (const TLehrer* l : t.Klasse->Unterrichtende)
        if (l)
            lehrkraefte << l->Kuerzel;
    return QStringLiteral("{\"klasse\": %1, \"raum\": %2, \"beginn\": \"%3\", \"ende\": \"%4\", "
                          "\"vorsitz\": %5, \"lehrkraefte\": %6}")
        .arg(jsonText(t.Klasse->Bezeichnung), jsonText(t.Raum), UhrzeitText(t.Beginn), UhrzeitText(t.Ende),
             t.Klasse->Vorsitz ? jsonText(t.Klasse->Vorsitz->Kuerzel) : QStringLiteral("null"),
             jsonListe(lehrkraefte));
}

QString tagJson(const TPlanTag& tag)
{
    QStringList fenster;
    for (const TZeitfenster& f : tag.Zeitfenster) {
        QStringList konferenzen;
        for (const TTermin& t : f.Konferenzen)
            konferenzen << terminJson(t);
        fenster << QStringLiteral("{\"beginn\": \"%1\", \"ende\": \"%2\", \"konferenzen\": [%3]}")
                       .arg(UhrzeitText(f.Beginn), UhrzeitText(f.Ende), konferenzen.join(QStringLiteral(", ")));
    }
    const QString datum = WertZuDatum(tag.Datum).date().toString(Qt::ISODate);
    return QStringLiteral("{\"datum\": \"%1\", \"zeitfenster\": [%2]}").arg(datum, fenster.join(QStringLiteral(", ")));
}

QString wartezeitJson(const TWartezeiten& w)
{
    QStringList je;
    for (auto it = w.JeLehrkraft.cbegin(); it != w.JeLehrkraft.cend(); ++it)
        je << jsonText(it.key()) + QStringLiteral(": ") + QString::number(it.value());
    return QStringLiteral("{\"gesamt\": %1, \"hoechste\": %2, \"vorher\": %3, \"je_lehrkraft\": {%4}}")
        .arg(QString::number(w.Gesamt), QString::number(w.Hoechste), QString::number(w.Vorher),
             je.join(QStringLiteral(", ")));
}

} // namespace

QByteArray ZeitplanJson(const TZeitplan& zeitplan, int zeilen, int untergrenze, bool optimal)
{
    QStringList tage;
    for (const TPlanTag& tag : zeitplan.Tage)
        tage << tagJson(tag);
    QStringList draussen;
    for (const TKlasse* k : zeitplan.NichtUntergebracht)
        draussen << k->Bezeichnung;
    const QString json = QStringLiteral("{\"zeilen\": %1, \"untergrenze\": %2, \"optimal\": %3, \"tage\": [%4], "
                                        "\"nicht_untergebracht\": %5, \"wechsel_minuten\": %6, "
                                        "\"wartezeit_minuten\": %7}")
                             .arg(QString::number(zeilen), QString::number(untergrenze),
                                  optimal ? QStringLiteral("true") : QStringLiteral("false"),
                                  tage.join(QStringLiteral(", ")), jsonListe(draussen),
                                  QString::number(zeitplan.Wechsel), wartezeitJson(zeitplan.Wartezeit));
    return json.toUtf8();
}
