#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>
#include <utility>

class QBoxLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Building blocks the editing dialogs share.

// The cream background of read-only fields and lists.
inline const QColor Cremefarbe(255, 251, 240);

// A labelled edit field: the label (with its mnemonic) above the field, both appended to
// the layout; the field is named after the component. The label is left in *beschriftung.
QLineEdit* FeldMitLabel(QWidget* eltern, QBoxLayout* spalte, const char* name, const QString& label,
                        QLabel** beschriftung = nullptr);
// A new child widget named after its component.
template <class W, class... Argumente>
W* Benannt(QWidget* eltern, const char* name, Argumente&&... argumente)
{
    auto* w = new W(std::forward<Argumente>(argumente)..., eltern);
    w->setObjectName(QLatin1String(name));
    return w;
}
// The confirming button (the default button) and the cancel button "Button2" (closes the
// dialog as cancelled, as Esc does), right-aligned in a row below a gap at the end of the layout.
std::pair<QPushButton*, QPushButton*> OkAbbrechenZeile(QDialog* dialog, QBoxLayout* spalte, const char* okName,
                                                       const QString& okText, const QString& abbrechenText);

// The window's background colour.
void Fensterfarbe(QWidget* fenster, const QColor& farbe);
// The background of a field or list (what the user reads or types in).
void Feldfarbe(QWidget* feld, const QColor& farbe);
// The order in which Tab walks the widgets.
void Tabreihenfolge(std::initializer_list<QWidget*> reihe);
// Every editing dialog has the main window as its owner. Both move the dialog's frame to a
// place relative to the owner, at the screen height oben (LageEinpassen: kept inside the
// screen's available area, made smaller where it is larger).
// The left edge that many pixels right of the owner's left edge.
void NebenBesitzerPlatzieren(QDialog* dialog, int abstandLinks, int oben);
// The right edge on the owner's right edge.
void RechtsImBesitzerPlatzieren(QDialog* dialog, int oben);

// Salutation completion: while the field is empty, "h" or "H" fills in "Herr" and "f" or
// "F" "Frau"; the key itself is dropped, the caret stands after the first letter and the
// other three are selected, so that typing on replaces them.
void AnredeErgaenzen(QLineEdit* feld);
