#include "import/UImpFrage.h"

#include <QLabel>

TImpFrageFenster::TImpFrageFenster(IDialoge& dialoge, QWidget* besitzer, const QString& name, const QString& titel)
    : TDialogFenster(dialoge, besitzer, name)
{
    setWindowTitle(titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QLabel* TImpFrageFenster::textLabel(const char* name, const QString& text, bool umbrechen)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(umbrechen);
    return label;
}
