#pragma once

#include "planning/UClasses.h"

#include <cstdint>
#include <memory>

// A realistic school, deterministic from a seed: grades 5 to 10 with parallel classes
// (5a, 5b, ...) and the upper-school stages EF, Q1 and Q2; 60 to 150 teachers, who teach
// mostly in neighbouring grades; from 131 classes on (large comprehensive or vocational
// schools) 1.25 teachers per class in a pool per grade, who teach almost only in their own
// grade (85 %) and the next; 8 to 16 teachers per class; class leadership, chair,
// conference date and parent representatives for every class. The teachers are sorted in
// teacher order, the classes in class order.
struct TSchule
{
    std::unique_ptr<TLehrerliste> Lehrer = std::make_unique<TLehrerliste>();
    std::unique_ptr<TKlassenliste> Klassen = std::make_unique<TKlassenliste>();
};

struct TSchulOptionen
{
    int Lehrerzahl = 0;           // 0: from the number of classes, 60 to 150
    int LehrerProKlasseMin = 8;   // at most the number of teachers
    int LehrerProKlasseMax = 16;
    int KlassenOhneLehrer = 0;    // this many classes, chosen at random, get no teachers
};

TSchule SchuleErzeugen(int klassenzahl, std::uint32_t startwert);
TSchule SchuleErzeugen(int klassenzahl, std::uint32_t startwert, const TSchulOptionen& optionen);
