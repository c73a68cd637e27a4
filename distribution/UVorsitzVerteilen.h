#pragma once

#include "distribution/USucheLokal.h"
#include "planning/UClasses.h"

#include <QList>
#include <QPair>
#include <QString>

#include <vector>

// Chairs distributed automatically. In one time slot nobody may sit in two conferences:
// a chair chairs one conference of the slot and teaches in no other conference of it
// (chairing a class one teaches in is fine). Chairs set by hand stay and count.

// Who may chair and what the assignment prefers.
struct TVorsitzEinstellung
{
    QList<TLehrer*> Vorsitzende;     // the teachers who may be given a chair
    bool EigeneBevorzugen = false;   // prefer a chair who teaches the class (else one who does not)
};

// The teachers marked "darf Konferenzen leiten", in list order.
QList<TLehrer*> MarkierteVorsitzende(const TLehrerliste& lehrer);

// The chair rule for a fixed set of classes, each known by its index. The people are
// numbered: first the eligible teachers, then the other hand-set chairs.
class TVorsitzModell
{
public:
    TVorsitzModell(const std::vector<TKlasse*>& klassen, const QList<TLehrer*>& vorsitzende);

    int Klassenzahl() const { return static_cast<int>(klassen.size()); }
    TKlasse* Klasse(int k) const { return klassen[static_cast<std::size_t>(k)]; }
    // Eligible teachers and all people who can chair (eligible or set by hand).
    int Waehlbare() const { return static_cast<int>(waehlbar); }
    int Personen() const { return static_cast<int>(personen.size()); }
    TLehrer* Person(int p) const { return personen[static_cast<std::size_t>(p)]; }
    bool Braucht(int k) const { return fest[static_cast<std::size_t>(k)] < 0; }
    int Fest(int k) const { return fest[static_cast<std::size_t>(k)]; }
    bool Lehrt(int p, int k) const;

    // The eligible people who may chair class k in a slot of these classes (k among them).
    std::vector<int> Kandidaten(const std::vector<int>& slot, int k) const;
    // A chair for every class of the slot: zuordnung[i] is the person of slot[i] (the
    // hand-set one included). False when there is none; blockierend (when given) then
    // holds classes of the slot that cannot all be chaired at once.
    bool SlotZuordnen(const std::vector<int>& slot, std::vector<int>* zuordnung = nullptr,
                      std::vector<int>* blockierend = nullptr) const;

private:
    bool festeVerletzt(const std::vector<int>& slot, std::vector<int>* blockierend) const;

    std::vector<TKlasse*> klassen;
    std::vector<TLehrer*> personen;
    std::size_t waehlbar = 0;
    std::vector<int> fest;                 // per class: the person set by hand, or -1
    std::vector<std::vector<int>> lehrende; // per class: the people who teach it, sorted
};

// The result of an assignment over a plan.
struct TVorsitzZuteilung
{
    bool Moeglich = true;
    QList<QPair<TKlasse*, TLehrer*>> Neu; // the chairs given, in plan order
    QList<TKlasse*> Blockierend;          // when impossible: classes that cannot all be chaired
    int HoechsteLast = 0;                 // conferences chaired by one eligible teacher, hand-set ones included
    int NiedrigsteLast = 0;
    int EigeneKlassen = 0;                // given chairs who teach the class
};

// For every class of the plan without a chair, one of the eligible teachers, keeping the
// rule in every row; among such: the largest load as small as possible, then the fewest
// (or, with EigeneBevorzugen, the most) classes chaired by one of their teachers.
TVorsitzZuteilung VorsitzBerechnen(const TVerteilung& plan, const TVorsitzEinstellung& einstellung);
// The same, and the chairs written into the classes (Geaendert set); nothing is written
// when it is impossible.
TVorsitzZuteilung VorsitzVerteilen(const TVerteilung& plan, const TVorsitzEinstellung& einstellung);
// "Diese Klassen können keinen Vorsitz erhalten: 5a, 5b."
QString BlockiertText(const QList<TKlasse*>& klassen);

// The rule inside the optimisation, by rank of a prepared search.
class TVorsitzRegel
{
public:
    TVorsitzRegel(const TSuche& suche, const QList<TLehrer*>& vorsitzende);

    // The most classes a slot can hold: each needs a chair of its own.
    int Kapazitaet() const { return modell.Personen(); }
    // Classes that no plan can give a chair (no eligible teacher at all); empty when a plan exists.
    QList<TKlasse*> Blockierend() const;
    bool PlanMoeglich(const TPlan& plan) const;
    // The plan made to keep the rule: classes a row cannot chair move first-fit into another
    // row that keeps both rules, or into a new one.
    TPlan Reparieren(const TPlan& plan, const TKonfliktgraph& graph, int grenze) const;

private:
    TVorsitzModell modell;
};

// The lower bound with chairs: with k people able to chair, no slot holds more than k classes.
struct TVorsitzSchranke
{
    int Zeilen = 0;        // the bound with the chairs
    int Vorsitzende = 0;   // k
    bool DurchVorsitz = false; // the chairs raise the bound above the one without them
};
// ohne: the bound without chairs (Untergrenze); klassen: the number of classes.
TVorsitzSchranke VorsitzUntergrenze(int ohne, int klassen, int grenze, int vorsitzende);
// The people able to chair: the eligible teachers and the chairs set in the classes.
int VorsitzPersonen(const TKlassenliste& klassen, const QList<TLehrer*>& vorsitzende);
// "Mit 3 Vorsitzenden sind mindestens 11 Zeitfenster nötig."
QString VorsitzSchrankeText(const TVorsitzSchranke& schranke);
