// The timetable of the plan shown in the result window: times and rooms as the headers,
// the waiting of the teachers, the order of the rows, the settings dialog, the days into
// the classes, and the plan kept in the project.
#include "distribution/UErgebnis.h"

#include "app/UFenster.h"
#include "app/UMain.h"
#include "distribution/UErgebnisRaster.h"
#include "distribution/UErgebnisText.h"
#include "distribution/UReihenfolge.h"
#include "distribution/UVerteilung.h"
#include "distribution/UZeitplanDialog.h"
#include "editing/UDialogHilfen.h"
#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int HoechsteGrenze = 10;

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = Benannt<QPushButton>(eltern, name, text);
    k->setAutoDefault(false);
    return k;
}

// "Di 26.01." for the heads of the rows.
QString kurzerTag(double datum)
{
    static const char* const wochentage[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    const QDate tag = WertZuDatum(datum).date();
    return tag.isValid() ? QLatin1String(wochentage[tag.dayOfWeek() - 1]) + tag.toString(QStringLiteral(" dd.MM.")) : QString();
}

// The heads of the rows: the time of each slot, with the day when the settings have
// several; a row that fits into no day is "ohne Termin".
QStringList Zeilenkoepfe(const TZeitplan& zeitplan, int zeilen, bool mitTag)
{
    QStringList koepfe(zeilen, QStringLiteral("ohne Termin"));
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& fenster : tag.Zeitfenster) {
            if (fenster.Zeile < 0 || fenster.Zeile >= zeilen)
                continue;
            const QString zeit = UhrzeitText(fenster.Beginn) + QStringLiteral("–") + UhrzeitText(fenster.Ende);
            koepfe[fenster.Zeile] = mitTag ? kurzerTag(tag.Datum) + QLatin1Char(' ') + zeit : zeit;
        }
    return koepfe;
}

} // namespace

QWidget* TFErgebnis::zeitplanAufbauen()
{
    GroupBoxZeitplan = Benannt<QGroupBox>(this, "GroupBoxZeitplan", QStringLiteral("Zeitplan"));
    BZeitplan = knopf(GroupBoxZeitplan, "BZeitplan", QStringLiteral("&Zeitplan ..."));
    BZeitplan->setToolTip(QStringLiteral("Konferenztage, Dauer, Wechsel und Räume"));
    BReihenfolge = knopf(GroupBoxZeitplan, "BReihenfolge", QStringLiteral("&Reihenfolge optimieren"));
    BReihenfolge->setToolTip(QStringLiteral("Die Zeitfenster so ordnen, dass die Lehrkräfte möglichst wenig warten"));
    BTermine = knopf(GroupBoxZeitplan, "BTermine", QStringLiteral("&Termine übernehmen"));
    BTermine->setToolTip(QStringLiteral("Den Tag jeder Konferenz als Konferenzdatum ihrer Klasse eintragen"));
    CUhrzeiten = Benannt<QCheckBox>(GroupBoxZeitplan, "CUhrzeiten", QStringLiteral("m&it Uhrzeiten und Räumen"));
    CUhrzeiten->setToolTip(QStringLiteral("Ergebnis speichern und drucken mit Tag, Uhrzeiten und Räumen"));
    LWartezeit = Benannt<QLabel>(GroupBoxZeitplan, "LWartezeit");
    LWartezeit->setWordWrap(true);
    LNichtUntergebracht = Benannt<QLabel>(GroupBoxZeitplan, "LNichtUntergebracht");
    LNichtUntergebracht->setWordWrap(true);
    QPalette rot = LNichtUntergebracht->palette();
    rot.setColor(QPalette::WindowText, QColor(176, 0, 0));
    LNichtUntergebracht->setPalette(rot);
    LNichtUntergebracht->hide();

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BZeitplan);
    knoepfe->addWidget(BReihenfolge);
    knoepfe->addStretch(1);
    auto* zweite = new QHBoxLayout;
    zweite->addWidget(BTermine);
    zweite->addWidget(CUhrzeiten);
    zweite->addStretch(1);
    auto* spalte = new QVBoxLayout(GroupBoxZeitplan);
    spalte->addLayout(knoepfe);
    spalte->addLayout(zweite);
    spalte->addWidget(LWartezeit);
    spalte->addWidget(LNichtUntergebracht);

    Zeitplandialog = new TFZeitplanDialog(Dialoge(), this);
    connect(BZeitplan, &QPushButton::clicked, this, &TFErgebnis::BZeitplanClick);
    connect(BReihenfolge, &QPushButton::clicked, this, &TFErgebnis::BReihenfolgeClick);
    connect(BTermine, &QPushButton::clicked, this, &TFErgebnis::BTermineClick);
    connect(StringGrid1, &TErgebnisRaster::Verschoben, this, &TFErgebnis::zeitplanZeigen);
    // with "Vorsitz berücksichtigen" the chairs' conferences count as their own
    connect(CVorsitz, &QCheckBox::toggled, this, [this] {
        if (isVisible() && StringGrid1->rowCount() > 0)
            zeitplanZeigen();
    });
    return GroupBoxZeitplan;
}

TZeitplanEinstellungen TFErgebnis::einstellungen() const
{
    return WirksameEinstellungen(Projektzusatz.Zeitplan, *Klassenliste, DatumZuWert(QDate::currentDate()));
}

QStringList TFErgebnis::raeume() const
{
    return Raumnamen(einstellungen(), Edit1->value());
}

TPlanZeilen TFErgebnis::PlanZeilen() const
{
    TPlanZeilen zeilen;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        QList<TKlasse*> zeile;
        for (int c = 0; c < StringGrid1->columnCount(); ++c) {
            const QTableWidgetItem* zelle = StringGrid1->item(r, c);
            zeile << (zelle && !zelle->text().isEmpty() ? Klassenliste->SucheKlasse(zelle->text()) : nullptr);
        }
        zeilen << zeile;
    }
    return zeilen;
}

TErgebnisTabelle TFErgebnis::Ausgabetabelle() const
{
    return CUhrzeiten->isChecked() ? ZeitplanTabelle(PlanZeilen(), zeitplan, raeume()) : Tabelle();
}

void TFErgebnis::planZeigen(const TPlanZeilen& zeilen)
{
    qsizetype spalten = 0;
    for (const QList<TKlasse*>& zeile : zeilen)
        spalten = std::max(spalten, zeile.size());
    StringGrid1->Fuellen(ErgebnisTabelle(zeilen, static_cast<int>(std::max<qsizetype>(1, spalten))));
    zeitplanZeigen();
}

// Times and rooms into the headers, the figures beside the plan; the plan as shown is kept
// in the project.
void TFErgebnis::zeitplanZeigen()
{
    const TZeitplanEinstellungen e = einstellungen();
    const TPlanZeilen zeilen = PlanZeilen();
    zeitplan = ZeitplanBerechnen(zeilen, e, Konfliktarten());
    QStringList spalten = Raumnamen(e, Edit1->value());
    for (int c = static_cast<int>(spalten.size()); c < StringGrid1->columnCount(); ++c)
        spalten << Spaltenbuchstabe(c);
    StringGrid1->KoepfeSetzen(Zeilenkoepfe(zeitplan, StringGrid1->rowCount(), e.Tage.size() > 1),
                              spalten.mid(0, StringGrid1->columnCount()));
    StringGrid1->BreitenSetzen();
    LWartezeit->setText(WartezeitText(zeitplan.Wartezeit));
    LNichtUntergebracht->setText(NichtUntergebrachtText(zeitplan));
    LNichtUntergebracht->setVisible(!zeitplan.NichtUntergebracht.isEmpty());
    planMerken();
}

// The plan as shown belongs to the project from now on: saving writes it, opening shows it
// again. Only a plan that differs from the kept one is a change.
void TFErgebnis::planMerken()
{
    if (StringGrid1->rowCount() == 0)
        return;
    TGehaltenerPlan plan;
    plan.Grenze = Edit1->value();
    plan.Zeilen = PlanZeilen();
    eigenerPlan = plan;
    if (Projektzusatz.Plan && *Projektzusatz.Plan == plan)
        return;
    Projektzusatz.Plan = std::move(plan);
    Geaendert = true;
}

// The kept plan is shown again when it still fits the classes: every class exactly once and
// no two classes of a row in conflict under the rules of the boxes. A plan from the project
// file brings its limit along; the window's own last plan is only shown again for the limit
// it was made with, so a new limit means a new search. Its rows become the distribution the
// loops start from.
bool TFErgebnis::gehaltenenPlanNehmen()
{
    if (!Projektzusatz.Plan)
        return false;
    const TGehaltenerPlan& plan = *Projektzusatz.Plan;
    const bool ausDerDatei = !eigenerPlan || *eigenerPlan != plan;
    if (!ausDerDatei && plan.Grenze != Edit1->value())
        return false;
    if (!PlanPasst(plan.Zeilen, *Klassenliste, Konfliktarten()))
        return false;
    Edit1->setValue(plan.Grenze);
    Verteilung = VerteilungAus(plan.Zeilen);
    ColZahl = Spaltenzahl(*Verteilung);
    return true;
}

void TFErgebnis::reihenfolgeOrdnen()
{
    planZeigen(ReihenfolgeOptimieren(PlanZeilen(), einstellungen(), Konfliktarten(), ReihenfolgeEinheiten));
}

// Named rooms bound the limit: there are no more parallel conferences than rooms.
void TFErgebnis::grenzeAnRaeumeAnpassen()
{
    const QStringList namen = einstellungen().Raeume;
    Edit1->setMaximum(namen.isEmpty() ? HoechsteGrenze : std::min<int>(HoechsteGrenze, namen.size()));
    Edit1->setToolTip(namen.isEmpty() ? QString()
                                      : QStringLiteral("Höchstens so viele wie Räume im Zeitplan (%1)").arg(namen.size()));
}

void TFErgebnis::zeitplanFreigeben(bool frei)
{
    for (QWidget* w : std::initializer_list<QWidget*>{BZeitplan, BReihenfolge, BTermine, CUhrzeiten})
        w->setEnabled(frei);
}

void TFErgebnis::BZeitplanClick()
{
    if (!Zeitplandialog->Bearbeiten(Edit1->value()))
        return;
    grenzeAnRaeumeAnpassen();
    zeitplanZeigen();
}

void TFErgebnis::BReihenfolgeClick()
{
    reihenfolgeOrdnen();
    StringGrid1->setFocus();
}

// Each class of the timetable gets the day of its conference as its conference date; a
// date set before is only replaced after a question.
void TFErgebnis::BTermineClick()
{
    QList<QPair<TKlasse*, double>> termine;
    int ueberschrieben = 0;
    for (const TPlanTag& tag : zeitplan.Tage)
        for (const TZeitfenster& fenster : tag.Zeitfenster)
            for (const TTermin& termin : fenster.Konferenzen) {
                termine << qMakePair(termin.Klasse, tag.Datum);
                if (termin.Klasse->Konferenzdatum != 0.0 && termin.Klasse->Konferenzdatum != tag.Datum)
                    ++ueberschrieben;
            }
    if (termine.isEmpty())
        return;
    if (ueberschrieben > 0
        && !Dialoge().Frage(this, QStringLiteral("Termine übernehmen"),
                            QStringLiteral("%1 Klasse(n) haben schon ein anderes Konferenzdatum. Soll es durch den "
                                           "Tag aus dem Zeitplan ersetzt werden?")
                                .arg(ueberschrieben)))
        return;
    for (const auto& [klasse, datum] : termine)
        klasse->Konferenzdatum = datum;
    Geaendert = true;
    if (auto* haupt = qobject_cast<TFMain*>(parentWidget()))
        haupt->TreeViewAktualisieren();
    QString meldung = QStringLiteral("Das Konferenzdatum von %1 Klasse(n) wurde eingetragen.").arg(termine.size());
    if (!zeitplan.NichtUntergebracht.isEmpty())
        meldung += QStringLiteral("\n\n") + LNichtUntergebracht->text();
    Dialoge().Meldung(this, meldung, QStringLiteral("Termine übernehmen"));
}
