#include "distribution/UErgebnis.h"

#include "app/UBildschirm.h"
#include "app/UFenster.h"
#include "app/UHilfe.h"
#include "app/UMain.h"
#include "distribution/UAusgabenFenster.h"
#include "distribution/UErgebnisDruck.h"
#include "distribution/UErgebnisRaster.h"
#include "distribution/USaveResult.h"
#include "distribution/UVerteilung.h"
#include "editing/UDialogHilfen.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UIni.h"
#include "planning/UVar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor Hintergrund(198, 208, 215);
// The window opens with a client area of 644 × 687 where the screen has room for it. Its side
// panel scrolls, so that it also fits a screen of 960 × 540 (1920 × 1080 at 200 %).
const QSize Startgroesse(644, 687);
constexpr int Mindesthoehe = 300;

const QString OptionAbschnitt = QStringLiteral("Option");

class TQtTakt : public TTakt
{
public:
    TQtTakt()
    {
        zeitgeber.setInterval(1000);
        QObject::connect(&zeitgeber, &QTimer::timeout, [this] {
            if (BeiTick)
                BeiTick();
        });
    }
    void Starten() override { zeitgeber.start(); }
    void Anhalten() override { zeitgeber.stop(); }
    bool Laeuft() const override { return zeitgeber.isActive(); }

private:
    QTimer zeitgeber;
};

// A push button that does not become the default button when it has the focus.
QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = Benannt<QPushButton>(eltern, name, text);
    k->setAutoDefault(false);
    return k;
}

QLabel* umbrechend(QWidget* eltern, const char* name, const QString& text = QString())
{
    auto* l = Benannt<QLabel>(eltern, name, text);
    l->setWordWrap(true);
    return l;
}

QSpinBox* drehfeld(QWidget* eltern, const char* name, int von, int bis, int wert)
{
    auto* feld = Benannt<QSpinBox>(eltern, name);
    feld->setRange(von, bis);
    feld->setValue(wert);
    return feld;
}

// A group box whose controls stand in rows; the first row is returned, ready for its
// controls and a closing stretch. Later rows go below it (zeilen).
QHBoxLayout* gruppe(QGroupBox*& g, QWidget* eltern, const char* name, const QString& titel)
{
    g = new QGroupBox(titel, eltern);
    g->setObjectName(QLatin1String(name));
    auto* erste = new QHBoxLayout;
    (new QVBoxLayout(g))->addLayout(erste);
    return erste;
}

QVBoxLayout* zeilen(QGroupBox* g)
{
    return static_cast<QVBoxLayout*>(g->layout());
}

} // namespace

std::unique_ptr<TTakt> SekundenTakt()
{
    return std::make_unique<TQtTakt>();
}

TFErgebnis::TFErgebnis(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFErgebnis"))
{
    setWindowTitle(QStringLiteral("Mögliche Kombinationen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setAttribute(Qt::WA_WindowPropagation); // the main window's font
    Fensterfarbe(this, Hintergrund);

    StringGrid1 = new TErgebnisRaster(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));

    // The side panel scrolls on small screens; SeiteHinzufuegen adds to it from top to bottom.
    Seitenleiste = new QScrollArea(this);
    Seitenleiste->setObjectName(QStringLiteral("Seitenleiste"));
    Seitenleiste->setWidgetResizable(true);
    Seitenleiste->setFrameShape(QFrame::NoFrame);
    Seitenleiste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inhalt = new QWidget(Seitenleiste);
    inhalt->setObjectName(QStringLiteral("Seiteninhalt"));
    inhalt->setAutoFillBackground(false);
    seite = new QVBoxLayout(inhalt);
    seite->setContentsMargins(0, 0, 0, 0);
    seite->setSpacing(6);
    seite->addStretch(1);
    Seitenleiste->setWidget(inhalt);
    Seitenleiste->viewport()->setAutoFillBackground(false);

    SeiteHinzufuegen(einstellungenAufbauen());
    SeiteHinzufuegen(Label1 = umbrechend(this, "Label1"));
    SeiteHinzufuegen(sucheAufbauen());
    SeiteHinzufuegen(optimierungAufbauen());
    SeiteHinzufuegen(zeitplanAufbauen());
    Label3 = umbrechend(this, "Label3",
                        QStringLiteral("Mit gedrückter Strg-Taste können Sie die markierte Zelle mit den Cursortasten "
                                       "verschieben. Der Mauszeiger liefert Info über die unterrichtenden Lehrkräfte."));
    QFont fett = Label3->font();
    fett.setBold(true);
    Label3->setFont(fett);
    SeiteHinzufuegen(Label3);
    seite->addStretch(1);
    seite->addWidget(Button4 = knopf(this, "Button4", QStringLiteral("Ergebnis s&peichern (als Text) ...")));
    seite->addWidget(Button5 = knopf(this, "Button5", QStringLiteral("Ergebnis &drucken ...")));
    seite->addWidget(Button6 = knopf(this, "Button6", QStringLiteral("&Ausgaben …")));

    // "Schließen" stays in sight below the panel
    auto* spalte = new QVBoxLayout;
    spalte->setSpacing(6);
    spalte->addWidget(Seitenleiste, 1);
    spalte->addWidget(Button2 = knopf(this, "Button2", QStringLiteral("S&chließen")));

    auto* flaeche = new QHBoxLayout(this);
    flaeche->setContentsMargins(8, 8, 8, 8);
    flaeche->setSpacing(8);
    flaeche->addWidget(StringGrid1, 1);
    flaeche->addLayout(spalte, 0);

    connect(Button1, &QPushButton::clicked, this, &TFErgebnis::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFErgebnis::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFErgebnis::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFErgebnis::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFErgebnis::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TFErgebnis::Button6Click);
    auto* hilfe = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(hilfe, &QShortcut::activated, this, &TFErgebnis::FormHelp);
    kaestchenMerken(CVorsitz, QStringLiteral("vorsitz"));
    kaestchenMerken(CEltern, QStringLiteral("eltern"));
    kaestchenMerken(CUhrzeiten, QStringLiteral("uhrzeiten"));

    TaktSetzen(SekundenTakt());
    sd1.Titel = QStringLiteral("Ergebnis als Text speichern");
    sd1.Filter = QStringLiteral("Text (*.txt)|*.txt|Text (*.csv)|*.csv|Alle Dateien (*.*)|*.*");
    sd1.Standardendung = QStringLiteral("txt");
    sd1.UeberschreibenFragen = true;
}

TFErgebnis::~TFErgebnis() = default;

void TFErgebnis::SeiteHinzufuegen(QWidget* teil)
{
    // before the stretch that keeps the output buttons at the bottom
    seite->insertWidget(seite->count() - 1, teil);
}

QSize TFErgebnis::SeitenleisteGroesse() const
{
    const QSize inhalt = Seitenleiste->widget()->minimumSizeHint();
    return {inhalt.width() + Seitenleiste->verticalScrollBar()->sizeHint().width(), inhalt.height()};
}

QWidget* TFErgebnis::einstellungenAufbauen()
{
    QHBoxLayout* zeile = gruppe(GroupBox1, this, "GroupBox1", QStringLiteral("Grundeinstellung"));
    zeile->addWidget(Label2 =
                         Benannt<QLabel>(GroupBox1, "Label2", QStringLiteral("&Maximalzahl paralleler Konferenzen:")));
    zeile->addWidget(Edit1 = drehfeld(GroupBox1, "Edit1", 1, 10, 4));
    zeile->addStretch(1);
    Label2->setBuddy(Edit1);
    zeilen(GroupBox1)->addWidget(CVorsitz =
                                     Benannt<QCheckBox>(GroupBox1, "CVorsitz", QStringLiteral("&Vorsitz berücksichtigen")));
    zeilen(GroupBox1)->addWidget(
        CEltern = Benannt<QCheckBox>(GroupBox1, "CEltern", QStringLiteral("Gemeinsame &Elternvertreter berücksichtigen")));
    zeilen(GroupBox1)->addWidget(vorsitzKaestchenAufbauen(GroupBox1));
    return GroupBox1;
}

QWidget* TFErgebnis::sucheAufbauen()
{
    QHBoxLayout* zeile = gruppe(GroupBox2, this, "GroupBox2", QStringLiteral("Erneut eine Verteilung suchen"));
    zeile->addWidget(Button1 = knopf(GroupBox2, "Button1", QStringLiteral("&Start")));
    zeile->addStretch(1);
    zeilen(GroupBox2)->addWidget(
        C1 = Benannt<QCheckBox>(GroupBox2, "C1", QStringLiteral("Bei Verschlechterung a&utomatisch neu suchen")));
    return GroupBox2;
}

QWidget* TFErgebnis::optimierungAufbauen()
{
    QHBoxLayout* zeile = gruppe(GroupBox3, this, "GroupBox3", QStringLiteral("Suchschleife zu Optimierung"));
    zeile->addWidget(Button3 = knopf(GroupBox3, "Button3", QStringLiteral("Start (&Optimierung)")));
    zeile->addSpacing(8);
    zeile->addWidget(Edit2 = drehfeld(GroupBox3, "Edit2", -1, 20, 6));
    zeile->addWidget(Label5 = Benannt<QLabel>(GroupBox3, "Label5", QStringLiteral("Se&kunden Suchzeit")));
    zeile->addStretch(1);
    Label5->setBuddy(Edit2);
    zeilen(GroupBox3)->addWidget(
        C2 = Benannt<QCheckBox>(GroupBox3, "C2", QStringLiteral("&Nach Zeilenminimierung auch Spalten minimieren")));
    zeilen(GroupBox3)->addWidget(LUntergrenze = umbrechend(GroupBox3, "LUntergrenze"));
    return GroupBox3;
}

// The two boxes of the conflict rules are remembered in the settings file.
void TFErgebnis::kaestchenMerken(QCheckBox* k, const QString& schluessel)
{
    if (Ini)
        k->setChecked(Ini->ReadBool(OptionAbschnitt, schluessel, false));
    connect(k, &QCheckBox::clicked, this, [this, schluessel](bool an) {
        if (Ini)
            EinstellungSchreiben(Dialoge(), this, [&] { Ini->WriteBool(OptionAbschnitt, schluessel, an); });
    });
}

void TFErgebnis::TaktSetzen(std::unique_ptr<TTakt> takt)
{
    Timer1 = std::move(takt);
    Timer1->BeiTick = [this] { Timer1Timer(); };
}

TKonfliktArten TFErgebnis::Konfliktarten() const
{
    return {CVorsitz->isChecked() || CVorsitzVerteilen->isChecked(), CEltern->isChecked()};
}

TErgebnisTabelle TFErgebnis::Tabelle() const
{
    return StringGrid1->Tabelle();
}

void TFErgebnis::groesseSetzen()
{
    // the panel scrolls only up and down: it is never narrower than its contents
    Seitenleiste->setMinimumWidth(SeitenleisteGroesse().width());
    setMinimumSize(SeitenleisteGroesse().width() + 200, Mindesthoehe);
    GroesseEinpassen(this, Startgroesse);
}

void TFErgebnis::Auswerten()
{
    if (!groesseGesetzt)
        groesseSetzen();
    groesseGesetzt = true;
    untergrenze.reset(); // the classes may have changed since the last evaluation
    grenzeAnRaeumeAnpassen();
    // the plan kept in the project comes back as it was left, else a new search
    gehaltenZeigen = gehaltenenPlanNehmen();
    if (!gehaltenZeigen)
        ColZahl = VerteilungSuchen(Edit1->value(), Konfliktarten());
    Button1->setVisible(Verteilung->Count() < Klassenliste->Count());
    exec();
}

void TFErgebnis::showEvent(QShowEvent* ereignis)
{
    TDialogFenster::showEvent(ereignis);
    if (ereignis->spontaneous())
        return;
    StringGrid1->HinweisVerbergen();
    if (gehaltenZeigen) {
        planZeigen(Projektzusatz.Plan->Zeilen);
        untergrenzeZeigen();
    } else {
        ErgebnisAnzeigen();
        reihenfolgeOrdnen();
    }
}

void TFErgebnis::changeEvent(QEvent* ereignis)
{
    TDialogFenster::changeEvent(ereignis);
    if (ereignis->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        // The hint is only hidden: the window is still in use and shows it again on the
        // next mouse move.
        StringGrid1->HinweisVerbergen();
        return;
    }
    const bool parallel = StringGrid1->rowCount() < (Klassenliste ? Klassenliste->Count() : 0);
    Label1->setText(parallel
                        ? QStringLiteral("Hinweis: Eine erneute Auswertung kann unter Umständen ein anderes "
                                         "Ergebnis liefern, da vor der Suche nach Kombinationen die Klassen in "
                                         "eine zufällige Reihenfolge gebracht werden.")
                        : QStringLiteral("Es gibt keine Klassen, deren Konferenzen gleichzeitig stattfinden können."));
    StringGrid1->setFocus();
}

void TFErgebnis::closeEvent(QCloseEvent* ereignis)
{
    if (laeuft) {
        ereignis->ignore();
        return;
    }
    TDialogFenster::closeEvent(ereignis);
}

void TFErgebnis::reject()
{
    Button2Click();
}

void TFErgebnis::FormHelp()
{
    const QString fehler = THilfe::KontextZeigen(THilfe::KontextErgebnis, this);
    if (!fehler.isEmpty())
        Dialoge().Fehlermeldung(this, fehler);
}

void TFErgebnis::Button4Click()
{
    auto* haupt = qobject_cast<TFMain*>(parentWidget());
    TFSaveResult& frage = *haupt->Fenster().SaveResult;
    if (!frage.Fragen())
        return;
    const QString schluessel = QStringLiteral("export");
    sd1.Ordner = haupt->Startordner(schluessel);
    if (!Dialoge().DateiSpeichern(this, sd1))
        return;
    haupt->OrdnerMerken(schluessel, sd1.Dateiname);
    const QString fehler = DateiSchreiben(sd1.Dateiname, ErgebnisText(Ausgabetabelle(), frage.Tabulator()));
    if (!fehler.isEmpty()) {
        Dialoge().Fehlermeldung(this, fehler);
        return;
    }
    haupt->Statusmeldung(QStringLiteral("Ergebnis in %1 gespeichert.").arg(Anzeigename(sd1.Dateiname)));
}

QPrinter& TFErgebnis::Drucker()
{
    if (!PrintDialog1)
        PrintDialog1 = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *PrintDialog1;
}

void TFErgebnis::Button5Click()
{
    QPrinter& drucker = Drucker();
    drucker.setDocName(QStringLiteral("Simultano-Ergebnis"));
    if (!Dialoge().Drucken(this, &drucker))
        return;
    QPainter maler;
    if (!maler.begin(&drucker)) {
        Dialoge().Fehlermeldung(this, QStringLiteral("Der Druck kann nicht beginnen. Bitte prüfen Sie den Drucker."));
        return;
    }
    ErgebnisZeichnen(maler, Ausgabetabelle(), QDateTime::currentDateTime(), CUhrzeiten->isChecked());
    maler.end();
}

void TFErgebnis::Button6Click()
{
    TFAusgaben ausgaben(Dialoge(), this, zeitplan, *Lehrerliste, Dateiname);
    ausgaben.exec();
}
