#pragma once

#include "planning/UClasses.h"

#include <cstdint>
#include <memory>

// A realistic school, deterministic from a seed.
struct TSchule
{
    std::unique_ptr<TLehrerliste> Lehrer = std::make_unique<TLehrerliste>();
    std::unique_ptr<TKlassenliste> Klassen = std::make_unique<TKlassenliste>();
};

TSchule SchuleErzeugen(int klassenzahl, std::uint32_t startwert);
