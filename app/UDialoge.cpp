#include "app/UDialoge.h"

#include "planning/UFehler.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPrintDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

QString musterFuerQt(const QString& muster)
{
    QStringList teile;
    for (const QString& m : muster.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString t = m.trimmed();
        // On Windows "*.*" also matches names without a dot; here "*" does.
        teile << (t == QLatin1String("*.*") ? QStringLiteral("*") : t);
    }
    return teile.isEmpty() ? QStringLiteral("*") : teile.join(QLatin1Char(' '));
}

// Remembers whether the dialog was closed by its frame rather than by one of its buttons.
class TRahmenWaechter : public QObject
{
public:
    using QObject::QObject;
    bool Geschlossen = false;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Close)
            Geschlossen = true;
        return QObject::eventFilter(objekt, ereignis);
    }
};

QMessageBox::StandardButtons knoepfe(TKnopfsatz satz)
{
    switch (satz) {
    case TKnopfsatz::Ok: return QMessageBox::Ok;
    case TKnopfsatz::OkAbbrechen: return QMessageBox::Ok | QMessageBox::Cancel;
    case TKnopfsatz::JaNein: return QMessageBox::Yes | QMessageBox::No;
    case TKnopfsatz::JaNeinAbbrechen: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton knopfFuerQt(TKnopf knopf)
{
    switch (knopf) {
    case TKnopf::Ok: return QMessageBox::Ok;
    case TKnopf::Abbrechen: return QMessageBox::Cancel;
    case TKnopf::Ja: return QMessageBox::Yes;
    case TKnopf::Nein: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

TKnopf knopfAusQt(int knopf)
{
    switch (knopf) {
    case QMessageBox::Ok: return TKnopf::Ok;
    case QMessageBox::Yes: return TKnopf::Ja;
    case QMessageBox::No: return TKnopf::Nein;
    default: return TKnopf::Abbrechen;
    }
}

QMessageBox::Icon symbolFuerQt(TSymbol symbol)
{
    switch (symbol) {
    case TSymbol::Keins: return QMessageBox::NoIcon;
    case TSymbol::Information: return QMessageBox::Information;
    case TSymbol::Warnung: return QMessageBox::Warning;
    case TSymbol::Fehler: return QMessageBox::Critical;
    case TSymbol::Frage: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Radio buttons between the text and the buttons of a message box; the group tells which
// one is selected.
QButtonGroup* optionenEinfuegen(QMessageBox& box, const QStringList& optionen, int vorgabe)
{
    auto* raster = qobject_cast<QGridLayout*>(box.layout());
    auto* knoepfe = box.findChild<QDialogButtonBox*>();
    if (!raster || !knoepfe)
        return nullptr;
    int zeile = 0, spalte = 0, zeilen = 0, spalten = 0;
    raster->getItemPosition(raster->indexOf(knoepfe), &zeile, &spalte, &zeilen, &spalten);
    auto* gruppe = new QButtonGroup(&box);
    auto* feld = new QWidget(&box);
    auto* liste = new QVBoxLayout(feld);
    liste->setContentsMargins(0, 0, 0, 8);
    for (const QString& text : optionen) {
        auto* knopf = new QRadioButton(text, feld);
        gruppe->addButton(knopf, static_cast<int>(gruppe->buttons().size()));
        liste->addWidget(knopf);
    }
    if (QAbstractButton* gewaehlt = gruppe->button(vorgabe))
        gewaehlt->setChecked(true);
    raster->removeWidget(knoepfe);
    raster->addWidget(feld, zeile, spalte + spalten - 1, 1, 1);
    raster->addWidget(knoepfe, zeile + 1, spalte, 1, spalten);
    return gruppe;
}

QString alsHtml(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

class TQtDialoge : public IDialoge
{
public:
    bool DateiOeffnen(QWidget* besitzer, TDateiDialog& d) override { return dateiDialog(besitzer, d, false); }
    bool DateiSpeichern(QWidget* besitzer, TDateiDialog& d) override { return dateiDialog(besitzer, d, true); }

    bool OrdnerWaehlen(QWidget* besitzer, const QString& titel, QString& ordner) override
    {
        QFileDialog dialog(besitzer, titel, ordner);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setOption(QFileDialog::DontUseNativeDialog); // the new-folder button is always there
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        ordner = dialog.selectedFiles().constFirst();
        return true;
    }

    bool Drucken(QWidget* besitzer, QPrinter* drucker) override
    {
        QPrintDialog dialog(drucker, besitzer);
        return dialog.exec() == QDialog::Accepted;
    }

    void Meldung(QWidget* besitzer, const QString& text, const QString& titel) override
    {
        QMessageBox box(QMessageBox::NoIcon, titel.isEmpty() ? QStringLiteral("Simultano") : titel, text,
                        QMessageBox::Ok, besitzer);
        box.exec();
    }

    void Fehlermeldung(QWidget* besitzer, const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Simultano"), text, QMessageBox::Ok, besitzer);
        box.exec();
    }

    bool Frage(QWidget* besitzer, const QString& titel, const QString& text, bool mitSymbol) override
    {
        QMessageBox box(mitSymbol ? QMessageBox::Question : QMessageBox::NoIcon, titel, text,
                        QMessageBox::Yes | QMessageBox::No, besitzer);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    TAufgabeAntwort Aufgabe(QWidget* besitzer, const TAufgabe& a) override
    {
        QMessageBox box(symbolFuerQt(a.Symbol), a.Fenstertitel, QString(), knoepfe(a.Knoepfe), besitzer);
        box.setTextFormat(Qt::RichText);
        box.setText(QStringLiteral("<span style=\"font-size:large; font-weight:600; color:#1c3d7a\">%1</span>")
                        .arg(alsHtml(a.Hauptanweisung)));
        box.setInformativeText(alsHtml(a.Text));
        // a short text stays on one line, as in a task dialog
        box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_informativelabel { min-width: 320px; }"));
        if (!a.EigenesSymbol.isNull())
            box.setIconPixmap(a.EigenesSymbol.pixmap(32, 32));
        box.setDefaultButton(knopfFuerQt(a.Vorgabe));
        QCheckBox* kaestchen = nullptr;
        if (!a.Kontrollkaestchen.isEmpty()) {
            kaestchen = new QCheckBox(a.Kontrollkaestchen, &box);
            box.setCheckBox(kaestchen);
        }
        QButtonGroup* optionen = a.Optionen.isEmpty() ? nullptr : optionenEinfuegen(box, a.Optionen, a.Option);
        TRahmenWaechter waechter;
        box.installEventFilter(&waechter);
        const int knopf = box.exec();

        TAufgabeAntwort antwort;
        antwort.Knopf = waechter.Geschlossen ? TKnopf::Abbrechen : knopfAusQt(knopf);
        antwort.Angekreuzt = kaestchen && kaestchen->isChecked();
        if (optionen)
            antwort.Option = optionen->checkedId();
        return antwort;
    }

private:
    static bool dateiDialog(QWidget* besitzer, TDateiDialog& d, bool speichern)
    {
        QFileDialog dialog(besitzer, d.Titel);
        dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(speichern && d.UeberschreibenFragen));
        const QStringList filter = QtFilter(d.Filter);
        dialog.setNameFilters(filter);
        if (d.FilterIndex >= 1 && d.FilterIndex <= filter.size())
            dialog.selectNameFilter(filter.at(d.FilterIndex - 1));
        if (speichern)
            dialog.setDefaultSuffix(d.Standardendung);
        if (!d.Ordner.isEmpty())
            dialog.setDirectory(d.Ordner);
        if (!d.Dateiname.isEmpty())
            dialog.selectFile(d.Dateiname);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        d.Dateiname = dialog.selectedFiles().constFirst();
        if (speichern)
            d.Dateiname = MitStandardendung(d.Dateiname, d.Standardendung);
        d.FilterIndex = static_cast<int>(filter.indexOf(dialog.selectedNameFilter())) + 1;
        if (d.FilterIndex < 1)
            d.FilterIndex = 1;
        return true;
    }
};

} // namespace

std::unique_ptr<IDialoge> QtDialogeErzeugen()
{
    return std::make_unique<TQtDialoge>();
}

QStringList QtFilter(const QString& filter)
{
    static const QRegularExpression eigeneMuster(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList ergebnis;
    for (qsizetype i = 0; i < teile.size(); i += 2) {
        QString titel = teile.at(i).trimmed();
        const QString muster = i + 1 < teile.size() ? musterFuerQt(teile.at(i + 1)) : QStringLiteral("*");
        titel.remove(eigeneMuster);
        if (titel.isEmpty() && muster == QLatin1String("*") && i + 1 >= teile.size())
            continue; // a trailing "|"
        ergebnis << QStringLiteral("%1 (%2)").arg(titel, muster);
    }
    return ergebnis;
}

QString MitStandardendung(const QString& dateiname, const QString& endung)
{
    if (endung.isEmpty() || dateiname.isEmpty())
        return dateiname;
    const QString name = QFileInfo(dateiname).fileName();
    if (name.contains(QLatin1Char('.')))
        return dateiname;
    return dateiname + QLatin1Char('.') + endung;
}

bool EinstellungSchreiben(IDialoge& dialoge, QWidget* besitzer, const std::function<void()>& schreiben)
{
    try {
        schreiben();
        return true;
    } catch (const TFehler& fehler) {
        dialoge.Fehlermeldung(besitzer, fehler.Meldung);
        return false;
    }
}
