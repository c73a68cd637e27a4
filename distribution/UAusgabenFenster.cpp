#include "distribution/UAusgabenFenster.h"

#include "app/UBildschirm.h"
#include "app/UDialoge.h"
#include "ausgabe/UAusgaben.h"
#include "ausgabe/UKalender.h"
#include "ausgabe/UUebersicht.h"
#include "distribution/UOptimierung.h"
#include "editing/UDialogHilfen.h"
#include "planning/UDatei.h"
#include "planning/UFunctions.h"
#include "planning/UIni.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString Abschnitt = QStringLiteral("Ausgaben");
const QString OrdnerSchluessel = QStringLiteral("Ordner");
} // namespace

TUebersichtAnsicht::TUebersichtAnsicht(const TZeitplan& zeitplan, QWidget* eltern) : QWidget(eltern), zeitplan_(zeitplan)
{
    setMinimumSize(300, 212);
}

void TUebersichtAnsicht::BlattSetzen(int blatt)
{
    blatt_ = blatt;
    update();
}

void TUebersichtAnsicht::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), palette().window());
    const QList<TUebersichtBlatt> blaetter = UebersichtBlaetter(zeitplan_);
    AufBlattSkalieren(maler, rect());
    UebersichtZeichnen(maler, zeitplan_, blaetter.value(blatt_, blaetter.first()));
}

TFAusgaben::TFAusgaben(IDialoge& dialoge, QWidget* besitzer, TZeitplan zeitplan, const TLehrerliste& lehrer,
                       const QString& projektdatei)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFAusgaben")), zeitplan_(std::move(zeitplan)), lehrer_(lehrer),
      projektdatei_(projektdatei)
{
    setWindowTitle(QStringLiteral("Ausgaben"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* reiter = Benannt<QTabWidget>(this, "Reiter");
    reiter->addTab(ausgabenSeite(), QStringLiteral("Ausgaben"));
    reiter->addTab(uebersichtSeite(), QStringLiteral("Übersicht"));
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(reiter, 1);
    auto* schliessen = Benannt<QPushButton>(this, "BSchliessen", QStringLiteral("S&chließen"));
    spalte->addWidget(schliessen, 0, Qt::AlignRight);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    GroesseEinpassen(this, QSize(760, 560));
}

QWidget* TFAusgaben::ausgabenSeite()
{
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(new QLabel(QStringLiteral("Welche Ausgaben sollen geschrieben werden?")));
    spalte->addWidget(CLehrkraefte = Benannt<QCheckBox>(seite, "CLehrkraefte",
                                                         QStringLiteral("Konferenzplan jeder Lehrkraft (Lehrkraefte.pdf)")));
    spalte->addWidget(CTuerschilder = Benannt<QCheckBox>(seite, "CTuerschilder",
                                                          QStringLiteral("Türschilder je Raum und Tag (Tuerschilder.pdf)")));
    spalte->addWidget(CUebersicht = Benannt<QCheckBox>(seite, "CUebersicht", QStringLiteral("Übersicht (Uebersicht.pdf)")));
    spalte->addWidget(CKalender = Benannt<QCheckBox>(
                          seite, "CKalender", QStringLiteral("Kalenderdateien je Lehrkraft und für alle (Ordner ics)")));
    for (QCheckBox* kaestchen : {CLehrkraefte, CTuerschilder, CUebersicht, CKalender})
        kaestchen->setChecked(true);

    spalte->addSpacing(8);
    spalte->addWidget(new QLabel(QStringLiteral("Ordner:")));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(EOrdner = Benannt<QLineEdit>(seite, "EOrdner"), 1);
    EOrdner->setText(Ini ? Ini->ReadString(Abschnitt, OrdnerSchluessel, Standardordner(QStandardPaths::DocumentsLocation))
                         : Standardordner(QStandardPaths::DocumentsLocation));
    auto* waehlen = Benannt<QPushButton>(seite, "BOrdner", QStringLiteral("&Ordner wählen ..."));
    zeile->addWidget(waehlen);
    spalte->addLayout(zeile);
    spalte->addWidget(Fortschritt = Benannt<QProgressBar>(seite, "Fortschritt"));
    Fortschritt->setValue(0);
    spalte->addStretch(1);
    spalte->addWidget(BSchreiben = Benannt<QPushButton>(seite, "BSchreiben", QStringLiteral("&Schreiben")), 0,
                      Qt::AlignRight);
    connect(waehlen, &QPushButton::clicked, this, &TFAusgaben::OrdnerWaehlen);
    BSchreiben->setDefault(true); // Enter writes; the folder button is no default
    waehlen->setAutoDefault(false);
    connect(BSchreiben, &QPushButton::clicked, this, &TFAusgaben::Schreiben);
    return seite;
}

QWidget* TFAusgaben::uebersichtSeite()
{
    auto* seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(CBlatt = Benannt<QComboBox>(seite, "CBlatt"), 1);
    for (const TUebersichtBlatt& blatt : UebersichtBlaetter(zeitplan_)) {
        QString name = blatt.Tag < zeitplan_.Tage.size() ? TagText(zeitplan_.Tage.at(blatt.Tag).Datum) : QString();
        if (blatt.ErsteSpalte > 0)
            name += QStringLiteral(" (ab Raum %1)").arg(blatt.ErsteSpalte + 1);
        CBlatt->addItem(name);
    }
    auto* png = Benannt<QPushButton>(seite, "BPng", QStringLiteral("Als &PNG speichern ..."));
    auto* svg = Benannt<QPushButton>(seite, "BSvg", QStringLiteral("Als S&VG speichern ..."));
    zeile->addWidget(png);
    zeile->addWidget(svg);
    spalte->addLayout(zeile);
    spalte->addWidget(ansicht_ = new TUebersichtAnsicht(zeitplan_, seite), 1);
    ansicht_->setObjectName(QStringLiteral("Ansicht"));
    connect(CBlatt, &QComboBox::currentIndexChanged, ansicht_, &TUebersichtAnsicht::BlattSetzen);
    connect(png, &QPushButton::clicked, this, [this] { BildSpeichern(false); });
    connect(svg, &QPushButton::clicked, this, [this] { BildSpeichern(true); });
    return seite;
}

void TFAusgaben::OrdnerWaehlen()
{
    QString ordner = EOrdner->text();
    if (Dialoge().OrdnerWaehlen(this, QStringLiteral("Ordner für die Ausgaben"), ordner))
        EOrdner->setText(ordner);
}

void TFAusgaben::Schreiben()
{
    const TAusgabeWahl wahl{CLehrkraefte->isChecked(), CTuerschilder->isChecked(), CUebersicht->isChecked(),
                            CKalender->isChecked()};
    if (!wahl.Lehrkraefte && !wahl.Tuerschilder && !wahl.Uebersicht && !wahl.Kalender) {
        Dialoge().Fehlermeldung(this, QStringLiteral("Bitte wählen Sie mindestens eine Ausgabe."));
        return;
    }
    const QString ordner = EOrdner->text().trimmed();
    if (ordner.isEmpty()) {
        Dialoge().Fehlermeldung(this, QStringLiteral("Bitte wählen Sie einen Ordner."));
        return;
    }
    if (Ini)
        EinstellungSchreiben(Dialoge(), this, [&] { Ini->WriteString(Abschnitt, OrdnerSchluessel, ordner); });
    BSchreiben->setEnabled(false);
    const TAusgabeAuftrag auftrag{ordner, ProjektKennung(projektdatei_), QDateTime::currentDateTimeUtc(), wahl};
    const TAusgabeErgebnis ergebnis = AusgabenSchreiben(zeitplan_, lehrer_, auftrag, [this](int fertig, int gesamt) {
        Fortschritt->setMaximum(gesamt);
        Fortschritt->setValue(fertig);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    });
    BSchreiben->setEnabled(true);
    if (!ergebnis.Fehler.isEmpty()) {
        Dialoge().Fehlermeldung(this, ergebnis.Fehler);
        return;
    }
    Dialoge().Meldung(this, QStringLiteral("%1 Dateien wurden in den Ordner %2 geschrieben.")
                                .arg(ergebnis.Dateien)
                                .arg(Anzeigename(ordner)));
}

void TFAusgaben::BildSpeichern(bool svg)
{
    TDateiDialog d;
    d.Titel = svg ? QStringLiteral("Übersicht als SVG speichern") : QStringLiteral("Übersicht als PNG speichern");
    d.Filter = svg ? QStringLiteral("SVG-Bild (*.svg)|*.svg") : QStringLiteral("PNG-Bild (*.png)|*.png");
    d.Standardendung = svg ? QStringLiteral("svg") : QStringLiteral("png");
    d.Ordner = EOrdner->text();
    d.UeberschreibenFragen = true;
    if (!Dialoge().DateiSpeichern(this, d))
        return;
    const QList<TUebersichtBlatt> blaetter = UebersichtBlaetter(zeitplan_);
    const TUebersichtBlatt blatt = blaetter.value(CBlatt->currentIndex(), blaetter.first());
    QByteArray bytes;
    if (svg) {
        bytes = UebersichtSvg(zeitplan_, blatt);
    } else {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        UebersichtBild(zeitplan_, blatt, 2970).save(&puffer, "PNG");
    }
    const QString fehler = DateiSchreiben(d.Dateiname, bytes);
    if (!fehler.isEmpty())
        Dialoge().Fehlermeldung(this, fehler);
}
