#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs a command that shows a modal dialog of type D and, once that dialog is the active
// window (typing goes to its focused field), the steps on it. A dialog the steps leave open
// is cancelled afterwards, so no test can hang in it. False when the dialog never came.
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
        if (!dialog->isActiveWindow() && sichtbar.elapsed() < 2000)
            return; // a platform that never activates it gets the steps after a while
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

// The keys go to the focused field of the active window, as the user's do.
inline QWidget* Fokus()
{
    if (QWidget* fokus = QApplication::focusWidget())
        return fokus;
    QWidget* fenster = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    return fenster ? fenster->focusWidget() : nullptr;
}

inline void Tippen(const QString& text)
{
    QTest::keyClicks(Fokus(), text);
}

inline void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier)
{
    QTest::keyClick(Fokus(), taste, mit);
}
