#include "distribution/USaveResult.h"

#include "app/UBildschirm.h"
#include "editing/UDialogHilfen.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int Textbreite = 440;

} // namespace

TFSaveResult::TFSaveResult(IDialoge& dialoge, QWidget* besitzer)
    : TDialogFenster(dialoge, besitzer, QStringLiteral("TFSaveResult"))
{
    setWindowTitle(QStringLiteral("Ergebnis speichern"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont schrift(QStringLiteral("Tahoma"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(15);
    setFont(schrift);

    Label1 = Benannt<QLabel>(this, "Label1");
    Label2 = Benannt<QLabel>(this, "Label2");
    for (QLabel* l : {Label1, Label2}) {
        l->setWordWrap(true);
        l->setFixedWidth(Textbreite);
    }
    RadioGroup1 = Benannt<QGroupBox>(this, "RadioGroup1", QStringLiteral("Trennzeichen"));
    Komma = Benannt<QRadioButton>(RadioGroup1, "Komma", QStringLiteral("&Komma"));
    Tab = Benannt<QRadioButton>(RadioGroup1, "Tabulator", QStringLiteral("&Tabulator"));
    Komma->setChecked(true);
    auto* spalten = new QHBoxLayout(RadioGroup1);
    spalten->addWidget(Komma, 1);
    spalten->addWidget(Tab, 1);

    auto* flaeche = new QVBoxLayout(this);
    flaeche->setContentsMargins(16, 16, 16, 12);
    flaeche->setSpacing(12);
    flaeche->addWidget(Label1);
    flaeche->addWidget(Label2);
    flaeche->addWidget(RadioGroup1);
    std::tie(Button1, Button2) =
        OkAbbrechenZeile(this, flaeche, "Button1", QStringLiteral("&Speichern ..."), QStringLiteral("Abbrechen"));
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    flaeche->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

void TFSaveResult::FormCreate()
{
    Label1->setText(QStringLiteral(
        "Das Ergebnis wird als Text (*.txt) gespeichert. Sie können diese Datei mit einer Tabellenkalkulation "
        "(z.B. Excel oder OpenOffice-Calc) als Tabelle einlesen, wenn Sie als Dateityp TEXT wählen.\n"
        "Sie können die Tabelle dann bearbeiten (z.B. Raumbezeichnungen und Zeiten ergänzen), kopieren und in ein "
        "Textdokument einfügen.\n\n"
        "Direktes Öffnen mit einer Textverarbeitung ist möglich, doch ist dann die Gestaltung in tabellarischer Form "
        "aufwendiger."));
    Label2->setText(QStringLiteral(
        "Möchten Sie den Tabelleninhalt durch Komma oder durch Tabulator-Code getrennt speichern?"));
}

bool TFSaveResult::Fragen()
{
    return exec() == QDialog::Accepted;
}

bool TFSaveResult::Tabulator() const
{
    return Tab->isChecked();
}

// A fixed dialog in the middle of the screen.
void TFSaveResult::showEvent(QShowEvent* ereignis)
{
    TDialogFenster::showEvent(ereignis);
    Zentrieren(this);
}
