#pragma once

#include "distribution/UZeitplan.h"

#include <QList>

#include <vector>

struct TKonfliktArten;
class TLehrer;

// The arithmetic of the timetable, prepared once for the rows of a plan so that one order of
// the rows can be timed and weighed cheaply: the ordering search weighs many of them. Every
// row is a slot with a duration and the people who sit in it; an order is a list of row
// numbers (each once).
class TZeitplanRechnung
{
public:
    TZeitplanRechnung(const TPlanZeilen& zeilen, const TZeitplanEinstellungen& einstellungen,
                      const TKonfliktArten& arten);

    // The place of a row in the timetable: its day (-1: it fits into no day) and its start.
    struct TPlatz
    {
        int Tag = -1;
        int Beginn = 0;
    };
    // How good an order is: fewer classes left out first, then less waiting in all, then a
    // smaller largest waiting of one person.
    struct TBewertung
    {
        int Draussen = 0;     // classes that fit into no day
        int Gesamt = 0;
        int Hoechste = 0;
        auto operator<=>(const TBewertung&) const = default;
    };

    int Zeilenzahl() const { return static_cast<int>(zeilen.size()); }
    // The rows that hold a class, in the order of the plan.
    const std::vector<int>& BelegteZeilen() const { return belegte; }
    int Dauer(int zeile) const { return zeilen[static_cast<std::size_t>(zeile)].Dauer; }

    // The places of the rows (by row number) when they are held in this order. A slot that
    // would end after its day's end moves to the start of the next day; one that fits into
    // no day left is left out, and the next ones take the time it would have had.
    std::vector<TPlatz> Plaetze(const std::vector<int>& reihenfolge) const;
    // The figures of an order; with jePerson, the waiting of every person (by the position
    // in Personen()).
    TBewertung Bewerten(const std::vector<int>& reihenfolge, std::vector<int>* jePerson = nullptr) const;
    const std::vector<const TLehrer*>& Personen() const { return personen; }

private:
    struct TSitz
    {
        int Person;
        int Dauer;   // the longest of the person's conferences in this slot
    };
    struct TZeile
    {
        int Dauer = 0;           // its longest conference; 0 for a row without classes
        int Klassen = 0;
        std::vector<TSitz> Sitze;
    };

    void plaetzeSetzen(const std::vector<int>& reihenfolge, std::vector<TPlatz>& plaetze) const;

    std::vector<TZeile> zeilen;
    std::vector<int> belegte;
    std::vector<const TLehrer*> personen;
    QList<TKonferenztag> tage;
    int wechsel = 0;

    // reused by every weighing
    mutable std::vector<int> erster, letzter, eigen, tagVon, summe;
    mutable std::vector<TPlatz> plaetze;
};

// The people who sit in a class's conference: its teachers and, when chairs count, its chair.
QList<const TLehrer*> Konferenzpersonen(const TKlasse& klasse, const TKonfliktArten& arten);
// The rows in class order of their first classes: the order the search gives them.
std::vector<int> Klassenreihenfolge(const TPlanZeilen& zeilen, const std::vector<int>& belegte);
