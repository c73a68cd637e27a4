#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs a command that shows a modal dialog of type D and, as soon as that dialog is the
// active modal window and has the keyboard (typing goes to its focused field), the steps on it. A dialog the steps leave open is cancelled
// afterwards, so no test can hang in it. False when the dialog never came.
template <class D>
bool ImDialog(const std::function<void()>& befehl, const std::function<void(D&)>& schritte)
{
    bool gekommen = false;
    QTimer warten;
    warten.setInterval(1);
    QElapsedTimer sichtbar;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (!sichtbar.isValid())
            sichtbar.start();
        // a platform that never activates it gets its steps after a while all the same
        if (!dialog->isActiveWindow() && sichtbar.elapsed() < 2000)
            return;
        warten.stop();
        gekommen = true;
        schritte(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    warten.start();
    befehl();
    warten.stop();
    return gekommen;
}

// Typing into the field that has the focus, as the user does.
inline void Tippen(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

inline void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), taste, mit);
}
