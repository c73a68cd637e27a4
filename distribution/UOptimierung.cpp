#include "distribution/UOptimierung.h"

#include "distribution/UVerteilung.h"

bool Besser(TVerteilungsMass neu, TVerteilungsMass bisher, bool spaltenMinimieren)
{
    if (neu.Zeilen != bisher.Zeilen)
        return neu.Zeilen < bisher.Zeilen;
    return spaltenMinimieren && neu.Spalten < bisher.Spalten;
}

TOptimierung::TOptimierung(const TKlassenliste& klassen, int grenze, bool spaltenMinimieren, TKonfliktArten arten)
    : suche(klassen), grenze(std::max(1, grenze)), spaltenMinimieren(spaltenMinimieren), arten(arten)
{
    const int n = klassen.Count();
    untergrenze = n < 2 ? 0 : (n + this->grenze - 1) / this->grenze;
}

TOptimierung::~TOptimierung() = default;

TVerteilungsMass TOptimierung::Schritt(TZufall& zufall)
{
    return suche.Durchlauf(grenze, zufall);
}

std::unique_ptr<TVerteilung> TOptimierung::Plan() const
{
    return suche.LetzteVerteilung();
}

int VerteilungSuchen(int limit, TKonfliktArten)
{
    return VerteilungSuchen(limit);
}
