#pragma once

#include "support/Schulgenerator.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <vector>

// CPU time of the running thread in seconds, so that other processes on the machine
// disturb the measurement little.
inline double Rechenzeit()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The generated school of that many classes that the speed benchmarks share, made once.
inline TSchule& Benchmarkschule(int klassenzahl)
{
    static std::map<int, TSchule> schulen;
    auto gefunden = schulen.find(klassenzahl);
    if (gefunden == schulen.end())
        gefunden = schulen.emplace(klassenzahl, SchuleErzeugen(klassenzahl, 2027)).first;
    return gefunden->second;
}

// One benchmark instance: a generated school and a limit of parallel conferences.
struct TInstanz
{
    int Klassen;
    std::uint32_t Startwert;
    int Grenze;
};

// The table of the benchmark: 30, 60, 90 and 120 classes at the limits 2, 4, 6, 8 and 10,
// ten schools of each size.
inline std::vector<TInstanz> Tabelleninstanzen()
{
    std::vector<TInstanz> instanzen;
    for (int klassen : {30, 60, 90, 120})
        for (int grenze : {2, 4, 6, 8, 10})
            for (std::uint32_t schule = 1; schule <= 10; ++schule)
                instanzen.push_back({klassen, 1000u * static_cast<std::uint32_t>(klassen) + schule, grenze});
    return instanzen;
}

// A sample across the whole range: 300 schools of 20 to 130 classes at limits 2 to 10.
inline std::vector<TInstanz> Stichprobe()
{
    std::vector<TInstanz> instanzen;
    for (int i = 0; i < 300; ++i)
        instanzen.push_back({20 + (i * 53) % 111, 500000u + static_cast<std::uint32_t>(i), 2 + (i * 4 + i / 9) % 9});
    return instanzen;
}

// Large schools (pools of teachers per grade): 160 and 250 classes at the limits 2, 4, 6, 8
// and 10, three schools of each size.
inline std::vector<TInstanz> GrosseSchulen()
{
    std::vector<TInstanz> instanzen;
    for (int klassen : {160, 250})
        for (int grenze : {2, 4, 6, 8, 10})
            for (std::uint32_t schule = 1; schule <= 3; ++schule)
                instanzen.push_back({klassen, 1000u * static_cast<std::uint32_t>(klassen) + schule, grenze});
    return instanzen;
}
