#include "editing/UVerlauf.h"

#include <utility>

void TVerlauf::Beginnen(const QByteArray& stand, bool istGespeichert)
{
    zurueck.clear();
    vor.clear();
    aktuell = stand;
    if (istGespeichert)
        gespeichert = stand;
    else
        gespeichert.reset();
}

bool TVerlauf::Festhalten(const QByteArray& stand)
{
    if (stand == aktuell)
        return false;
    zurueck.push_back(std::exchange(aktuell, stand));
    vor.clear();
    kuerzen();
    return true;
}

void TVerlauf::Gespeichert()
{
    gespeichert = aktuell;
}

std::optional<QByteArray> TVerlauf::Rueckgaengig()
{
    if (zurueck.empty())
        return std::nullopt;
    vor.push_back(std::exchange(aktuell, zurueck.back()));
    zurueck.pop_back();
    return aktuell;
}

std::optional<QByteArray> TVerlauf::Wiederholen()
{
    if (vor.empty())
        return std::nullopt;
    zurueck.push_back(std::exchange(aktuell, vor.back()));
    vor.pop_back();
    return aktuell;
}

void TVerlauf::kuerzen()
{
    qsizetype summe = 0;
    for (const QByteArray& s : zurueck)
        summe += s.size();
    std::size_t weg = 0;
    while (summe > grenze && weg + 1 < zurueck.size())
        summe -= zurueck[weg++].size();
    zurueck.erase(zurueck.begin(), zurueck.begin() + static_cast<std::ptrdiff_t>(weg));
}
