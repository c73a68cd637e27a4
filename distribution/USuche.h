#pragma once

#include "planning/UClasses.h"
#include "planning/UVar.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

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
// plain search that compares the teacher lists pair by pair.
//
// The search keeps pointers to the classes; it must be rebuilt when the class list changes
// (Passt tells whether it still fits).
class TSuche
{
public:
    explicit TSuche(const TKlassenliste& klassen);

    int Klassenzahl() const { return anzahl; }
    // True while the list holds the same classes in the same order with the same
    // designations and the same teachers as when the search was built.
    bool Passt(const TKlassenliste& klassen) const;

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

private:
    using TWort = std::uint64_t;

    struct TStand
    {
        const TKlasse* klasse;
        QString bezeichnung;
        QList<TLehrer*> unterrichtende;
    };

    void konflikteEintragen(const TKlassenliste& klassen, const std::vector<int>& rangVonPosition);
    void mischen(TZufall& zufall);
    TVerteilungsMass fuellen(int limit);
    std::unique_ptr<TVerteilung> ausgeben(const std::vector<int>& gruppeVonRang, int zeilen) const;
    const TWort* konflikte(int rang) const { return konfliktBits.data() + static_cast<std::size_t>(rang) * woerter; }
    int ersterPassenderSlot(int klasse) const;
    TWort* slotSpalte(int wort) { return slotMasken.data() + static_cast<std::size_t>(wort) * (anzahl + 1); }
    const TWort* slotSpalte(int wort) const { return slotMasken.data() + static_cast<std::size_t>(wort) * (anzahl + 1); }
    void slotOeffnen(int slot, int gruppe);
    void slotSperren(int slot, const TWort* klassen);
    void slotSchliessen(int slot, int offen);

    int anzahl = 0;
    int woerter = 1;                   // 64-bit words per bit set
    std::vector<TStand> stand;         // what the search was built from, in list order
    std::vector<TKlasse*> klasseVonRang;
    std::vector<int> startreihe;       // ranks in list order: the order before shuffling
    std::vector<TWort> konfliktBits;   // per rank: the ranks of the classes it shares a teacher with

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
