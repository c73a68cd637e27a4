#pragma once

#include "distribution/UBitmenge.h"
#include "planning/UClasses.h"
#include "planning/UVar.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// Which people besides the teachers who teach a class make two classes conflict.
struct TKonfliktArten
{
    bool Vorsitz = false; // a class's chair counts as one of its people: two classes with the same chair conflict
    bool Eltern = false;  // two classes whose parent representatives share an ID conflict

    bool operator==(const TKonfliktArten&) const = default;
};

// The size of a distribution: its rows (groups, successive time slots) and its columns
// (the largest group, the parallel conferences at the busiest time).
struct TVerteilungsMass
{
    int Zeilen = 0;
    int Spalten = 1;
};

// The distribution search, prepared once for one state of the class list so that it can
// be repeated cheaply: every class is a small number (its rank in class order), the
// classes that share a teacher with it are a bit set, and all buffers are kept between
// searches. One search draws the same random numbers and forms the same groups as the
// plain search that compares the teacher lists pair by pair. With further kinds of
// conflict (chairs, parent representatives) the bit sets hold those conflicts as well.
//
// The search keeps pointers to the classes; it must be rebuilt when the class list changes
// (Passt tells whether it still fits).
class TSuche
{
public:
    using TWort = TBitwort;

    explicit TSuche(const TKlassenliste& klassen, TKonfliktArten arten = {});

    int Klassenzahl() const { return anzahl; }
    TKonfliktArten Arten() const { return arten; }
    // True while the list holds the same classes in the same order with the same
    // designations and the same teachers as when the search was built, and, when those
    // kinds of conflict count, the same chairs and parent representative IDs.
    bool Passt(const TKlassenliste& klassen) const;

    // 64-bit words per bit set of classes, and the classes (by rank) that conflict with the
    // class of the given rank; a class with people of its own has its own bit set as well.
    int Woerter() const { return woerter; }
    const TWort* Konflikte(int rang) const { return konfliktBits.data() + static_cast<std::size_t>(rang) * woerter; }
    TKlasse* KlasseVonRang(int rang) const { return klasseVonRang[static_cast<std::size_t>(rang)]; }

    // One search: the classes in random order, then the groups filled greedily with at
    // most limit classes each. With fewer than two classes no number is drawn and the
    // result has no row and one column.
    TVerteilungsMass Durchlauf(int limit, TZufall& zufall);
    // The greedy fill alone, on an order given by the caller (every class exactly once).
    TVerteilungsMass Fuellen(const QList<TKlasse*>& reihenfolge, int limit);

    TVerteilungsMass LetztesMass() const { return letztes; }
    // Keeps the groups of the last search; a later search does not change them.
    void Merken();
    TVerteilungsMass GemerktesMass() const { return gemerktes; }

    // The groups of the last search and of the kept one, the classes of each group and
    // the groups themselves in class order.
    std::unique_ptr<TVerteilung> LetzteVerteilung() const;
    std::unique_ptr<TVerteilung> GemerkteVerteilung() const;
    // The groups of the last search by rank (numbered 0 .. rows - 1), and the distribution
    // of any such numbering with the given number of groups, in class order.
    const std::vector<int>& LetzteGruppen() const { return gruppeVon; }
    std::unique_ptr<TVerteilung> VerteilungAus(const std::vector<int>& gruppeVonRang, int zeilen) const;

private:
    struct TStand
    {
        const TKlasse* klasse;
        QString bezeichnung;
        QList<TLehrer*> unterrichtende;
        const TLehrer* vorsitz;
        QStringList elternIDs;
    };

    void konflikteEintragen(const TKlassenliste& klassen, const std::vector<int>& rangVonPosition);
    void mischen(TZufall& zufall);
    TVerteilungsMass fuellen(int limit);
    int ersterPassenderSlot(int klasse) const;
    TWort* slotSpalte(int wort) { return slotMasken.data() + static_cast<std::size_t>(wort) * (anzahl + 1); }
    const TWort* slotSpalte(int wort) const { return slotMasken.data() + static_cast<std::size_t>(wort) * (anzahl + 1); }
    void slotOeffnen(int slot, int gruppe);
    void slotSperren(int slot, const TWort* klassen);
    void slotSchliessen(int slot, int offen);

    TKonfliktArten arten;
    int anzahl = 0;
    int woerter = 1;                   // 64-bit words per bit set
    std::vector<TStand> stand;         // what the search was built from, in list order
    std::vector<TKlasse*> klasseVonRang;
    std::vector<int> startreihe;       // ranks in list order: the order before shuffling
    std::vector<TWort> konfliktBits;   // per rank: the ranks of the classes it shares a person with

    // reused by every search
    std::vector<int> unverbraucht;     // shuffling: the classes not yet drawn
    std::vector<int> reihe;            // the shuffled order
    // filling: the groups that are not full yet, in slots in the order they were opened
    std::vector<TWort> slotMasken;     // the classes that conflict with a member, by word and slot
    std::vector<int> slotGruppe;       // the group in the slot
    std::vector<int> slotGroesse;      // its number of classes
    std::vector<int> gruppeVon;        // per rank: the group of the last search
    std::vector<int> gemerkteGruppeVon;
    TVerteilungsMass letztes;
    TVerteilungsMass gemerktes;
};
