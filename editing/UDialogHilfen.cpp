#include "editing/UDialogHilfen.h"

#include "app/UBildschirm.h"

#include <QBoxLayout>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class TAnredeErgaenzung : public QObject
{
public:
    explicit TAnredeErgaenzung(QLineEdit* feld) : QObject(feld), feld_(feld) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt != feld_ || ereignis->type() != QEvent::KeyPress || !feld_->text().isEmpty())
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString t = taste->text().toLower();
        QString anrede;
        if (t == QLatin1String("h"))
            anrede = QStringLiteral("Herr");
        else if (t == QLatin1String("f"))
            anrede = QStringLiteral("Frau");
        else
            return false;
        feld_->setText(anrede);
        feld_->setSelection(static_cast<int>(anrede.size()), -3); // caret after the first letter
        return true;
    }

private:
    QLineEdit* feld_;
};

} // namespace

QLineEdit* FeldMitLabel(QWidget* eltern, QBoxLayout* spalte, const char* name, const QString& label,
                        QLabel** beschriftung)
{
    auto* l = new QLabel(label, eltern);
    auto* feld = Benannt<QLineEdit>(eltern, name);
    l->setBuddy(feld);
    spalte->addWidget(l);
    spalte->addWidget(feld);
    if (beschriftung)
        *beschriftung = l;
    return feld;
}

std::pair<QPushButton*, QPushButton*> OkAbbrechenZeile(QDialog* dialog, QBoxLayout* spalte, const char* okName,
                                                       const QString& okText, const QString& abbrechenText)
{
    auto* ok = Benannt<QPushButton>(dialog, okName, okText);
    auto* abbrechen = Benannt<QPushButton>(dialog, "Button2", abbrechenText);
    ok->setDefault(true);
    auto* zeile = new QHBoxLayout;
    zeile->addStretch(1);
    zeile->addWidget(ok);
    zeile->addWidget(abbrechen);
    spalte->addSpacing(8);
    spalte->addLayout(zeile);
    QObject::connect(abbrechen, &QPushButton::clicked, dialog, &QDialog::reject);
    return {ok, abbrechen};
}

void Fensterfarbe(QWidget* fenster, const QColor& farbe)
{
    QPalette farben = fenster->palette();
    farben.setColor(QPalette::Window, farbe);
    fenster->setPalette(farben);
    fenster->setAutoFillBackground(true);
}

void Feldfarbe(QWidget* feld, const QColor& farbe)
{
    QPalette farben = feld->palette();
    farben.setColor(QPalette::Base, farbe);
    feld->setPalette(farben);
}

void Tabreihenfolge(std::initializer_list<QWidget*> reihe)
{
    QWidget* vorher = nullptr;
    for (QWidget* w : reihe) {
        if (vorher)
            QWidget::setTabOrder(vorher, w);
        vorher = w;
    }
}

void NebenBesitzerPlatzieren(QDialog* dialog, int abstandLinks, int oben)
{
    LageEinpassen(dialog, QPoint(dialog->parentWidget()->frameGeometry().left() + abstandLinks, oben));
}

void RechtsImBesitzerPlatzieren(QDialog* dialog, int oben)
{
    const int rechts = dialog->parentWidget()->frameGeometry().right() + 1;
    LageEinpassen(dialog, QPoint(rechts - dialog->frameGeometry().width(), oben));
}

void AnredeErgaenzen(QLineEdit* feld)
{
    feld->installEventFilter(new TAnredeErgaenzung(feld));
}
