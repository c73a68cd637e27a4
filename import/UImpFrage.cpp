#include "import/UImpFrage.h"

#include <QLabel>
#include <QPushButton>

TImpFrageFenster::TImpFrageFenster(IDialoge& dialoge, QWidget* besitzer, const QString& name, const QString& titel)
    : TDialogFenster(dialoge, besitzer, name)
{
    setWindowTitle(titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QLabel* TImpFrageFenster::textLabel(const char* name, const QString& text, bool umbrechen)
{
    auto* label = Benannt<QLabel>(this, name, text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(umbrechen);
    return label;
}

QPushButton* TImpFrageFenster::knopf(const char* name, const QString& text, int ergebnis)
{
    auto* k = Benannt<QPushButton>(this, name, text);
    connect(k, &QPushButton::clicked, this, [this, ergebnis] { done(ergebnis); });
    return k;
}
