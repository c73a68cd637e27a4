#include "distribution/UVerteilung.h"

#include "distribution/USuche.h"

#include <algorithm>

namespace {

// The prepared search of the last call. Repeated searches over unchanged data (the
// optimisation loops) reuse it; any change of the classes builds a new one.
TSuche& vorbereiteteSuche(const TKlassenliste& klassen)
{
    static std::unique_ptr<TSuche> suche;
    if (!suche || !suche->Passt(klassen))
        suche = std::make_unique<TSuche>(klassen);
    return *suche;
}

} // namespace

std::unique_ptr<TVerteilung> VerteilungSuchen(const TKlassenliste& klassen, int limit, TZufall& zufall)
{
    TSuche& suche = vorbereiteteSuche(klassen);
    suche.Durchlauf(limit, zufall);
    return suche.LetzteVerteilung();
}

int VerteilungSuchen(int limit)
{
    Verteilung.reset();
    Verteilung = Klassenliste ? VerteilungSuchen(*Klassenliste, limit, Zufall) : std::make_unique<TVerteilung>();
    return Spaltenzahl(*Verteilung);
}

int Spaltenzahl(const TVerteilung& verteilung)
{
    int spalten = 1;
    for (const TGruppe* gruppe : verteilung)
        spalten = std::max(spalten, static_cast<int>(gruppe->size()));
    return spalten;
}
