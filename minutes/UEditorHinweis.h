#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QPushButton;

// The small note shown while a template is edited in another program: "Die Vorlage wird in …
// bearbeitet." with "Fertig" and "Abbrechen". It is not modal: the rest of the program stays
// usable meanwhile. "Fertig" (or the editor ending after a real editing session) takes the
// template back; "Abbrechen" only ends the wait. The editor runs on its own: closing the
// note or the program never ends it, nor loses what the user is editing there.
class TEditorHinweis : public QDialog
{
    Q_OBJECT

public:
    explicit TEditorHinweis(QWidget* besitzer);

    // Starts the program with its arguments and shows the note for that editor's name;
    // false when the program could not be started (the note stays hidden).
    bool Starten(const QString& programm, const QStringList& argumente, const QString& name);
    // Below this many milliseconds the editor has handed the file on and returned: the
    // user says when the editing is done.
    static constexpr int Mindestdauer = 5000;

    QLabel* Text = nullptr;
    QPushButton *BFertig = nullptr, *BAbbrechen = nullptr;

signals:
    void Fertig();

private:
    void pruefen();
    void fertigClick();

    QTimer uhr;
    QElapsedTimer laufzeit;
    qint64 prozess = 0; // 0: the editor has ended
};
