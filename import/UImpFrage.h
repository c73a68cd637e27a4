#pragma once

#include "app/UDialogFenster.h"
#include "editing/UDialogHilfen.h"

#include <QLabel>

class QPushButton;

// Base of the import's two question windows: they have no close box and are left only
// through their buttons, so neither Esc nor the window frame can end an import halfway.
class TImpFrageFenster : public TDialogFenster
{
    Q_OBJECT

public:
    TImpFrageFenster(IDialoge& dialoge, QWidget* besitzer, const QString& name, const QString& titel);

    void reject() override {}

protected:
    // A label for text from the file, which is never read as markup.
    QLabel* textLabel(const char* name, const QString& text = QString(), bool umbrechen = false);
    // A button that closes the window with the result ergebnis.
    QPushButton* knopf(const char* name, const QString& text, int ergebnis);
    // A control of this window behind its label, which carries the control's mnemonic.
    template <class T>
    T* hinterLabel(const char* name, QLabel* beschriftung)
    {
        auto* feld = Benannt<T>(this, name);
        beschriftung->setBuddy(feld);
        return feld;
    }
};
