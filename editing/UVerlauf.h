#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// The undo history of the school data. Each state is the project as a whole (the bytes of
// its project file), so that undoing any user action, however many classes it touched,
// is one step back to exactly what was there before. The window hands in the state after
// every user action; a state equal to the current one is no step.
class TVerlauf
{
public:
    // The states of all steps together stay below this many bytes; the oldest go first,
    // the last step always stays.
    explicit TVerlauf(qsizetype grenze = 64 * 1024 * 1024) : grenze(grenze) {}

    // A project opened, imported or begun anew: no step back or forward. gespeichert says
    // whether the state is what the project file holds.
    void Beginnen(const QByteArray& stand, bool gespeichert);
    // The state after a user action; true when it differs from the current one and became a
    // new step (which ends every step forward).
    bool Festhalten(const QByteArray& stand);
    // The current state was written to the project file.
    void Gespeichert();

    bool KannRueckgaengig() const { return !zurueck.empty(); }
    bool KannWiederholen() const { return !vor.empty(); }
    // The state to restore for one step back or forward; nothing when there is none.
    std::optional<QByteArray> Rueckgaengig();
    std::optional<QByteArray> Wiederholen();

    // True while the current state is not the one the project file holds.
    bool Ungespeichert() const { return !gespeichert || *gespeichert != aktuell; }
    const QByteArray& Aktuell() const { return aktuell; }

private:
    void kuerzen();

    qsizetype grenze;
    std::vector<QByteArray> zurueck; // oldest first
    std::vector<QByteArray> vor;     // the next step forward last
    QByteArray aktuell;
    std::optional<QByteArray> gespeichert;
};
