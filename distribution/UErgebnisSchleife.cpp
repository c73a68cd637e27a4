// The plan shown in the result window and the two loops that search for a better one.
#include "distribution/UErgebnis.h"

#include "distribution/UErgebnisRaster.h"
#include "distribution/UOptimierung.h"
#include "distribution/UPlanwahl.h"
#include "distribution/UReihenfolge.h"
#include "distribution/USucheGraph.h"
#include "distribution/UVerteilung.h"
#include "planning/UVar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <limits>

// The plan of Verteilung in the order the search found it.
void TFErgebnis::ErgebnisAnzeigen()
{
    planZeigen(Planzeilen(*Verteilung, ColZahl));
    untergrenzeZeigen();
    neuGezeigt = true;
}

// The bound belongs to the rules the plan shown was searched with, which are those of the
// controls: a plan is only shown right after its search, and the controls are locked
// while a loop runs. It is computed once for each set of rules within an evaluation.
void TFErgebnis::untergrenzeZeigen()
{
    const int grenze = Edit1->value();
    const TKonfliktArten arten = Konfliktarten();
    if (!untergrenze || untergrenze->Grenze != grenze || untergrenze->Arten != arten)
        untergrenze = TUntergrenze{grenze, arten, Untergrenze(TKonfliktgraph(TSuche(*Klassenliste, arten)), grenze)};
    int zeilen = untergrenze->Zeilen;
    const QString grund = vorsitzSchranke(zeilen);
    LUntergrenze->setText(StringGrid1->rowCount() <= zeilen
                              ? QStringLiteral("Optimal: weniger Zeitfenster sind nicht möglich.")
                              : (grund.isEmpty() ? QStringLiteral("Weniger als %1 Zeitfenster sind nicht möglich.").arg(zeilen)
                                                 : grund));
}

// During a loop only "Abbruch" and the table stay usable.
void TFErgebnis::schalterFreigeben(bool frei)
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{Button3, Button1, Button4, Button5, Edit1, Edit2, C2, CVorsitz, CEltern,
                                        CVorsitzVerteilen})
        w->setEnabled(frei);
    zeitplanFreigeben(frei);
    Button2->setText(frei ? QStringLiteral("S&chließen") : QStringLiteral("&Abbruch"));
    laeuft = !frei;
}

void TFErgebnis::schleifeBeginnen()
{
    schalterFreigeben(false);
    stoppen = false;
    neuGezeigt = false;
}

// A plan a loop has shown gets the order with little waiting when the loop is over.
void TFErgebnis::schleifeGeendet()
{
    if (neuGezeigt)
        reihenfolgeOrdnen();
    neuGezeigt = false;
}

void TFErgebnis::SucheBeenden()
{
    stoppen = true;
    schalterFreigeben(true);
}

void TFErgebnis::Button1Click()
{
    if (!vorsitzVorbereiten())
        return;
    if (C1->isChecked()) {
        schleifeMitC1();
    } else {
        ColZahl = VerteilungSuchen(Edit1->value(), Konfliktarten());
        ErgebnisAnzeigen();
        reihenfolgeOrdnen();
    }
    vorsitzZuteilen();
    StringGrid1->setFocus();
}

// Searches until a plan has no more rows than the one shown; only the rows count.
// Cancelled before that, the plan shown stays.
void TFErgebnis::schleifeMitC1()
{
    const int grenze = Edit1->value();
    const TKonfliktArten arten = Konfliktarten();
    schleifeBeginnen();
    qsizetype zeilen = Verteilung->Count();
    std::unique_ptr<TVerteilung> neueListe = std::move(Verteilung);
    do {
        ColZahl = VerteilungSuchen(grenze, arten);
        if (Verteilung->Count() <= zeilen) {
            ErgebnisAnzeigen();
            neueListe = std::move(Verteilung);
            Verteilung = std::make_unique<TVerteilung>();
            zeilen = neueListe->Count();
            stoppen = true;
        }
        QCoreApplication::processEvents();
    } while (!stoppen);
    Verteilung = std::move(neueListe);
    ColZahl = Spaltenzahl(*Verteilung);
    SucheBeenden();
    schleifeGeendet();
}

// Runs the optimisation step by step until the countdown or "Abbruch" ends it, or until
// the plan shown cannot be beaten; each better plan replaces the one shown. The exact
// search of the loop may raise the lower bound; the label then shows the raised one.
void TFErgebnis::Button3Click()
{
    if (!vorsitzVorbereiten())
        return;
    if (Edit2->value() <= 0) {
        Edit2->setValue(Merker);
        Timer1->Anhalten();
    }
    schleifeBeginnen();
    Merker = static_cast<qint16>(Edit2->value());
    optimiert = true;
    Timer1->Starten();

    const int grenze = Edit1->value();
    const TKonfliktArten arten = Konfliktarten();
    const bool spalten = C2->isChecked();
    TOptimierung optimierung(*Klassenliste, grenze, spalten, arten, vorsitzEinstellung ? &*vorsitzEinstellung : nullptr);
    TVerteilungsMass bisher{static_cast<int>(Verteilung->Count()), ColZahl};
    // the improving search starts from the plan shown, when it keeps the rules of this run
    if (!optimierung.Vorgeben(*Verteilung) && vorsitzEinstellung)
        bisher = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}; // the plan shown lacks chairs
    // the same loop as on the command line, without an end of its own: the countdown or
    // "Abbruch" ends it, or a plan that nothing can beat
    // "or a plan that nothing can beat": the exact search runs in slices of the same loop,
    // and when it raises the lower bound, the label shows the new one
    untergrenze = TUntergrenze{grenze, arten, optimierung.Untergrenze()};
    OptimierungLaufen(optimierung, Zufall, std::numeric_limits<double>::infinity(), Wanduhr, [&](bool besser) {
        const bool angehoben = optimierung.Untergrenze() != untergrenze->Zeilen;
        untergrenze->Zeilen = optimierung.Untergrenze();
        if (besser && Besser(optimierung.Bestes(), bisher, spalten)) {
            Verteilung = optimierung.BesterPlan();
            bisher = optimierung.Bestes();
            ColZahl = bisher.Spalten;
            ErgebnisAnzeigen();
        } else if (angehoben) {
            untergrenzeZeigen();
        }
        QCoreApplication::processEvents();
        return !stoppen;
    });
    if (!stoppen)
        SucheBeenden();
    ColZahl = bisher.Spalten;
    const TVerteilungsMass bestes = optimierung.Bestes();
    if (bestes.Zeilen == bisher.Zeilen && bestes.Spalten == bisher.Spalten)
        wenigWartenZeigen(optimierung, spalten);
    schleifeGeendet();
    vorsitzZuteilen();
    StringGrid1->setFocus();
}

// The plan shown is the optimisation's best: of the plans just as good that it knows or
// meets in a few more steps, the one in which the teachers wait least, in its order.
void TFErgebnis::wenigWartenZeigen(TOptimierung& optimierung, bool spalten)
{
    const TPlanZeilen zeilen =
        PlanMitWenigWarten(optimierung, Zufall, spalten, einstellungen(), Konfliktarten(), ReihenfolgeEinheiten);
    Verteilung = VerteilungAus(zeilen);
    ColZahl = Spaltenzahl(*Verteilung);
    planZeigen(zeilen);
    untergrenzeZeigen();
    neuGezeigt = false; // ordered already
}

// Once a second: counts the seconds down while the loop runs (not below the field's
// minimum, -1) and ends it at 0; one tick after the end the start value shows again.
void TFErgebnis::Timer1Timer()
{
    if (stoppen) {
        Timer1->Anhalten();
        Edit2->setValue(Merker);
        return;
    }
    const int wert = std::max(Edit2->minimum(), Edit2->value() - 1);
    Edit2->setValue(wert);
    if (wert == 0)
        SucheBeenden();
}

void TFErgebnis::Button2Click()
{
    if (!laeuft) {
        StringGrid1->HinweisVerbergen(); // a window of its own, it would outlive the closed window
        TDialogFenster::reject();
        return;
    }
    SucheBeenden();
    // Before the first optimisation Merker is 0, which would turn the next one into a
    // search without end.
    if (optimiert)
        Edit2->setValue(Merker);
    Timer1->Anhalten();
}
