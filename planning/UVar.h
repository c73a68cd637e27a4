#pragma once

#include "planning/UClasses.h"
#include "planning/UDatei.h"
#include "planning/UZusatz.h"

#include <QString>

#include <cstdint>
#include <memory>

// The planning state of the running program: one instance each per run.
extern std::unique_ptr<TLehrerliste> Lehrerliste;
extern std::unique_ptr<TKlassenliste> Klassenliste;
extern std::unique_ptr<TVerteilung> Verteilung;
// The timetable settings and the plan kept from the result window; their classes belong to
// Klassenliste.
extern TProjektZusatz Projektzusatz;
extern bool Geaendert;          // the planning data have changes that are not saved
extern QString Dateiname;       // full path of the project file; empty = no file yet
extern TDateiStand Dateistand;  // that file as it was last opened or saved
extern QString Programmpfad;    // folder of the program, with a trailing separator

// Minutes-text settings, read from the settings file at start-up.
extern QString Schriftname;
extern int Schriftgroesse;
extern int Schriftstil;         // bits of Schriftstile
extern bool MFnutzen;           // choose gendered designations by salutation

// Fixed lengths (cm) of the attendance lines of the minutes texts.
extern double Tabstopp;
extern double Einzug;
extern double Erstzeile;

// Format version of the project file being read.
extern int Dateiversion;

// The process-wide pseudo-random generator of the distribution search.
class TZufall
{
public:
    explicit TZufall(std::uint32_t startwert = 0) : seed(startwert) {}
    void Setzen(std::uint32_t startwert) { seed = startwert; }
    // A uniform draw in 0 .. r-1 (r >= 1).
    std::uint32_t Ziehen(std::uint32_t r)
    {
        seed = seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * r) >> 32);
    }

private:
    std::uint32_t seed;
};
extern TZufall Zufall;
// A seed for the generator from the clock: the low 32 bits of the high-resolution clock.
std::uint32_t UhrStartwert();

// Start-up of the planning state before any window exists: paths, settings file,
// empty lists, the random generator seeded from the clock, the font and option settings.
void PlanungsdatenStarten();
// Shut-down: the lists with all they own, then the settings file object.
void PlanungsdatenBeenden();
// Replaces the lists by these teachers and classes, the extra data by zusatz (whose classes
// are those of klassen) and the distribution by an empty one; the old distribution and
// classes, which refer to the old teachers, go first.
void ProjektSetzen(std::unique_ptr<TLehrerliste> lehrer, std::unique_ptr<TKlassenliste> klassen,
                   TProjektZusatz zusatz = TProjektZusatz());
// Replaces all three lists by empty ones (new project).
void LeeresProjekt();
