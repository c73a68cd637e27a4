#pragma once

#include "planning/UClasses.h"

#include <memory>

// Two teachers and three classes in a chain: 5a and 5b share A, 5b and the third class share
// B, so at the limit 2 the only plan of two rows is {5a, third}, {5b}.
struct TKette
{
    explicit TKette(const QString& dritte)
    {
        A = Lehrer.Add(std::make_unique<TLehrer>("A", "Albers", "Frau"));
        B = Lehrer.Add(std::make_unique<TLehrer>("B", "Bauer", "Herr"));
        K5a = Klassen.Add(std::make_unique<TKlasse>("5a"));
        K5b = Klassen.Add(std::make_unique<TKlasse>("5b"));
        Dritte = Klassen.Add(std::make_unique<TKlasse>(dritte));
        K5a->Unterrichtende << A;
        K5b->Unterrichtende << A << B;
        Dritte->Unterrichtende << B;
    }

    TLehrerliste Lehrer;
    TKlassenliste Klassen;
    TLehrer* A = nullptr;
    TLehrer* B = nullptr;
    TKlasse* K5a = nullptr;
    TKlasse* K5b = nullptr;
    TKlasse* Dritte = nullptr;
};
