#include "minutes/UText.h"

#include "app/UBildschirm.h"
#include "app/UDialoge.h"
#include "app/UMain.h"
#include "editing/UDialogHilfen.h"
#include "minutes/UFensterhilfe.h"
#include "minutes/UProtokoll.h"
#include "minutes/UTexte.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UIni.h"
#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>

namespace {

const QColor Lesefarbe(243, 240, 226);

QLineEdit* feld(QWidget* eltern, const char* name, const QString& text, bool nurLesen)
{
    auto* f = Benannt<QLineEdit>(eltern, name, text);
    f->setReadOnly(nurLesen);
    if (nurLesen)
        Feldfarbe(f, Lesefarbe);
    return f;
}

// The overwrite question of the save window.
class TUeberschreibenFrage : public ITextUeberschreiben
{
public:
    TUeberschreibenFrage(IDialoge& dialoge, QWidget* fenster) : dialoge_(dialoge), fenster_(fenster) {}

    TAntwort Fragen(const QString& dateiname) override
    {
        TAufgabe frage;
        frage.Fenstertitel = QStringLiteral("Hinweis:");
        frage.Hauptanweisung = QStringLiteral("Die Datei %1 existiert bereits. Möchten Sie sie überschreiben?").arg(dateiname);
        frage.Text = QStringLiteral("(Sie können beim weiteren Speichern Rückfragen unterbinden, wenn Sie das Häkchen setzen.)");
        frage.Symbol = TSymbol::Frage;
        frage.Kontrollkaestchen = QStringLiteral("nicht mehr fragen");
        frage.Knoepfe = TKnopfsatz::JaNein;
        frage.Vorgabe = TKnopf::Nein;
        const TAufgabeAntwort antwort = dialoge_.Aufgabe(fenster_, frage);
        return {antwort.Knopf == TKnopf::Ja, antwort.Angekreuzt};
    }

private:
    IDialoge& dialoge_;
    QWidget* fenster_;
};

} // namespace

QString TexteMeldung(const TTexteErgebnis& ergebnis, const QString& ordner)
{
    const qsizetype n = ergebnis.Geschrieben.size();
    QString text = n == 1 ? QStringLiteral("1 Protokolltext in %1 geschrieben.").arg(OrdnerKurz(ordner))
                          : QStringLiteral("%1 Protokolltexte in %2 geschrieben.").arg(n).arg(OrdnerKurz(ordner));
    if (!ergebnis.Uebersprungen.isEmpty())
        text += QStringLiteral(" %1 vorhandene Datei(en) behalten.").arg(ergebnis.Uebersprungen.size());
    return text;
}

std::optional<TZeitplan> ProjektZeitplan()
{
    return GehaltenerZeitplan(Projektzusatz, *Klassenliste, DatumZuWert(QDate::currentDate()));
}

TFText::TFText(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFText")), MF(MFnutzen)
{
    setWindowTitle(QStringLiteral("Zum Einfügen in den Entwurf des Zeugnisprotokolls"));
    Fensterschrift(this);
    aufbauen();
    GroesseEinpassen(this, QSize(921, 473));
    connect(lb, &QListWidget::itemSelectionChanged, this, &TFText::lbClick);
    connect(BPfad, &QPushButton::clicked, this, &TFText::BPfadClick);
    connect(Bok, &QPushButton::clicked, this, &TFText::BokClick);
    connect(Bcanc, &QPushButton::clicked, this, &TFText::reject);
}

void TFText::aufbauen()
{
    lb = Benannt<QListWidget>(this, "lb");
    lb->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // the classes in columns, as many as the width holds
    lb->setFlow(QListView::TopToBottom);
    lb->setWrapping(true);
    lb->setResizeMode(QListView::Adjust);
    lb->setUniformItemSizes(true);
    lb->setGridSize(QSize(lb->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")), lb->fontMetrics().height() + 6));
    Label12 = Benannt<QLabel>(this, "Label12", QStringLiteral("&Texte für"));
    Label12->setBuddy(lb);
    Label11 = Benannt<QLabel>(this, "Label11", QStringLiteral("alle Klassen"));
    Label4 = Benannt<QLabel>(this, "Label4", QStringLiteral("Wählen Sie die Dateinamen und den Ordner:"));
    Label1 = Benannt<QLabel>(this, "Label1", QStringLiteral("&Dateinamen:"));
    EKlasse = feld(this, "EKlasse", QStringLiteral("<Klasse>-"), true);
    Label2 = Benannt<QLabel>(this, "Label2", QStringLiteral("+"));
    Edit2 = feld(this, "Edit2", QLatin1String(TextMitte), false);
    Label1->setBuddy(Edit2);
    Label3 = Benannt<QLabel>(this, "Label3", QStringLiteral("+"));
    Edit3 = feld(this, "Edit3", QLatin1String(Textendung), true);
    for (QLineEdit* f : {EKlasse, Edit3}) {
        f->setFocusPolicy(Qt::NoFocus);
        f->setFixedWidth(f->fontMetrics().horizontalAdvance(f->text()) + 16);
    }
    Label5 = Benannt<QLabel>(this, "Label5", QStringLiteral("&Zielordner:"));
    MPfad = feld(this, "MPfad", QString(), true);
    Label5->setBuddy(MPfad);
    BPfad = Benannt<QPushButton>(this, "BPfad", QStringLiteral("Ä&ndern ..."));
    Label7 = Benannt<QLabel>(this, "Label7");
    Bok = Benannt<QPushButton>(this, "Bok", QStringLiteral("Texte &speichern"));
    Bok->setDefault(true);
    Bcanc = Benannt<QPushButton>(this, "Bcanc", QStringLiteral("Abbrechen"));
    BPfad->setAutoDefault(false);
    Bcanc->setAutoDefault(false);

    auto* name = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(EKlasse), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Edit2),
                       static_cast<QWidget*>(Label3), static_cast<QWidget*>(Edit3)})
        name->addWidget(w);
    name->addStretch(1);
    auto* ordner = new QHBoxLayout;
    ordner->addWidget(MPfad, 1);
    ordner->addWidget(BPfad);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Bok);
    knoepfe->addWidget(Bcanc);

    auto* raster = new QGridLayout(this);
    raster->addWidget(Label12, 0, 0, Qt::AlignTop);
    raster->addWidget(lb, 0, 1);
    raster->addWidget(Label11, 0, 2, Qt::AlignTop);
    raster->addWidget(Label4, 1, 0, 1, 3);
    raster->addWidget(Label1, 2, 0);
    raster->addLayout(name, 2, 1, 1, 2);
    raster->addWidget(Label5, 3, 0);
    raster->addLayout(ordner, 3, 1, 1, 2);
    raster->addWidget(Label7, 4, 1, 1, 2);
    raster->addLayout(knoepfe, 5, 0, 1, 3);
    raster->setRowStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setVerticalSpacing(10);

    Tabreihenfolge({lb, Edit2, MPfad, BPfad, Bok, Bcanc});
}

void TFText::Ausfuehren(const QString& vorlageDatei, bool mf)
{
    VorlageDatei = vorlageDatei;
    MF = mf;
    exec();
}

void TFText::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous())
        FormShow();
    TDialogFenster::showEvent(ereignis);
}

void TFText::FormShow()
{
    // the folder last used; the first time the project's folder, without one the desktop
    QString pfad = Ini->ReadString(QStringLiteral("Data"), QStringLiteral("path"), QString());
    if (pfad.isEmpty())
        pfad = QDir::toNativeSeparators(Dateiname.isEmpty() ? Standardordner(QStandardPaths::DesktopLocation)
                                                            : OrdnerVon(Dateiname));
    MPfad->setText(pfad);
    {
        const QSignalBlocker sperre(lb);
        lb->clear();
        for (const TKlasse* k : *Klassenliste)
            lb->addItem(k->Bezeichnung);
        lb->selectAll();
    }
    // what the last use left behind is reset
    Label7->clear();
    lbClick();
    Edit2->setFocus();
}

void TFText::lbClick()
{
    const qsizetype gewaehlt = lb->selectedItems().size();
    Label11->setText(gewaehlt == lb->count() ? QStringLiteral("alle Klassen") : QStringLiteral("ausgewählte Klassen"));
    bokSetzen();
}

void TFText::bokSetzen()
{
    Bok->setEnabled(!lb->selectedItems().isEmpty() && !MPfad->text().trimmed().isEmpty());
}

void TFText::BPfadClick()
{
    QString ordner = QDir::fromNativeSeparators(MPfad->text());
    if (Dialoge().OrdnerWaehlen(this, QStringLiteral("Zielordner für die Texte"), ordner)) {
        MPfad->setText(QDir::toNativeSeparators(ordner));
        if (!Klassenliste->IsEmpty())
            Label7->setText(QStringLiteral("Erste der Dateien: ") +
                            TextDateiname(Klassenliste->First()->Bezeichnung, Edit2->text(), Edit3->text()));
    }
    bokSetzen();
}

void TFText::BokClick()
{
    QString ordner = QDir::fromNativeSeparators(MPfad->text());
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    if (!EinstellungSchreiben(Dialoge(), this,
                              [&] { Ini->WriteString(QStringLiteral("Data"), QStringLiteral("path"), QDir::toNativeSeparators(ordner)); }))
        return;
    TTextAuftrag auftrag;
    for (int i = 0; i < lb->count() && i < Klassenliste->Count(); ++i)
        if (lb->item(i)->isSelected())
            auftrag.Klassen << Klassenliste->Items(i);
    auftrag.Ordner = ordner;
    auftrag.Mitte = Edit2->text();
    auftrag.VorlageDatei = VorlageDatei;
    auftrag.Schrift = EingestellteSchrift();
    auftrag.MF = MF;
    const std::optional<TZeitplan> zeitplan = ProjektZeitplan();
    auftrag.Zeitplan = zeitplan ? &*zeitplan : nullptr;
    TUeberschreibenFrage frage(Dialoge(), this);
    // a bar once the texts take more than a moment
    QProgressDialog fortschritt(QStringLiteral("Protokolltexte werden geschrieben ..."), QString(), 0,
                                static_cast<int>(auftrag.Klassen.size()), this);
    fortschritt.setObjectName(QStringLiteral("Fortschritt"));
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(500);
    auftrag.Fortschritt = [&fortschritt](int erledigt) { fortschritt.setValue(erledigt); };
    const TTexteErgebnis ergebnis = TexteSpeichern(auftrag, frage);
    fortschritt.reset();
    if (!ergebnis.Umbenannt.isEmpty())
        Dialoge().Meldung(this, ergebnis.Umbenannt.join(QLatin1Char('\n')));
    if (!ergebnis.Ok())
        Dialoge().Fehlermeldung(this, ergebnis.Fehler);
    if (auto* haupt = qobject_cast<TFMain*>(parentWidget()))
        haupt->Statusmeldung(TexteMeldung(ergebnis, ordner));
    accept();
}
