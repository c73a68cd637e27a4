#include "minutes/UEditorHinweis.h"

#include "editing/UDialogHilfen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include <signal.h>

TEditorHinweis::TEditorHinweis(QWidget* besitzer) : QDialog(besitzer)
{
    setObjectName(QStringLiteral("EditorHinweis"));
    setWindowTitle(QStringLiteral("Textvorlage"));
    setModal(false);
    auto* spalte = new QVBoxLayout(this);
    Text = Benannt<QLabel>(this, "Text");
    spalte->addWidget(Text);
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    BFertig = Benannt<QPushButton>(this, "BFertig", QStringLiteral("Fertig"));
    BAbbrechen = Benannt<QPushButton>(this, "BAbbrechen", QStringLiteral("Abbrechen"));
    BFertig->setDefault(true);
    zeile->addWidget(BFertig);
    zeile->addWidget(BAbbrechen);
    spalte->addLayout(zeile);
    connect(BFertig, &QPushButton::clicked, this, &TEditorHinweis::fertigClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, &uhr, &QTimer::stop);
    connect(&uhr, &QTimer::timeout, this, &TEditorHinweis::pruefen);
}

bool TEditorHinweis::Starten(const QString& programm, const QStringList& argumente, const QString& name)
{
    // detached: the editor outlives this note and the program, with whatever it holds unsaved
    if (!QProcess::startDetached(programm, argumente, QString(), &prozess))
        return false;
    laufzeit.start();
    Text->setText(QStringLiteral("Die Vorlage wird in %1 bearbeitet.").arg(name));
    uhr.start(500);
    show();
    raise();
    return true;
}

// An editor that ends after a real session is done; one that returned at once handed the
// file to a running instance, and only the user knows when that is done.
void TEditorHinweis::pruefen()
{
    if (prozess <= 0 || ::kill(static_cast<pid_t>(prozess), 0) == 0)
        return;
    prozess = 0;
    uhr.stop();
    if (laufzeit.elapsed() >= Mindestdauer)
        fertigClick();
}

void TEditorHinweis::fertigClick()
{
    accept();
    emit Fertig();
}
