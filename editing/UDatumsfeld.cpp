#include "editing/UDatumsfeld.h"

#include "app/UBilder.h"
#include "planning/UFunctions.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QWidgetAction>

namespace {

constexpr int BildDatum = 15; // the image of the date view

} // namespace

TDatumsfeld::TDatumsfeld(QWidget* eltern) : QLineEdit(eltern)
{
    QAction* kalender = addAction(Bild(BildDatum), QLineEdit::TrailingPosition);
    kalender->setObjectName(QStringLiteral("Kalender"));
    kalender->setToolTip(QStringLiteral("Kalender (Alt+Pfeil nach unten)"));
    connect(kalender, &QAction::triggered, this, &TDatumsfeld::KalenderZeigen);
    setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
}

QDate TDatumsfeld::date() const
{
    return DatumLesen(text());
}

void TDatumsfeld::setDate(const QDate& datum)
{
    setText(datum.toString(QStringLiteral("dd.MM.yyyy")));
    selectAll();
}

void TDatumsfeld::KalenderZeigen()
{
    QMenu menue(this);
    auto* kalender = new QCalendarWidget; // the action below owns it
    kalender->setObjectName(QStringLiteral("Kalenderblatt"));
    const QDate gezeigt = date();
    kalender->setSelectedDate(gezeigt.isValid() ? gezeigt : QDate::currentDate());
    auto* blatt = new QWidgetAction(&menue);
    blatt->setDefaultWidget(kalender);
    menue.addAction(blatt);
    const auto uebernehmen = [&](QDate datum) {
        setDate(datum);
        menue.close();
    };
    connect(kalender, &QCalendarWidget::clicked, &menue, uebernehmen);
    connect(kalender, &QCalendarWidget::activated, &menue, uebernehmen);
    menue.exec(mapToGlobal(rect().bottomLeft()));
}

void TDatumsfeld::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Down && ereignis->modifiers() == Qt::AltModifier) {
        KalenderZeigen();
        return;
    }
    QLineEdit::keyPressEvent(ereignis);
}
