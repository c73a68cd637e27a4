#include "distribution/UZeitplanRechnung.h"

#include "distribution/USuche.h"
#include "planning/UFunctions.h"

#include <QHash>

#include <algorithm>

QList<const TLehrer*> Konferenzpersonen(const TKlasse& klasse, const TKonfliktArten& arten)
{
    QList<const TLehrer*> personen;
    for (const TLehrer* l : klasse.Unterrichtende)
        if (l && !personen.contains(l))
            personen << l;
    if (arten.Vorsitz && klasse.Vorsitz && !personen.contains(klasse.Vorsitz))
        personen << klasse.Vorsitz;
    return personen;
}

std::vector<int> Klassenreihenfolge(const TPlanZeilen& zeilen, const std::vector<int>& belegte)
{
    const auto ersteKlasse = [&](int zeile) {
        for (TKlasse* k : zeilen[zeile])
            if (k)
                return k;
        return static_cast<TKlasse*>(nullptr);
    };
    std::vector<int> reihe = belegte;
    std::stable_sort(reihe.begin(), reihe.end(), [&](int a, int b) {
        return KlassenVergleich(ersteKlasse(a), ersteKlasse(b)) < 0;
    });
    return reihe;
}

TZeitplanRechnung::TZeitplanRechnung(const TPlanZeilen& plan, const TZeitplanEinstellungen& einstellungen,
                                     const TKonfliktArten& arten)
    : tage(einstellungen.Tage), wechsel(einstellungen.Wechsel)
{
    QHash<const TLehrer*, int> nummer;
    for (int z = 0; z < plan.size(); ++z) {
        TZeile zeile;
        QHash<int, int> dauerJePerson;
        for (const TKlasse* klasse : plan[z]) {
            if (!klasse)
                continue;
            const int dauer = Konferenzdauer(einstellungen, *klasse);
            zeile.Dauer = std::max(zeile.Dauer, dauer);
            ++zeile.Klassen;
            for (const TLehrer* person : Konferenzpersonen(*klasse, arten)) {
                if (!nummer.contains(person)) {
                    nummer.insert(person, static_cast<int>(personen.size()));
                    personen.push_back(person);
                }
                int& d = dauerJePerson[nummer.value(person)];
                d = std::max(d, dauer);
            }
        }
        for (auto it = dauerJePerson.cbegin(); it != dauerJePerson.cend(); ++it)
            zeile.Sitze.push_back({it.key(), it.value()});
        std::sort(zeile.Sitze.begin(), zeile.Sitze.end(), [](const TSitz& a, const TSitz& b) { return a.Person < b.Person; });
        if (zeile.Klassen > 0)
            belegte.push_back(z);
        zeilen.push_back(std::move(zeile));
    }
    const std::size_t n = personen.size();
    erster.assign(n, 0);
    letzter.assign(n, 0);
    eigen.assign(n, 0);
    tagVon.assign(n, -1);
    summe.assign(n, 0);
}

std::vector<TZeitplanRechnung::TPlatz> TZeitplanRechnung::Plaetze(const std::vector<int>& reihenfolge) const
{
    std::vector<TPlatz> plaetze;
    plaetzeSetzen(reihenfolge, plaetze);
    return plaetze;
}

void TZeitplanRechnung::plaetzeSetzen(const std::vector<int>& reihenfolge, std::vector<TPlatz>& plaetze) const
{
    plaetze.assign(zeilen.size(), TPlatz{});
    int tag = 0;
    int zeit = tage.isEmpty() ? 0 : tage.first().Beginn;
    for (const int z : reihenfolge) {
        const int dauer = zeilen[static_cast<std::size_t>(z)].Dauer;
        int t = tag;
        int beginn = zeit;
        while (t < tage.size() && beginn + dauer > tage[t].Ende) {
            ++t;
            if (t < tage.size())
                beginn = tage[t].Beginn;
        }
        if (t >= tage.size())
            continue; // fits into no day left: the next slot takes its time
        plaetze[static_cast<std::size_t>(z)] = {t, beginn};
        tag = t;
        zeit = beginn + dauer + wechsel;
    }
}

TZeitplanRechnung::TBewertung TZeitplanRechnung::Bewerten(const std::vector<int>& reihenfolge,
                                                          std::vector<int>* jePerson) const
{
    plaetzeSetzen(reihenfolge, plaetze);
    std::fill(tagVon.begin(), tagVon.end(), -1);
    std::fill(summe.begin(), summe.end(), 0);
    TBewertung b;
    const auto tagAbschliessen = [&](int p) {
        if (tagVon[p] >= 0)
            summe[p] += letzter[p] - erster[p] - eigen[p];
    };
    // the places are in the order of time: a left-out row does not move the clock
    for (const int z : reihenfolge) {
        const TZeile& zeile = zeilen[static_cast<std::size_t>(z)];
        const TPlatz platz = plaetze[static_cast<std::size_t>(z)];
        if (platz.Tag < 0) {
            b.Draussen += zeile.Klassen;
            continue;
        }
        for (const TSitz& s : zeile.Sitze) {
            const int p = s.Person;
            if (tagVon[p] != platz.Tag) {
                tagAbschliessen(p);
                tagVon[p] = platz.Tag;
                erster[p] = platz.Beginn;
                eigen[p] = 0;
            }
            letzter[p] = platz.Beginn + s.Dauer;
            eigen[p] += s.Dauer;
        }
    }
    for (std::size_t p = 0; p < personen.size(); ++p) {
        tagAbschliessen(static_cast<int>(p));
        b.Gesamt += summe[p];
        b.Hoechste = std::max(b.Hoechste, summe[p]);
    }
    if (jePerson)
        *jePerson = summe;
    return b;
}
