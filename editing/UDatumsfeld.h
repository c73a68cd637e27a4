#pragma once

#include <QDate>
#include <QLineEdit>

// A date field that takes the date as the user types or pastes it ("22.01.2027",
// "5.2.2027", "22012027"; DatumLesen) or picks it from a calendar (the button at the end of
// the field, or Alt+Down). The caret never jumps on its own: what was typed is what is read.
class TDatumsfeld : public QLineEdit
{
    Q_OBJECT

public:
    explicit TDatumsfeld(QWidget* eltern = nullptr);

    // The day the text names; invalid when it names none.
    QDate date() const;
    // Shows the day as "dd.MM.yyyy", all of it selected, so that typing replaces it.
    void setDate(const QDate& datum);
    // Opens the calendar below the field at the day shown (today when none is).
    void KalenderZeigen();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
};
