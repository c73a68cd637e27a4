#include "import/UImport.h"

#include "app/UBildschirm.h"
#include "app/UDialoge.h"
#include "editing/UDialogHilfen.h"
#include "planning/UVar.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString Zielnamen[3] = {QStringLiteral("Kürzel"), QStringLiteral("Name"), QStringLiteral("Anrede (bzw. m/w)")};

// The wait cursor while the teachers are created; back to normal however the step ends.
class TWartecursor
{
public:
    TWartecursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWartecursor() { QApplication::restoreOverrideCursor(); }
    TWartecursor(const TWartecursor&) = delete;
    TWartecursor& operator=(const TWartecursor&) = delete;
};

// The question of the OK step when a field is missing: Yes and No, No being the default.
TAufgabe feldFehlt(const QString& titel, const QString& haupt, const QString& text, TSymbol symbol)
{
    TAufgabe frage;
    frage.Fenstertitel = titel;
    frage.Hauptanweisung = haupt;
    frage.Text = text;
    frage.Symbol = symbol;
    frage.Knoepfe = TKnopfsatz::JaNein;
    frage.Vorgabe = TKnopf::Nein;
    return frage;
}

} // namespace

// The preview: one column per field of the first line, one row per record. It reads the
// dialog's list, so even a long file needs no copy of its cells.
class TVorschauModell : public QAbstractTableModel
{
public:
    explicit TVorschauModell(const TFImport& fenster) : QAbstractTableModel(nullptr), f(fenster) {}

    void Neu()
    {
        beginResetModel();
        endResetModel();
    }
    void KoepfeNeu()
    {
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }

    int rowCount(const QModelIndex& eltern = QModelIndex()) const override
    {
        return eltern.isValid() ? 0 : static_cast<int>(f.Liste.Anzahl());
    }
    int columnCount(const QModelIndex& eltern = QModelIndex()) const override
    {
        return eltern.isValid() ? 0 : static_cast<int>(f.Liste.Kopf.size());
    }
    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (rolle != Qt::DisplayRole || !index.isValid())
            return {};
        return FeldWert(f.Liste.Datensatz(index.row()), index.column());
    }
    // Field names as captions; with the first line as a record, the names of the teacher
    // fields the columns are assigned to.
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override
    {
        if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal)
            return {};
        if (!f.Liste.ohneFeldnamen)
            return f.Liste.Kopf.value(abschnitt);
        for (int slot = 0; slot < 3; ++slot)
            if (f.Wahl[slot] == abschnitt)
                return Zielnamen[slot];
        return QString();
    }

private:
    const TFImport& f;
};

TFImport::TFImport(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFImport")), modell(new TVorschauModell(*this))
{
    modell->setParent(this);
    auto* oben = new QHBoxLayout;
    oben->setSpacing(16);
    oben->addWidget(felderSeite(), 3);
    oben->addWidget(lehrerSeite(), 3);
    oben->addWidget(hinweisSeite(), 4);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addSpacing(6);
    spalte->addWidget(vorschau(), 1);
    spalte->addLayout(knopfreihe());

    connect(ErsterDatensatz, &QRadioButton::toggled, this, &TFImport::RadioGroup2Click);
    Tabreihenfolge({FelderLB, Feldbezeichnungen, ErsterDatensatz, lvDaten, OpenBtn, CcBtn, OkBtn});
    GroesseEinpassen(this, QSize(760, 560));
}

TFImport::~TFImport()
{
    // Hidden while the window is still whole: hiding ends a drag and lets the preview ask
    // for its captions; then the preview lets go of the model, which reads this window.
    hide();
    lvDaten->setModel(nullptr);
}

QWidget* TFImport::felderSeite()
{
    auto* seite = new QWidget(this);
    Label4 = new QLabel(QStringLiteral("Felder in der &Datenbank:"), seite);
    Label4->setObjectName(QStringLiteral("Label4"));
    FelderLB = new QListWidget(seite);
    FelderLB->setObjectName(QStringLiteral("FelderLB"));
    FelderLB->setSelectionMode(QAbstractItemView::SingleSelection);
    FelderLB->setMinimumHeight(120);
    FelderLB->viewport()->installEventFilter(this);
    Label4->setBuddy(FelderLB);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(Label4);
    spalte->addWidget(FelderLB, 1);
    return seite;
}

QWidget* TFImport::lehrerSeite()
{
    auto* seite = new QWidget(this);
    Label1 = new QLabel(QStringLiteral("Lehrerdaten"), seite);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(2);
    spalte->addWidget(Label1);
    for (int slot = 0; slot < 3; ++slot) {
        L[slot] = new QLabel(Zielnamen[slot], seite);
        L[slot]->setObjectName(QStringLiteral("L%1").arg(slot));
        P[slot] = new QLabel(seite);
        P[slot]->setObjectName(QStringLiteral("P%1").arg(slot));
        P[slot]->setTextFormat(Qt::PlainText); // a field of the file is never markup
        P[slot]->setStyleSheet(QStringLiteral("QLabel { border: 1px solid palette(dark); background: palette(base); "
                                              "padding: 2px 4px; }"));
        P[slot]->setMinimumHeight(P[slot]->fontMetrics().height() + 12);
        P[slot]->installEventFilter(this);
        spalte->addSpacing(slot == 0 ? 4 : 8);
        spalte->addWidget(L[slot]);
        spalte->addWidget(P[slot]);
    }
    spalte->addStretch(1);
    return seite;
}

QWidget* TFImport::hinweisSeite()
{
    auto* seite = new QWidget(this);
    Label3 = new QLabel(seite);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    RadioGroup2 = new QGroupBox(QStringLiteral("Diese Liste enthält"), seite);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    Feldbezeichnungen = new QRadioButton(QStringLiteral("&Feldbezeichnungen"), RadioGroup2);
    ErsterDatensatz = new QRadioButton(QStringLiteral("den &1.Datensatz"), RadioGroup2);
    auto* knoepfe = new QVBoxLayout(RadioGroup2);
    knoepfe->addWidget(Feldbezeichnungen);
    knoepfe->addWidget(ErsterDatensatz);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(Label3);
    spalte->addStretch(1);
    spalte->addWidget(RadioGroup2);
    return seite;
}

// The record count and the preview table.
QWidget* TFImport::vorschau()
{
    auto* seite = new QWidget(this);
    Label5 = new QLabel(seite);
    Label5->setObjectName(QStringLiteral("Label5"));
    lvDaten = new QTableView(seite);
    lvDaten->setObjectName(QStringLiteral("lvDaten"));
    lvDaten->setModel(modell);
    lvDaten->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDaten->setSelectionMode(QAbstractItemView::SingleSelection);
    lvDaten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDaten->setShowGrid(true);
    lvDaten->setWordWrap(false);
    lvDaten->verticalHeader()->hide();
    lvDaten->verticalHeader()->setDefaultSectionSize(lvDaten->fontMetrics().height() + 6);
    QHeaderView* koepfe = lvDaten->horizontalHeader();
    koepfe->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    koepfe->setHighlightSections(false);
    koepfe->setSectionsClickable(false);
    koepfe->setMinimumSectionSize(40);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(Label5);
    spalte->addWidget(lvDaten, 1);
    return seite;
}

// "Neu öffnen..." on the left, "Import Abbrechen" (also Esc) and OK (also Enter) on the right.
QLayout* TFImport::knopfreihe()
{
    OpenBtn = new QPushButton(QStringLiteral("&Neu öffnen..."), this);
    OpenBtn->setObjectName(QStringLiteral("OpenBtn"));
    OpenBtn->setToolTip(QStringLiteral("Eine andere Datei zum Import wählen"));
    CcBtn = new QPushButton(QStringLiteral("Import &Abbrechen"), this);
    CcBtn->setObjectName(QStringLiteral("CcBtn"));
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setToolTip(QStringLiteral("Angezeigte Datenbank importieren"));
    OkBtn->setDefault(true);
    for (QPushButton* knopf : {OpenBtn, CcBtn})
        knopf->setAutoDefault(false);
    connect(OpenBtn, &QPushButton::clicked, this, [this] { done(Wiederholen); });
    connect(CcBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(OkBtn, &QPushButton::clicked, this, &TFImport::OkBtnClick);
    auto* reihe = new QHBoxLayout;
    reihe->addWidget(OpenBtn);
    reihe->addStretch(1);
    reihe->addWidget(CcBtn);
    reihe->addWidget(OkBtn);
    return reihe;
}

int TFImport::Importieren(const QString& dateiname)
{
    Filename = dateiname;
    const QString fehler = FormActivate();
    // the message comes over the opened dialog, which stays usable behind it
    if (!fehler.isEmpty())
        QTimer::singleShot(0, this, [this, fehler] { Dialoge().Fehlermeldung(this, fehler); });
    const int ergebnis = exec();
    FormDeactivate();
    return ergebnis;
}

QString TFImport::FormActivate()
{
    Wahl.fill(-1);
    AuswahlIndex = 0;
    setWindowTitle(QStringLiteral("Lehrerliste importieren aus ") + QFileInfo(Filename).fileName());
    Label3->setText(QStringLiteral("Klicken Sie links in der Liste jeweils das geeignete Feld der Datenbank an.\n"
                                   "Ziehen Sie es mit gedrückter Maustaste in das entsprechende Feld für die "
                                   "Lehrerdaten."));
    OkBtn->setEnabled(true);
    const QString fehler = CsvLesen(Filename, Liste);
    {
        const QSignalBlocker still(ErsterDatensatz);
        (Liste.ohneFeldnamen ? ErsterDatensatz : Feldbezeichnungen)->setChecked(true);
    }
    modell->Neu();
    spaltenbreitenSetzen();
    anzahlZeigen();
    FelderAnzeigen();
    return fehler;
}

void TFImport::FormDeactivate()
{
    ziehenBeenden();
    Liste = TCsvListe();
    modell->Neu();
    FelderLB->clear();
}

void TFImport::RadioGroup2Click()
{
    const bool ersterDatensatz = ErsterDatensatz->isChecked();
    if (ersterDatensatz != Liste.ohneFeldnamen) {
        Liste.ohneFeldnamen = ersterDatensatz;
        modell->Neu();
        if (ersterDatensatz)
            FelderAnzeigen();
    }
    anzahlZeigen();
}

void TFImport::anzahlZeigen()
{
    Label5->setText(QStringLiteral("Anzahl der Datensätze in dieser Datenbank: %1").arg(modell->rowCount()));
}

void TFImport::FelderAnzeigen()
{
    FelderLB->clear();
    for (int feld = 0; feld < Liste.Kopf.size(); ++feld) {
        if (std::ranges::find(Wahl, feld) != Wahl.end())
            continue; // assigned to a teacher field
        const QString& text = Liste.Kopf[feld];
        auto* eintrag = new QListWidgetItem(text.isEmpty() ? QStringLiteral("?") : text, FelderLB);
        eintrag->setData(Qt::UserRole, feld);
    }
    for (int slot = 0; slot < 3; ++slot) {
        const int feld = Wahl[slot];
        const QString text = feld < 0 ? QString() : Liste.Kopf.value(feld);
        P[slot]->setText(feld >= 0 && text.isEmpty() ? QStringLiteral("(- -)") : text);
    }
    modell->KoepfeNeu();
    if (FelderLB->count() > 0)
        FelderLB->setCurrentRow(std::min(AuswahlIndex, FelderLB->count() - 1));
    else
        OkBtn->setFocus();
}

void TFImport::spaltenbreitenSetzen()
{
    const int spalten = modell->columnCount();
    if (spalten == 0)
        return;
    const int breite = lvDaten->width() - lvDaten->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 4;
    for (int i = 0; i < spalten; ++i)
        lvDaten->setColumnWidth(i, std::max(breite / spalten, 60));
}

void TFImport::showEvent(QShowEvent* ereignis)
{
    TDialogFenster::showEvent(ereignis);
    // at most the screen's free area, so that the buttons stay reachable on small screens
    GroesseEinpassen(this, size());
    spaltenbreitenSetzen();
}

void TFImport::hideEvent(QHideEvent* ereignis)
{
    ziehenBeenden();
    TDialogFenster::hideEvent(ereignis);
}

void TFImport::OkBtnClick()
{
    if (Wahl[SlotName] < 0) {
        const TAufgabe frage = feldFehlt(QStringLiteral("Der Name fehlt."),
                                         QStringLiteral("Sie müssen für die Namen der Lehrkräfte ein Feld aus der "
                                                        "Datenbank auswählen!"),
                                         QStringLiteral("Oder möchten Sie den Import abbrechen?"), TSymbol::Warnung);
        if (Dialoge().Aufgabe(this, frage).Knopf == TKnopf::Ja)
            done(Abbrechen);
        return;
    }
    if (Wahl[SlotKuerzel] < 0) {
        const TAufgabe frage = feldFehlt(QStringLiteral("Das Kürzel fehlt."),
                                         QStringLiteral("Sie haben noch kein Feld aus der Datenbank für das Kürzel gewählt."),
                                         QStringLiteral("Möchten Sie wirklich ohne Kürzel fortfahren?"), TSymbol::Frage);
        if (Dialoge().Aufgabe(this, frage).Knopf != TKnopf::Ja)
            return;
    }
    const QList<QStringList> datensaetze = Liste.Datensaetze();
    QString wahrAnrede;
    const QString wahrheitswert = WahrheitswertDerErstenZeile(datensaetze, Wahl[SlotAnrede]);
    if (!wahrheitswert.isEmpty()) {
        TAufgabe frage;
        frage.Fenstertitel = QStringLiteral("Anrede zuordnen");
        frage.Hauptanweisung = QStringLiteral("Die Anrede muss aus einem Wahrheitswert ermittelt werden.");
        frage.Text = QStringLiteral("Wofür steht '%1' ?").arg(wahrheitswert);
        frage.Symbol = TSymbol::Frage;
        frage.Knoepfe = TKnopfsatz::OkAbbrechen;
        frage.Vorgabe = TKnopf::Ok;
        frage.Optionen = {QStringLiteral("Herr"), QStringLiteral("Frau")};
        const TAufgabeAntwort antwort = Dialoge().Aufgabe(this, frage);
        if (antwort.Knopf != TKnopf::Ok)
            return;
        wahrAnrede = frage.Optionen.value(antwort.Option, frage.Optionen.first());
    }
    TImportErgebnis ergebnis;
    {
        const TWartecursor warten;
        ergebnis = LehrerImportieren(*Lehrerliste, datensaetze, Wahl, wahrAnrede);
    }
    if (ergebnis.Ersetzt > 0)
        Dialoge().Meldung(this, QStringLiteral("Beim Import gab es mindestens einmal gleiche Kürzel für verschiedene "
                                               "Lehrer.\nAls Ersatz wurde jeweils ein aus Ziffern gebildetes Kürzel "
                                               "verwendet."));
    Geaendert = true;
    done(Ok);
}
