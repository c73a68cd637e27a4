#include "editing/UVorsitz.h"

#include "app/UDialoge.h"
#include "editing/UDatumsfeld.h"
#include "editing/UDialogHilfen.h"
#include "planning/UFunctions.h"
#include "planning/UVar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

bool kleinbuchstabe(QChar c)
{
    return c >= u'a' && c <= u'z';
}

QString grossAn(QString text, int stelle)
{
    text[stelle] = text[stelle].toUpper();
    return text;
}

} // namespace

TFVorsitz::TFVorsitz(IDialoge& dialoge, QWidget* besitzer) : TDialogFenster(dialoge, besitzer, QStringLiteral("TFVorsitz"))
{
    lb = Benannt<QListWidget>(this, "lb");
    lb->setFixedWidth(90);
    lb->setFocusPolicy(Qt::NoFocus);

    Memo1 = Benannt<QPlainTextEdit>(this, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setFixedHeight(64);
    Feldfarbe(Memo1, Cremefarbe);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Memo1);
    ek = FeldMitLabel(this, rechts, "ek", QStringLiteral("&Kürzel der/des Vorsitzenden"), &ekLabel);
    ek->setToolTip(QStringLiteral("Kleinbuchstaben genügen"));
    Label1 = Benannt<QLabel>(this, "Label1");
    rechts->addWidget(Label1);
    dtp = Benannt<TDatumsfeld>(this, "dtp");
    rechts->addWidget(dtp);
    KeinDatum = Benannt<QCheckBox>(this, "KeinDatum", QStringLiteral("&Kein Datum"));
    KeinDatum->setToolTip(QStringLiteral("Das Konferenzdatum der Klasse(n) löschen"));
    rechts->addWidget(KeinDatum);
    rechts->addStretch(1);

    auto* oben = new QHBoxLayout;
    oben->addWidget(lb);
    oben->addLayout(rechts, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben, 1);
    std::tie(Button1, Button2) =
        OkAbbrechenZeile(this, spalte, "Button1", QStringLiteral("&OK"), QStringLiteral("&Abbrechen"));

    connect(Button1, &QPushButton::clicked, this, &TFVorsitz::Button1Click);
    connect(ek, &QLineEdit::textChanged, this, &TFVorsitz::ekChange);
    connect(KeinDatum, &QCheckBox::toggled, dtp, &QWidget::setDisabled);
    setMinimumWidth(440);
}

double TFVorsitz::Datum() const
{
    return KeinDatum->isChecked() ? 0.0 : DatumZuWert(dtp->date());
}

void TFVorsitz::Button1Click()
{
    if (fKonf && !KeinDatum->isChecked() && !dtp->date().isValid()) {
        const QString eingabe = dtp->text().trimmed();
        Dialoge().Meldung(this, (eingabe.isEmpty() ? QStringLiteral("Es ist kein Datum eingetragen.")
                                                   : QStringLiteral("Das Datum \"%1\" gibt es nicht.").arg(eingabe)) +
                                    QStringLiteral(" Bitte geben Sie das Datum als TT.MM.JJJJ ein (zum Beispiel "
                                                   "22.01.2027) oder kreuzen Sie \"Kein Datum\" an."));
        dtp->setFocus();
        dtp->selectAll();
        return;
    }
    accept();
}

void TFVorsitz::showEvent(QShowEvent* ereignis)
{
    lb->clear();
    for (const TKlasse* k : klassen)
        lb->addItem(k->Bezeichnung);
    for (QWidget* w : {static_cast<QWidget*>(ekLabel), static_cast<QWidget*>(ek), static_cast<QWidget*>(Label1)})
        w->setVisible(!fKonf);
    dtp->setVisible(fKonf);
    KeinDatum->setVisible(fKonf);
    if (fKonf)
        datumZeigen();
    else
        vorsitzZeigen();
    // An empty confirmation must stay possible: it is the only way to clear a chair who
    // does not teach the class.
    Button1->setEnabled(true);
    adjustSize();
    NebenBesitzerPlatzieren(this, 200, fKonf ? 300 : 50);
    TDialogFenster::showEvent(ereignis);
}

void TFVorsitz::datumZeigen()
{
    Fensterfarbe(this, QColor(209, 213, 224));
    setWindowTitle(QStringLiteral("Konferenz: Datum festlegen"));
    Memo1->setPlainText(QStringLiteral("Legen Sie hier das Konferenzdatum für die links angezeigte(n) Klasse(n) fest."));
    const double erstes = klassen.isEmpty() ? 0.0 : klassen.constFirst()->Konferenzdatum;
    const QDate datum = erstes != 0.0 ? WertZuDatum(erstes).date() : QDate();
    dtp->setDate(datum.isValid() ? datum : QDate::currentDate());
    KeinDatum->setChecked(false);
    dtp->setFocus();
}

void TFVorsitz::vorsitzZeigen()
{
    Fensterfarbe(this, QColor(239, 230, 226));
    setWindowTitle(QStringLiteral("Konferenzvorsitz festlegen"));
    Memo1->setPlainText(QStringLiteral("Sie legen den Konferenzvorsitz für die links angezeigte(n) Klasse(n) fest, "
                                       "indem Sie sein Lehrerkürzel eintragen."));
    Label1->clear();
    ek->clear();
    ek->setFocus();
}

void TFVorsitz::ekChange(const QString& t)
{
    if (t.isEmpty())
        return; // label, button and teacher stay as they were
    TLehrer* gefunden = Lehrerliste->Suche(t);
    if (!gefunden && t.size() >= 2 && kleinbuchstabe(t[0])) {
        // lower case suffices for the first two letters: the field takes the spelling found
        const QString erster = grossAn(t, 0);
        if (Lehrerliste->Suche(erster)) {
            ekErsetzen(erster);
            return;
        }
        const QString beide = grossAn(erster, 1);
        if (kleinbuchstabe(t[1]) && Lehrerliste->Suche(beide)) {
            ekErsetzen(beide);
            return;
        }
    }
    if (gefunden) {
        Label1->setText(LehrerMitAnrede(gefunden, false));
        Button1->setEnabled(true);
        lehrer = gefunden;
    } else {
        Label1->clear();
        Button1->setEnabled(false);
    }
}

void TFVorsitz::ekErsetzen(const QString& text)
{
    // caret and selection stay where they were; setting the text runs ekChange again
    const int laenge = static_cast<int>(ek->selectedText().size());
    const int anfang = laenge > 0 ? ek->selectionStart() : ek->cursorPosition();
    const bool rueckwaerts = laenge > 0 && ek->cursorPosition() == anfang;
    ek->setText(text);
    if (laenge > 0)
        ek->setSelection(rueckwaerts ? anfang + laenge : anfang, rueckwaerts ? -laenge : laenge);
    else
        ek->setCursorPosition(anfang);
}
