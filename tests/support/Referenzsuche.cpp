#include "support/Referenzsuche.h"

#include "planning/UFunctions.h"

#include <algorithm>

namespace {

bool GemeinsamerLehrer(const TKlasse* kandidat, const TKlasse* mitglied)
{
    for (const TLehrer* lehrer : kandidat->Unterrichtende)
        if (mitglied->Unterrichtende.contains(lehrer))
            return true;
    return false;
}

bool KeinGemeinsamerLehrer(const TKlasse* kandidat, const TGruppe& gruppe)
{
    for (const TKlasse* mitglied : gruppe)
        if (GemeinsamerLehrer(kandidat, mitglied))
            return false;
    return true;
}

} // namespace

std::unique_ptr<TVerteilung> GruppenFuellenEinfach(QList<TKlasse*> reihe, int limit)
{
    auto verteilung = std::make_unique<TVerteilung>();
    while (!reihe.isEmpty()) {
        auto gruppe = std::make_unique<TGruppe>();
        gruppe->append(reihe.takeFirst());
        qsizetype i = 0;
        while (i < reihe.size()) {
            if (KeinGemeinsamerLehrer(reihe[i], *gruppe) && gruppe->size() < limit)
                gruppe->append(reihe.takeAt(i));
            else
                ++i;
        }
        verteilung->Add(std::move(gruppe));
    }
    return verteilung;
}

QList<TKlasse*> ReihenfolgeMischen(const TKlassenliste& klassen, TZufall& zufall)
{
    QList<TKlasse*> reihe;
    for (TKlasse* klasse : klassen)
        reihe.append(klasse);
    for (auto r = reihe.size(); r >= 2; --r)
        reihe.move(zufall.Ziehen(static_cast<std::uint32_t>(r)), reihe.size() - 1);
    return reihe;
}

std::unique_ptr<TVerteilung> VerteilungSuchenEinfach(const TKlassenliste& klassen, int limit, TZufall& zufall)
{
    if (klassen.Count() < 2)
        return std::make_unique<TVerteilung>();
    auto verteilung = GruppenFuellenEinfach(ReihenfolgeMischen(klassen, zufall), limit);
    for (TGruppe* gruppe : *verteilung)
        std::sort(gruppe->begin(), gruppe->end(),
                  [](const TKlasse* a, const TKlasse* b) { return KlassenVergleich(a, b) < 0; });
    verteilung->Sort(GruppenVergleich);
    return verteilung;
}
