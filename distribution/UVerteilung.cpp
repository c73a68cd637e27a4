#include "distribution/UVerteilung.h"

#include "distribution/UBitmenge.h"
#include "distribution/USuche.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The prepared search of the last call. Repeated searches over unchanged data (the
// optimisation loops) reuse it; any change of the classes or of the kinds of conflict
// builds a new one.
TSuche& vorbereiteteSuche(const TKlassenliste& klassen, TKonfliktArten arten)
{
    static std::unique_ptr<TSuche> suche;
    if (!suche || suche->Arten() != arten || !suche->Passt(klassen))
        suche = std::make_unique<TSuche>(klassen, arten);
    return *suche;
}

} // namespace

const QString MeldungZuWenigeKlassen = QStringLiteral("Es müssen mindestens 2 Klassen mit Lehrkräften eingerichtet sein.");

std::unique_ptr<TVerteilung> VerteilungSuchen(const TKlassenliste& klassen, int limit, TZufall& zufall,
                                              TKonfliktArten arten)
{
    TSuche& suche = vorbereiteteSuche(klassen, arten);
    suche.Durchlauf(limit, zufall);
    return suche.LetzteVerteilung();
}

int VerteilungSuchen(int limit)
{
    return VerteilungSuchen(limit, TKonfliktArten{});
}

int VerteilungSuchen(int limit, TKonfliktArten arten)
{
    Verteilung.reset();
    Verteilung = Klassenliste ? VerteilungSuchen(*Klassenliste, limit, Zufall, arten) : std::make_unique<TVerteilung>();
    return Spaltenzahl(*Verteilung);
}

int Spaltenzahl(const TVerteilung& verteilung)
{
    int spalten = 1;
    for (const TGruppe* gruppe : verteilung)
        spalten = std::max(spalten, static_cast<int>(gruppe->size()));
    return spalten;
}

bool PlanPasst(const QList<QList<TKlasse*>>& zeilen, const TKlassenliste& klassen, TKonfliktArten arten)
{
    const TSuche suche(klassen, arten);
    QHash<const TKlasse*, int> rang;
    for (int r = 0; r < suche.Klassenzahl(); ++r)
        rang.insert(suche.KlasseVonRang(r), r);
    QSet<const TKlasse*> gesehen;
    for (const QList<TKlasse*>& zeile : zeilen)
        for (qsizetype i = 0; i < zeile.size(); ++i) {
            const TKlasse* k = zeile[i];
            if (!k)
                continue;
            if (!rang.contains(k) || gesehen.contains(k))
                return false;
            gesehen.insert(k);
            for (qsizetype j = 0; j < i; ++j)
                if (zeile[j] && BitGesetzt(suche.Konflikte(rang[k]), rang[zeile[j]]))
                    return false;
        }
    return gesehen.size() == rang.size();
}
