#include "distribution/USaveResult.h"

#include "app/UBildschirm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) {
        l->setWordWrap(true);
        l->setFixedWidth(Textbreite);
    }
    RadioGroup1 = new QGroupBox(QStringLiteral("Trennzeichen"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Komma = new QRadioButton(QStringLiteral("&Komma"), RadioGroup1);
    Komma->setObjectName(QStringLiteral("Komma"));
    Tab = new QRadioButton(QStringLiteral("&Tabulator"), RadioGroup1);
    Tab->setObjectName(QStringLiteral("Tabulator"));
    Komma->setChecked(true);
    auto* spalten = new QHBoxLayout(RadioGroup1);
    spalten->addWidget(Komma, 1);
    spalten->addWidget(Tab, 1);

    Button1 = new QPushButton(QStringLiteral("&Speichern ..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(Button2);
    auto* flaeche = new QVBoxLayout(this);
    flaeche->setContentsMargins(16, 16, 16, 12);
    flaeche->setSpacing(12);
    flaeche->addWidget(Label1);
    flaeche->addWidget(Label2);
    flaeche->addWidget(RadioGroup1);
    flaeche->addLayout(knoepfe);
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
