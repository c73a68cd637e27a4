#pragma once

#include "app/UDialogFenster.h"

class QLabel;

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
};
