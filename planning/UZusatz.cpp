#include "planning/UZusatz.h"

#include "planning/UFehler.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// Section names of version 3 files. A reader skips sections it does not know.
const QString abschnittLeitung = QStringLiteral("Vorsitzende");
const QString abschnittZeitplan = QStringLiteral("Zeitplan");
const QString abschnittPlan = QStringLiteral("Plan");

constexpr qint32 minutenJeTag = 24 * 60;
constexpr qint32 hoechsteDauer = minutenJeTag;
constexpr int hoechsteAnzahl = 10000; // days, rooms, durations, cells of a row

TFehler ungueltig(const QString& abschnitt)
{
    return TFehler(QStringLiteral("Ungültige Daten im Abschnitt \"%1\"").arg(abschnitt));
}

void pruefen(bool bedingung, const QString& abschnitt)
{
    if (!bedingung)
        throw ungueltig(abschnitt);
}

// A negated count as lists store it, checked against the bytes left.
qint64 anzahlLesen(TMyStream& DS, qint64 bytesJeEintrag, const QString& abschnitt)
{
    const qint32 wert = DS.ReadInt();
    pruefen(wert <= 0, abschnitt);
    const qint64 anzahl = -static_cast<qint64>(wert);
    DS.AnzahlPruefen(anzahl, bytesJeEintrag);
    return anzahl;
}

// A number of the section between von and bis (minutes, a limit); else the section is damaged.
qint32 zahlLesen(TMyStream& DS, qint32 von, qint32 bis, const QString& abschnitt)
{
    const qint32 wert = DS.ReadInt();
    pruefen(wert >= von && wert <= bis, abschnitt);
    return wert;
}

// ---- chairs: the positions of the teachers who may chair

void leitungSchreiben(TMyStream& DS, const TLehrerliste& lehrer)
{
    QList<qint32> positionen;
    for (int i = 0; i < lehrer.Count(); ++i)
        if (lehrer[i]->DarfLeiten)
            positionen << i;
    DS.WriteInt(-static_cast<qint32>(positionen.size()));
    for (const qint32 p : positionen)
        DS.WriteInt(p);
}

void leitungLesen(TMyStream& DS, const TLehrerliste& lehrer)
{
    const qint64 anzahl = anzahlLesen(DS, 4, abschnittLeitung);
    for (qint64 i = 0; i < anzahl; ++i) {
        const qint32 p = DS.ReadInt();
        pruefen(p >= 0 && p < lehrer.Count(), abschnittLeitung);
        lehrer[p]->DarfLeiten = true;
    }
}

// ---- timetable settings

void zeitplanSchreiben(TMyStream& DS, const TZeitplanEinstellungen& z)
{
    DS.WriteInt(-static_cast<qint32>(z.Tage.size()));
    for (const TKonferenztag& tag : z.Tage) {
        DS.WriteDate(tag.Datum);
        DS.WriteInt(tag.Beginn);
        DS.WriteInt(tag.Ende);
    }
    DS.WriteInt(z.Dauer);
    DS.WriteInt(-static_cast<qint32>(z.Sonderdauern.size()));
    for (const TSonderdauer& s : z.Sonderdauern) {
        DS.WriteStr(s.Klassen);
        DS.WriteInt(s.Minuten);
    }
    DS.WriteInt(z.Wechsel);
    DS.WriteInt(-static_cast<qint32>(z.Raeume.size()));
    for (const QString& raum : z.Raeume)
        DS.WriteStr(raum);
}

TZeitplanEinstellungen zeitplanLesen(TMyStream& DS)
{
    const QString& a = abschnittZeitplan;
    TZeitplanEinstellungen z;
    const qint64 tage = anzahlLesen(DS, 16, a);
    for (qint64 i = 0; i < tage; ++i) {
        TKonferenztag tag;
        tag.Datum = DS.ReadDate();
        pruefen(std::isfinite(tag.Datum) && tag.Datum >= 0 && tag.Datum < 3000000, a);
        tag.Beginn = zahlLesen(DS, 0, minutenJeTag, a);
        tag.Ende = zahlLesen(DS, tag.Beginn, minutenJeTag, a);
        z.Tage << tag;
    }
    z.Dauer = zahlLesen(DS, 1, hoechsteDauer, a);
    const qint64 sonder = anzahlLesen(DS, 8, a);
    for (qint64 i = 0; i < sonder; ++i) {
        TSonderdauer s;
        s.Klassen = DS.ReadStr();
        s.Minuten = zahlLesen(DS, 1, hoechsteDauer, a);
        z.Sonderdauern << s;
    }
    z.Wechsel = zahlLesen(DS, 0, hoechsteDauer, a);
    const qint64 raeume = anzahlLesen(DS, 4, a);
    for (qint64 i = 0; i < raeume; ++i)
        z.Raeume << DS.ReadStr();
    return z;
}

// ---- the kept plan: rows of class positions, -1 for an empty cell

void planSchreiben(TMyStream& DS, const TGehaltenerPlan& plan, const TKlassenliste& klassen)
{
    QHash<const TKlasse*, qint32> position;
    for (int i = 0; i < klassen.Count(); ++i)
        position.insert(klassen[i], i);
    DS.WriteInt(plan.Grenze);
    DS.WriteInt(-static_cast<qint32>(plan.Zeilen.size()));
    for (const QList<TKlasse*>& zeile : plan.Zeilen) {
        DS.WriteInt(-static_cast<qint32>(zeile.size()));
        for (const TKlasse* klasse : zeile)
            DS.WriteInt(klasse ? position.value(klasse, -1) : -1);
    }
}

TGehaltenerPlan planLesen(TMyStream& DS, const TKlassenliste& klassen)
{
    const QString& a = abschnittPlan;
    TGehaltenerPlan plan;
    plan.Grenze = zahlLesen(DS, 1, hoechsteAnzahl, a);
    QSet<qint32> gesehen;
    const qint64 zeilen = anzahlLesen(DS, 4, a);
    for (qint64 z = 0; z < zeilen; ++z) {
        QList<TKlasse*> zeile;
        const qint64 zellen = anzahlLesen(DS, 4, a);
        pruefen(zellen <= hoechsteAnzahl, a);
        for (qint64 s = 0; s < zellen; ++s) {
            const qint32 p = DS.ReadInt();
            pruefen(p >= -1 && p < klassen.Count(), a);
            // a class holds one cell of the plan at most
            pruefen(p == -1 || !gesehen.contains(p), a);
            gesehen.insert(p);
            zeile << (p == -1 ? nullptr : klassen[p]);
        }
        plan.Zeilen << zeile;
    }
    return plan;
}

template <class Schreiber>
void abschnittSchreiben(TMyStream& DS, const QString& name, Schreiber schreiber)
{
    TMyStream inhalt;
    inhalt.Lehrer = DS.Lehrer;
    schreiber(inhalt);
    DS.WriteStr(name);
    DS.WriteInt(static_cast<qint32>(inhalt.Daten.size()));
    DS.Daten.append(inhalt.Daten);
    DS.Position = DS.Daten.size();
}

bool jemandDarfLeiten(const TLehrerliste& lehrer)
{
    for (const TLehrer* l : lehrer)
        if (l->DarfLeiten)
            return true;
    return false;
}

} // namespace

bool BrauchtVersion3(const TLehrerliste& lehrer, const TProjektZusatz& zusatz)
{
    return !zusatz.Leer() || jemandDarfLeiten(lehrer);
}

void ZusatzSpeichern(TMyStream& DS, const TLehrerliste& lehrer, const TKlassenliste& klassen,
                     const TProjektZusatz& zusatz)
{
    const bool leitung = jemandDarfLeiten(lehrer);
    DS.WriteInt(-(qint32(leitung) + qint32(zusatz.Zeitplan.has_value()) + qint32(zusatz.Plan.has_value())));
    if (leitung)
        abschnittSchreiben(DS, abschnittLeitung, [&](TMyStream& s) { leitungSchreiben(s, lehrer); });
    if (zusatz.Zeitplan)
        abschnittSchreiben(DS, abschnittZeitplan, [&](TMyStream& s) { zeitplanSchreiben(s, *zusatz.Zeitplan); });
    if (zusatz.Plan)
        abschnittSchreiben(DS, abschnittPlan, [&](TMyStream& s) { planSchreiben(s, *zusatz.Plan, klassen); });
}

TProjektZusatz ZusatzOeffnen(TMyStream& DS, const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    TProjektZusatz zusatz;
    const QString datei = QStringLiteral("Zusatzdaten");
    const qint64 abschnitte = anzahlLesen(DS, 8, datei);
    QSet<QString> gelesen;
    for (qint64 i = 0; i < abschnitte; ++i) {
        const QString name = DS.ReadStr();
        const qint32 laenge = DS.ReadInt();
        DS.AnzahlPruefen(laenge, 1);
        pruefen(!gelesen.contains(name), name);
        gelesen.insert(name);
        TMyStream inhalt(DS.Daten.mid(DS.Position, laenge));
        inhalt.Dateiversion = DS.Dateiversion;
        inhalt.Lehrer = &lehrer;
        DS.Position += laenge;
        if (name == abschnittLeitung)
            leitungLesen(inhalt, lehrer);
        else if (name == abschnittZeitplan)
            zusatz.Zeitplan = zeitplanLesen(inhalt);
        else if (name == abschnittPlan)
            zusatz.Plan = planLesen(inhalt, klassen);
        else
            continue; // a section of a later program: skipped
        pruefen(inhalt.Rest() == 0, name);
    }
    return zusatz;
}

void AusPlanEntfernen(TProjektZusatz& zusatz, const TKlasse* klasse)
{
    if (!zusatz.Plan)
        return;
    QList<QList<TKlasse*>>& zeilen = zusatz.Plan->Zeilen;
    for (QList<TKlasse*>& zeile : zeilen)
        std::replace(zeile.begin(), zeile.end(), const_cast<TKlasse*>(klasse), static_cast<TKlasse*>(nullptr));
    zeilen.removeIf([](const QList<TKlasse*>& zeile) {
        return std::all_of(zeile.begin(), zeile.end(), [](const TKlasse* k) { return k == nullptr; });
    });
}
