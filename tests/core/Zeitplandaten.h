#pragma once

#include "core/Klassendaten.h"
#include "distribution/UZeitplan.h"
#include "planning/UFunctions.h"

#include <QDate>

// A hand-made timetable of two days, one in summer time and one in winter time: 5a and 6b
// side by side, then Q1 alone; on the second day 7c.
struct TZeitplandaten : TDaten
{
    TZeitplan plan;
    TKlasse* k5a = nullptr;
    TKlasse* k6b = nullptr;
    TKlasse* q1 = nullptr;
    TKlasse* k7c = nullptr;
    double sommer = DatumZuWert(QDate(2026, 6, 15));
    double winter = DatumZuWert(QDate(2027, 1, 25));

    TZeitplandaten()
    {
        lehrer.Add(std::make_unique<TLehrer>(QStringLiteral("OHN"), QStringLiteral("Ohne"), QStringLiteral("Herr")));
        k5a = klasse(QStringLiteral("5a"), {QStringLiteral("MÜL"), QStringLiteral("BER")});
        k5a->K_Leitung << lehrkraft(QStringLiteral("MÜL"));
        k5a->Vorsitz = lehrkraft(QStringLiteral("VOR"));
        k6b = klasse(QStringLiteral("6b"), {QStringLiteral("ABC"), QStringLiteral("a/b")});
        q1 = klasse(QStringLiteral("Q1; Kurs, A\\B"), {QStringLiteral("MÜL"), QStringLiteral("ABC")});
        q1->Vorsitz = lehrkraft(QStringLiteral("BER"));
        k7c = klasse(QStringLiteral("7c"), {QStringLiteral("MÜL")});
        plan.Wechsel = 5;
        plan.Tage = {TPlanTag{sommer, {fenster(0, 14 * 60, {{k5a, 20}, {k6b, 15}}), fenster(1, 14 * 60 + 25, {{q1, 30}})}},
                     TPlanTag{winter, {fenster(0, 15 * 60, {{nullptr, 0}, {k7c, 20}})}}};
    }

    // A slot of the row from its start: the classes by column with their lengths.
    static TZeitfenster fenster(int zeile, int beginn, const QList<QPair<TKlasse*, int>>& klassen)
    {
        TZeitfenster f{zeile, beginn, beginn, {}};
        for (int spalte = 0; spalte < klassen.size(); ++spalte) {
            const auto& [klasse, dauer] = klassen.at(spalte);
            if (klasse == nullptr)
                continue;
            f.Konferenzen << TTermin{klasse, QStringLiteral("Raum %1").arg(spalte + 1), spalte, beginn, beginn + dauer};
            f.Ende = std::max(f.Ende, beginn + dauer);
        }
        return f;
    }
};
