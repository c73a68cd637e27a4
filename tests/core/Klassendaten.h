#pragma once

#include "planning/UClasses.h"

#include <QStringList>

#include <memory>

// Hand-made classes; teachers are created by abbreviation on first use.
struct TDaten
{
    TLehrerliste lehrer;
    TKlassenliste klassen;

    TLehrer* lehrkraft(const QString& kuerzel)
    {
        if (TLehrer* vorhanden = lehrer.Suche(kuerzel))
            return vorhanden;
        return lehrer.Add(std::make_unique<TLehrer>(kuerzel, kuerzel, QStringLiteral("Frau")));
    }
    TKlasse* klasse(const QString& bezeichnung, const QStringList& kuerzel = {})
    {
        TKlasse* k = klassen.Add(std::make_unique<TKlasse>(bezeichnung));
        for (const QString& kz : kuerzel)
            k->Unterrichtende << lehrkraft(kz);
        return k;
    }
};
