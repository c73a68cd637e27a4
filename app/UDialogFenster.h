#pragma once

#include <QDialog>

class IDialoge;

// Base of the program's modal windows: created once at start-up with the main window as
// owner, shown again and again, and talking to the user through the shared standard dialogs.
class TDialogFenster : public QDialog
{
    Q_OBJECT

public:
    TDialogFenster(IDialoge& dialoge, QWidget* besitzer, const QString& name);

    IDialoge& Dialoge() const { return dialoge_; }

private:
    IDialoge& dialoge_;
};
