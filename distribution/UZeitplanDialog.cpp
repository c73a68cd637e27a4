#include "distribution/UZeitplanDialog.h"

#include "app/UDialoge.h"
#include "distribution/UZeitplan.h"
#include "editing/UDatumsfeld.h"
#include "editing/UDialogHilfen.h"
#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

constexpr int TagDatum = 0, TagBeginn = 1, TagEnde = 2;
constexpr int SonderKlassen = 0, SonderMinuten = 1;
constexpr int HoechsteDauer = 24 * 60;

QTime uhrzeit(int minuten)
{
    return QTime(minuten / 60 % 24, minuten % 60);
}

int minuten(const QTime& zeit)
{
    return zeit.hour() * 60 + zeit.minute();
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = Benannt<QPushButton>(eltern, name, text);
    k->setAutoDefault(false);
    return k;
}

QSpinBox* minutenfeld(QWidget* eltern, const char* name, int von, int wert)
{
    auto* feld = Benannt<QSpinBox>(eltern, name);
    feld->setRange(von, HoechsteDauer);
    feld->setSuffix(QStringLiteral(" min"));
    feld->setValue(wert);
    return feld;
}

QTableWidget* tabelle(QWidget* eltern, const char* name, const QStringList& spalten)
{
    auto* t = Benannt<QTableWidget>(eltern, name);
    t->setColumnCount(static_cast<int>(spalten.size()));
    t->setHorizontalHeaderLabels(spalten);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setMinimumHeight(110);
    return t;
}

// A row of buttons below a table: add, remove.
QHBoxLayout* knopfzeile(QPushButton* hinzu, QPushButton* weg)
{
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(hinzu);
    zeile->addWidget(weg);
    zeile->addStretch(1);
    return zeile;
}

// The current row of a table, else its last.
int gewaehlteZeile(const QTableWidget* t)
{
    return t->currentRow() >= 0 ? t->currentRow() : t->rowCount() - 1;
}

template <class W>
W* zelle(const QTableWidget* t, int zeile, int spalte)
{
    return qobject_cast<W*>(t->cellWidget(zeile, spalte));
}

QString datumText(double wert)
{
    return WertZuDatum(wert).date().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

TFZeitplanDialog::TFZeitplanDialog(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFZeitplanDialog"))
{
    setWindowTitle(QStringLiteral("Zeitplan"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* links = new QVBoxLayout;
    links->addWidget(tageAufbauen(), 1);
    links->addWidget(dauernAufbauen(), 1);
    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links, 3);
    spalten->addWidget(raeumeAufbauen(), 2);

    auto* flaeche = new QVBoxLayout(this);
    flaeche->addLayout(spalten, 1);
    std::tie(Button1, Button2) =
        OkAbbrechenZeile(this, flaeche, "Button1", QStringLiteral("&OK"), QStringLiteral("Abbrechen"));
    connect(Button1, &QPushButton::clicked, this, &TFZeitplanDialog::accept);
    connect(TagHinzu, &QPushButton::clicked, this, &TFZeitplanDialog::TagHinzuClick);
    connect(TagWeg, &QPushButton::clicked, this, &TFZeitplanDialog::TagWegClick);
    connect(DauerHinzu, &QPushButton::clicked, this, &TFZeitplanDialog::DauerHinzuClick);
    connect(DauerWeg, &QPushButton::clicked, this, &TFZeitplanDialog::DauerWegClick);
    // fits a screen of 960 × 540 with its frame
    resize(720, 470);
}

QWidget* TFZeitplanDialog::tageAufbauen()
{
    auto* g = Benannt<QGroupBox>(this, "GTage", QStringLiteral("Konferenztage"));
    Tage = tabelle(g, "Tage", {QStringLiteral("Datum"), QStringLiteral("Beginn"), QStringLiteral("Spätestes Ende")});
    TagHinzu = knopf(g, "TagHinzu", QStringLiteral("Tag &hinzufügen"));
    TagWeg = knopf(g, "TagWeg", QStringLiteral("Tag &entfernen"));
    auto* spalte = new QVBoxLayout(g);
    spalte->addWidget(Tage, 1);
    spalte->addLayout(knopfzeile(TagHinzu, TagWeg));
    return g;
}

QWidget* TFZeitplanDialog::dauernAufbauen()
{
    auto* g = Benannt<QGroupBox>(this, "GDauern", QStringLiteral("Dauer"));
    Dauer = minutenfeld(g, "Dauer", 5, 20);
    Wechsel = minutenfeld(g, "Wechsel", 0, 5);
    auto* lDauer = Benannt<QLabel>(g, "LDauer", QStringLiteral("&Konferenz:"));
    auto* lWechsel = Benannt<QLabel>(g, "LWechsel", QStringLiteral("&Wechsel zwischen den Zeitfenstern:"));
    lDauer->setBuddy(Dauer);
    lWechsel->setBuddy(Wechsel);
    Sonderdauern = tabelle(g, "Sonderdauern", {QStringLiteral("Klasse oder Stufe"), QStringLiteral("Dauer")});
    Sonderdauern->setColumnWidth(SonderKlassen, 150);
    Sonderdauern->setToolTip(QStringLiteral("Eigene Dauer für einzelne Klassen (z.B. 10a) oder ganze Stufen (z.B. Q2)"));
    DauerHinzu = knopf(g, "DauerHinzu", QStringLiteral("Eigene &Dauer hinzufügen"));
    DauerWeg = knopf(g, "DauerWeg", QStringLiteral("Eigene Dauer ent&fernen"));

    auto* felder = new QGridLayout;
    felder->addWidget(lDauer, 0, 0);
    felder->addWidget(Dauer, 0, 1);
    felder->addWidget(lWechsel, 1, 0);
    felder->addWidget(Wechsel, 1, 1);
    felder->setColumnStretch(2, 1);
    auto* spalte = new QVBoxLayout(g);
    spalte->addLayout(felder);
    spalte->addWidget(Sonderdauern, 1);
    spalte->addLayout(knopfzeile(DauerHinzu, DauerWeg));
    return g;
}

QWidget* TFZeitplanDialog::raeumeAufbauen()
{
    auto* g = Benannt<QGroupBox>(this, "GRaeume", QStringLiteral("&Räume (ein Name je Zeile)"));
    Raeume = Benannt<QPlainTextEdit>(g, "Raeume");
    Raeume->setTabChangesFocus(true);
    LRaeume = Benannt<QLabel>(g, "LRaeume",
                              QStringLiteral("Die Spalten des Plans erhalten die Räume der Reihe nach. Weniger Räume als "
                                             "die Maximalzahl paralleler Konferenzen senken diese Zahl."));
    LRaeume->setWordWrap(true);
    auto* spalte = new QVBoxLayout(g);
    spalte->addWidget(Raeume, 1);
    spalte->addWidget(LRaeume);
    return g;
}

bool TFZeitplanDialog::Bearbeiten(int grenzeJetzt)
{
    const double heute = DatumZuWert(QDate::currentDate());
    const TZeitplanEinstellungen vorher = WirksameEinstellungen(Projektzusatz.Zeitplan, *Klassenliste, heute);
    Zeigen(vorher, grenzeJetzt);
    if (exec() != QDialog::Accepted)
        return false;
    QString fehler;
    const std::optional<TZeitplanEinstellungen> neu = Einstellungen(fehler);
    // settings equal to those in effect leave a project without settings as it is
    if (!neu || *neu == vorher)
        return false;
    Projektzusatz.Zeitplan = *neu;
    Geaendert = true;
    return true;
}

void TFZeitplanDialog::Zeigen(const TZeitplanEinstellungen& e, int grenzeJetzt)
{
    grenze = grenzeJetzt;
    Tage->setRowCount(0);
    for (const TKonferenztag& tag : e.Tage)
        tagAnfuegen(tag);
    Dauer->setValue(e.Dauer);
    Wechsel->setValue(e.Wechsel);
    Sonderdauern->setRowCount(0);
    for (const TSonderdauer& s : e.Sonderdauern)
        sonderdauerAnfuegen(s);
    TZeitplanEinstellungen ohneRaeume = e;
    ohneRaeume.Raeume.clear();
    vorgabeRaeume = Raumnamen(ohneRaeume, grenze);
    Raeume->setPlainText((e.Raeume.isEmpty() ? vorgabeRaeume : e.Raeume).join(u'\n'));
    knoepfeFreigeben();
}

std::optional<TZeitplanEinstellungen> TFZeitplanDialog::Einstellungen(QString& fehler) const
{
    TZeitplanEinstellungen e;
    QSet<double> daten;
    for (int r = 0; r < Tage->rowCount(); ++r) {
        TKonferenztag tag;
        const TDatumsfeld* feld = zelle<TDatumsfeld>(Tage, r, TagDatum);
        if (!feld->date().isValid()) {
            fehler = QStringLiteral("Das Datum \"%1\" in Zeile %2 der Konferenztage gibt es nicht. Bitte geben Sie "
                                    "es als TT.MM.JJJJ ein (zum Beispiel 22.01.2027).")
                         .arg(feld->text().trimmed())
                         .arg(r + 1);
            return std::nullopt;
        }
        tag.Datum = DatumZuWert(feld->date());
        tag.Beginn = minuten(zelle<QTimeEdit>(Tage, r, TagBeginn)->time());
        tag.Ende = minuten(zelle<QTimeEdit>(Tage, r, TagEnde)->time());
        if (daten.contains(tag.Datum)) {
            fehler = QStringLiteral("Der %1 steht zweimal in der Liste der Konferenztage.").arg(datumText(tag.Datum));
            return std::nullopt;
        }
        if (tag.Ende <= tag.Beginn) {
            fehler = QStringLiteral("Am %1 liegt das Ende nicht nach dem Beginn.").arg(datumText(tag.Datum));
            return std::nullopt;
        }
        daten.insert(tag.Datum);
        e.Tage << tag;
    }
    std::sort(e.Tage.begin(), e.Tage.end(),
              [](const TKonferenztag& a, const TKonferenztag& b) { return a.Datum < b.Datum; });
    e.Dauer = Dauer->value();
    e.Wechsel = Wechsel->value();
    for (int r = 0; r < Sonderdauern->rowCount(); ++r) {
        const QTableWidgetItem* klassen = Sonderdauern->item(r, SonderKlassen);
        const QString name = klassen ? klassen->text().trimmed() : QString();
        if (name.isEmpty()) {
            fehler = QStringLiteral("Bitte tragen Sie in jeder Zeile der eigenen Dauern eine Klasse oder Stufe ein.");
            return std::nullopt;
        }
        e.Sonderdauern << TSonderdauer{name, zelle<QSpinBox>(Sonderdauern, r, SonderMinuten)->value()};
    }
    const QStringList raeume = Namensliste(Raeume->toPlainText(), u'\n');
    if (raeume.isEmpty()) {
        fehler = QStringLiteral("Bitte nennen Sie mindestens einen Raum.");
        return std::nullopt;
    }
    if (QSet<QString>(raeume.begin(), raeume.end()).size() < raeume.size()) {
        fehler = QStringLiteral("Jeder Raum darf nur einmal genannt werden.");
        return std::nullopt;
    }
    // the rooms of the limit are no rooms of the project's own: they follow the limit
    if (raeume != vorgabeRaeume)
        e.Raeume = raeume;
    return e;
}

void TFZeitplanDialog::accept()
{
    QString fehler;
    if (!Einstellungen(fehler)) {
        Dialoge().Fehlermeldung(this, fehler);
        return;
    }
    TDialogFenster::accept();
}

void TFZeitplanDialog::tagAnfuegen(const TKonferenztag& tag)
{
    const int r = Tage->rowCount();
    Tage->insertRow(r);
    auto* datum = new TDatumsfeld;
    datum->setDate(WertZuDatum(tag.Datum).date());
    datum->setObjectName(QStringLiteral("TagDatum%1").arg(r + 1));
    Tage->setCellWidget(r, TagDatum, datum);
    const auto zeitfeld = [&](int spalte, const QString& name, int wert) {
        auto* feld = new QTimeEdit(uhrzeit(wert));
        feld->setObjectName(name.arg(r + 1));
        feld->setDisplayFormat(QStringLiteral("HH:mm"));
        Tage->setCellWidget(r, spalte, feld);
    };
    zeitfeld(TagBeginn, QStringLiteral("TagBeginn%1"), tag.Beginn);
    zeitfeld(TagEnde, QStringLiteral("TagEnde%1"), tag.Ende);
    Tage->resizeColumnToContents(TagDatum);
}

void TFZeitplanDialog::sonderdauerAnfuegen(const TSonderdauer& dauer)
{
    const int r = Sonderdauern->rowCount();
    Sonderdauern->insertRow(r);
    Sonderdauern->setItem(r, SonderKlassen, new QTableWidgetItem(dauer.Klassen));
    auto* feld = minutenfeld(nullptr, "", 5, dauer.Minuten);
    feld->setObjectName(QStringLiteral("SonderMinuten%1").arg(r + 1));
    Sonderdauern->setCellWidget(r, SonderMinuten, feld);
}

// A new day follows the last one, a day later, in the same time frame.
void TFZeitplanDialog::TagHinzuClick()
{
    TKonferenztag tag;
    if (Tage->rowCount() > 0) {
        const int letzte = Tage->rowCount() - 1;
        const QDate letzterTag = zelle<TDatumsfeld>(Tage, letzte, TagDatum)->date();
        tag.Datum = DatumZuWert(letzterTag.isValid() ? letzterTag.addDays(1) : QDate::currentDate());
        tag.Beginn = minuten(zelle<QTimeEdit>(Tage, letzte, TagBeginn)->time());
        tag.Ende = minuten(zelle<QTimeEdit>(Tage, letzte, TagEnde)->time());
    } else {
        tag.Datum = DatumZuWert(QDate::currentDate());
    }
    tagAnfuegen(tag);
    Tage->setCurrentCell(Tage->rowCount() - 1, TagDatum);
    knoepfeFreigeben();
}

void TFZeitplanDialog::TagWegClick()
{
    if (Tage->rowCount() > 1)
        Tage->removeRow(gewaehlteZeile(Tage));
    knoepfeFreigeben();
}

void TFZeitplanDialog::DauerHinzuClick()
{
    sonderdauerAnfuegen(TSonderdauer{QString(), Dauer->value()});
    Sonderdauern->setCurrentCell(Sonderdauern->rowCount() - 1, SonderKlassen);
    Sonderdauern->editItem(Sonderdauern->currentItem());
    knoepfeFreigeben();
}

void TFZeitplanDialog::DauerWegClick()
{
    if (Sonderdauern->rowCount() > 0)
        Sonderdauern->removeRow(gewaehlteZeile(Sonderdauern));
    knoepfeFreigeben();
}

// One day at least stays.
void TFZeitplanDialog::knoepfeFreigeben()
{
    TagWeg->setEnabled(Tage->rowCount() > 1);
    DauerWeg->setEnabled(Sonderdauern->rowCount() > 0);
}
