// "Vorsitz verteilen" in the result window: the optimisation keeps the chair rule, and the
// plan found gives every class without a chair one of the marked teachers.
#include "distribution/UErgebnis.h"

#include "distribution/UErgebnisRaster.h"
#include "editing/UAenderungen.h"
#include "planning/UVar.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

QCheckBox* TFErgebnis::vorsitzKaestchenAufbauen(QWidget* eltern)
{
    CVorsitzVerteilen = new QCheckBox(QStringLiteral("Vorsitz ver&teilen"), eltern);
    CVorsitzVerteilen->setObjectName(QStringLiteral("CVorsitzVerteilen"));
    CVorsitzVerteilen->setToolTip(QStringLiteral("Jede Klasse ohne Vorsitz erhält eine der Lehrkräfte, die "
                                                 "Konferenzen leiten dürfen; niemand sitzt zugleich in zwei Konferenzen."));
    return CVorsitzVerteilen;
}

// Before a search with the box ticked: the chairs this window gave earlier are taken back
// (they would count as set by hand) and the marked teachers are read. False, with a message,
// when nobody is marked.
bool TFErgebnis::vorsitzVorbereiten()
{
    vorsitzEinstellung.reset();
    if (!CVorsitzVerteilen->isChecked())
        return true;
    for (const auto& [klasse, lehrer] : gegebeneVorsitze)
        if (Klassenliste->IndexOf(klasse) >= 0 && klasse->Vorsitz == lehrer)
            VorsitzSetzen({klasse}, nullptr);
    gegebeneVorsitze.clear();
    const QList<TLehrer*> markiert = MarkierteVorsitzende(*Lehrerliste);
    if (markiert.isEmpty()) {
        Dialoge().Meldung(this, QStringLiteral("Keine Lehrkraft darf Konferenzen leiten. Markieren Sie die "
                                               "Vorsitzenden im Dialog \"Lehrer bearbeiten\"."));
        return false;
    }
    vorsitzEinstellung = TVorsitzEinstellung{markiert};
    return true;
}

// After the search: the chairs of the plan shown; when it cannot have them, the label names
// the classes that block. New chairs sit in their conferences, so the order of the slots is
// made again with their waiting.
void TFErgebnis::vorsitzZuteilen()
{
    if (!vorsitzEinstellung)
        return;
    const TVorsitzZuteilung zuteilung = VorsitzVerteilen(*Verteilung, *vorsitzEinstellung);
    if (!zuteilung.Moeglich) {
        LUntergrenze->setText(BlockiertText(zuteilung.Blockierend));
        return;
    }
    gegebeneVorsitze = zuteilung.Neu;
    if (!zuteilung.Neu.isEmpty()) {
        Geaendert = true;
        reihenfolgeOrdnen();
    }
    LUntergrenze->setText(LUntergrenze->text() +
                          QStringLiteral("\nVorsitz: %1 bis %2 Konferenzen je Person.")
                              .arg(zuteilung.NiedrigsteLast)
                              .arg(zuteilung.HoechsteLast));
}

// With the box ticked, the bound takes the chairs into account; the reason when they raise it.
QString TFErgebnis::vorsitzSchranke(int& zeilen) const
{
    if (!CVorsitzVerteilen->isChecked())
        return {};
    const TVorsitzSchranke schranke =
        VorsitzUntergrenze(zeilen, Klassenliste->Count(), Edit1->value(),
                           VorsitzPersonen(*Klassenliste, MarkierteVorsitzende(*Lehrerliste)));
    zeilen = schranke.Zeilen;
    return schranke.DurchVorsitz ? VorsitzSchrankeText(schranke) : QString();
}
