#include "import/UMultClass.h"

#include "app/UBildschirm.h"
#include "editing/UDialogHilfen.h"
#include "planning/UClasses.h"
#include "planning/UFunctions.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum TErgebnis { ErgebnisJa = 10, ErgebnisNein, ErgebnisAbbrechen };

} // namespace

TFMultClass::TFMultClass(IDialoge& dialoge, QWidget* besitzer)
    : TImpFrageFenster(dialoge, besitzer, QStringLiteral("TFMultClass"), QStringLiteral("Rückfrage"))
{
    auto* links = new QVBoxLayout;
    LabeledEdit1 = FeldMitLabel(this, links, "LabeledEdit1", QStringLiteral("&Lehrkraft"), &LabeledEdit1Label);
    LabeledEdit1Label->setObjectName(QStringLiteral("LabeledEdit1Label"));
    links->addSpacing(6);
    LabeledEdit2 = FeldMitLabel(this, links, "LabeledEdit2", QStringLiteral("&Fach / Bezeichnung"), &LabeledEdit2Label);
    LabeledEdit2Label->setObjectName(QStringLiteral("LabeledEdit2Label"));
    links->addSpacing(6);
    LabeledEdit2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    la = textLabel("la", QStringLiteral("&Klassen"));
    libo = hinterLabel<QListWidget>("libo", la);
    libo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    libo->setFixedSize(180, 120);
    lab = textLabel("lab", QString(), true);
    L_immer = textLabel("L_immer", QString(), true);
    CheckBox1 = Benannt<QCheckBox>(this, "CheckBox1");
    CheckBox2 = Benannt<QCheckBox>(this, "CheckBox2", QStringLiteral("Für &alle Fächer so entscheiden"));
    Button1 = knopf("Button1", QStringLiteral("&JA"), ErgebnisJa);
    Button1->setDefault(true);
    Button2 = knopf("Button2", QStringLiteral("&NEIN"), ErgebnisNein);
    Button3 = knopf("Button3", QStringLiteral("Import hier a&bbrechen"), ErgebnisAbbrechen);
    for (QLineEdit* feld : {LabeledEdit1, LabeledEdit2}) {
        feld->setReadOnly(true);
        feld->setFixedWidth(libo->width());
    }

    links->addWidget(la);
    links->addWidget(libo);
    links->addSpacing(6);
    auto* rechts = new QVBoxLayout;
    lab->setFixedWidth(360);
    rechts->addWidget(lab);
    rechts->addStretch(1);
    rechts->addWidget(L_immer);
    rechts->addWidget(CheckBox1);
    rechts->addWidget(CheckBox2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    for (QPushButton* k : {Button1, Button2, Button3})
        knoepfe->addWidget(k);
    auto* raster = new QGridLayout(this);
    raster->setHorizontalSpacing(20);
    raster->setVerticalSpacing(16);
    raster->addLayout(links, 0, 0);
    raster->addLayout(rechts, 0, 1);
    raster->addLayout(knoepfe, 1, 0, 1, 2);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    Tabreihenfolge({LabeledEdit1, LabeledEdit2, libo, CheckBox1, CheckBox2, Button1, Button2, Button3});
}

void TFMultClass::FormShow()
{
    LabeledEdit1->setText(le->Kuerzel);
    LabeledEdit2->setText(fa);
    LabeledEdit1->setCursorPosition(0);
    LabeledEdit2->setCursorPosition(0);
    libo->clear();
    libo->addItems(kl);
    // the salutation as stored, never "Herrn"
    const QString name = LehrerMitAnrede(le, false);
    const QString pronomen = le->Anrede == QLatin1String("Herr") ? QStringLiteral("er") : QStringLiteral("sie");
    lab->setText(QStringLiteral("%1 ist für die Gruppe \"%2\" eingesetzt, der die angezeigten Klassen zugeordnet sind.\n"
                                "Soll %3 allen diesen Klassen für die Konferenz hinzugefügt werden?")
                     .arg(name, fa, pronomen));
    QString faMitUnd = fa;
    faMitUnd.replace(QLatin1Char('&'), QLatin1String("&&")); // an "&" of the subject is no mnemonic
    CheckBox1->setText(QStringLiteral("JA/NEIN-Entscheidung gilt &stets für %1").arg(faMitUnd));
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    CheckBox1->setFocus();
    L_immer->setText(QStringLiteral("Sie können hier die Anzahl der Rückfragen einschränken:"));
}

TRueckfrage TFMultClass::Fragen(const TLehrer& lehrer, const QString& fach, const QStringList& klassen)
{
    le = &lehrer;
    fa = fach;
    kl = klassen;
    FormShow();
    adjustSize();
    Zentrieren(this);
    TRueckfrage antwort;
    switch (exec()) {
    case ErgebnisJa:
        antwort.Antwort = TMehrklassenAntwort::Ja;
        break;
    case ErgebnisNein:
        antwort.Antwort = TMehrklassenAntwort::Nein;
        break;
    default:
        antwort.Antwort = TMehrklassenAntwort::Abbrechen;
        break;
    }
    antwort.Immer = CheckBox1->isChecked();
    antwort.AlleFaecher = CheckBox2->isChecked();
    return antwort;
}
