#include "import/UImpStufenwahl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Position i stands for grade level i + 1; the words in brackets are shown only.
const QStringList stufenEintraege = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10 (E)", "11 (QI)", "12 (QII)", "13"};

} // namespace

TFImpStufenwahl::TFImpStufenwahl(IDialoge& dialoge, QWidget* besitzer)
    : TImpFrageFenster(dialoge, besitzer, QStringLiteral("TFImpStufenwahl"), QStringLiteral("Klassenstufen festlegen"))
{
    Label4 = textLabel("Label4", QStringLiteral("Die Lehrkräfte wurden importiert."));
    QFont fett = Label4->font();
    fett.setBold(true);
    Label4->setFont(fett);
    Label1 = textLabel("Label1", QString(), true);
    Label1->setFixedWidth(330);
    Label5 = textLabel("Label5", QStringLiteral("(Vielleicht testen Sie es einfach.)"));
    Label2 = textLabel("Label2", QStringLiteral("&Beginn mit Stufe"));
    Label3 = textLabel("Label3", QStringLiteral("&Ende mit Stufe"));
    ComboBox1 = hinterLabel<QComboBox>("ComboBox1", Label2);
    ComboBox2 = hinterLabel<QComboBox>("ComboBox2", Label3);
    for (QComboBox* liste : {ComboBox1, ComboBox2}) {
        liste->setEditable(false); // only a listed position can come back
        liste->setMaxVisibleItems(stufenEintraege.size());
    }
    Button1 = knopf("Button1", QStringLiteral("&Weiter"), QDialog::Accepted);
    Button1->setDefault(true);
    Button2 = knopf("Button2", QStringLiteral("Import &abbrechen"), QDialog::Rejected);

    auto* texte = new QVBoxLayout;
    texte->addWidget(Label4);
    texte->addSpacing(8);
    texte->addWidget(Label1);
    texte->addSpacing(8);
    texte->addWidget(Label5);
    texte->addStretch(1);
    auto* listen = new QVBoxLayout;
    listen->addWidget(Label2);
    listen->addWidget(ComboBox1);
    listen->addSpacing(12);
    listen->addWidget(Label3);
    listen->addWidget(ComboBox2);
    listen->addStretch(1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(Button2);
    auto* raster = new QGridLayout(this);
    raster->setHorizontalSpacing(24);
    raster->setVerticalSpacing(16);
    raster->addLayout(texte, 0, 0);
    raster->addLayout(listen, 0, 1);
    raster->addLayout(knoepfe, 1, 0, 1, 2);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, Button1);
    setTabOrder(Button1, Button2);
}

void TFImpStufenwahl::FormShow(bool IstGymnasium)
{
    Label1->setText(QStringLiteral(
        "Sie können die Klassenstufen für die Suche nach parallelen Konferenzterminen einschränken. Falls Sie z.B. die "
        "Oberstufe ausschließen (kaum Chancen auf zeitgleiche Konferenz), haben Sie beim nun folgenden Import weniger "
        "Rückfragen zu klassenübergreifenden Kursen."));
    for (QComboBox* liste : {ComboBox1, ComboBox2}) {
        liste->clear();
        liste->addItems(stufenEintraege);
    }
    const TStufen vorwahl = StufenVorwahl(IstGymnasium);
    ComboBox1->setCurrentIndex(vorwahl.Von - 1);
    ComboBox2->setCurrentIndex(vorwahl.Bis - 1);
    ComboBox1->setFocus();
}

std::optional<TStufen> TFImpStufenwahl::Fragen(bool IstGymnasium)
{
    FormShow(IstGymnasium);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return TStufen{ComboBox1->currentIndex() + 1, ComboBox2->currentIndex() + 1};
}
