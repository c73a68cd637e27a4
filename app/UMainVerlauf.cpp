// Undo and redo of the school data, the window title, "Zuletzt geöffnet", the sample school
// and the status bar.
#include "app/UKlassenBaum.h"
#include "app/UMain.h"
#include "planning/UDatei.h"
#include "planning/UFehler.h"
#include "planning/UIni.h"
#include "planning/UProjekt.h"
#include "planning/UVar.h"
#include "planning/UZuletzt.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>

#include <optional>

namespace {

// The school data as the project file holds them, the timetable and the kept plan with them
// (a step back to other classes must not keep a plan of classes that are gone); nothing
// when they cannot be written.
std::optional<QByteArray> aktuellerStand()
{
    try {
        return ProjektBytes(*Lehrerliste, *Klassenliste, Projektzusatz);
    } catch (const TFehler&) {
        return std::nullopt;
    }
}

} // namespace

QString OrdnerKurz(const QString& ordner)
{
    const QString heim = QDir::homePath();
    QString pfad = QDir::cleanPath(ordner);
    if (pfad == heim || pfad.startsWith(heim + QLatin1Char('/')))
        pfad = QLatin1Char('~') + pfad.mid(heim.size());
    return QDir::toNativeSeparators(pfad);
}

void TFMain::schritteVerbinden()
{
    // Connected after the commands' own handlers, so each runs once the command is done.
    for (QAction* a : findChildren<QAction*>())
        connect(a, &QAction::triggered, this, &TFMain::SchrittFesthalten);
    for (QPushButton* k : findChildren<QPushButton*>())
        connect(k, &QPushButton::clicked, this, &TFMain::SchrittFesthalten);
    for (QShortcut* s : findChildren<QShortcut*>())
        connect(s, &QShortcut::activated, this, &TFMain::SchrittFesthalten);
    connect(LV, &QTableWidget::cellDoubleClicked, this, &TFMain::SchrittFesthalten);
    connect(TV, &TKlassenBaum::LehrerAbgelegt, this, &TFMain::SchrittFesthalten);
    verlaufBeginnen(true);
    zuletztAnzeigen();
}

void TFMain::verlaufBeginnen(bool gespeichert)
{
    verlauf.Beginnen(aktuellerStand().value_or(QByteArray()), gespeichert);
    ZustandZeigen();
}

void TFMain::SchrittFesthalten()
{
    if (const std::optional<QByteArray> stand = aktuellerStand())
        verlauf.Festhalten(*stand);
    ZustandZeigen();
}

void TFMain::Rueckgaengig1Click()
{
    if (const std::optional<QByteArray> stand = verlauf.Rueckgaengig())
        standZeigen(*stand);
}

void TFMain::Wiederholen1Click()
{
    if (const std::optional<QByteArray> stand = verlauf.Wiederholen())
        standZeigen(*stand);
}

void TFMain::standZeigen(const QByteArray& stand)
{
    TProjektErgebnis projekt = ProjektAusBytes(stand, Dateiname);
    if (!projekt.Ok()) {
        Dialoge().Fehlermeldung(this, projekt.Fehler);
        return;
    }
    // the open classes and the current class are found again by their designations
    QStringList offen;
    for (int i = 0; i < TV->topLevelItemCount(); ++i)
        if (TV->topLevelItem(i)->isExpanded())
            offen << TV->topLevelItem(i)->text(0);
    const TKnoten* fokus = KlassenKnoten(TV->FokusKnoten());
    const QString aktuelleKlasse = fokus ? fokus->Klasse->Bezeichnung : QString();

    ProjektErsetzen(std::move(projekt.Lehrer), std::move(projekt.Klassen), std::move(projekt.Zusatz));
    for (int i = 0; i < TV->topLevelItemCount(); ++i) {
        TKnoten* knoten = Knoten(TV->topLevelItem(i));
        knoten->setExpanded(offen.contains(knoten->text(0)));
        if (knoten->Klasse->Bezeichnung == aktuelleKlasse)
            TV->KnotenWaehlen(knoten);
    }
    Geaendert = verlauf.Ungespeichert();
    ZustandZeigen();
}

void TFMain::ZustandZeigen()
{
    const QString name = Dateiname.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(Dateiname).fileName();
    setWindowTitle(name + QStringLiteral("[*] – Simultano"));
    setWindowModified(Geaendert);
    Rueckgaengig1->setEnabled(verlauf.KannRueckgaengig());
    Wiederholen1->setEnabled(verlauf.KannWiederholen());
}

void TFMain::Statusmeldung(const QString& text)
{
    statusBar()->showMessage(text);
}

QString TFMain::Startordner(const QString& schluessel) const
{
    if (!Dateiname.isEmpty() && QFileInfo(OrdnerVon(Dateiname)).isDir())
        return OrdnerVon(Dateiname);
    const QString ordner = Ini->ReadString(QStringLiteral("Data"), schluessel, QString());
    return QFileInfo(ordner).isDir() ? ordner : Standardordner(QStandardPaths::DocumentsLocation);
}

// ---------------------------------------------------------------- recent files

void TFMain::zuletztMerken(const QString& datei, bool melden)
{
    const QStringList alt = ZuletztLesen(*Ini);
    const QStringList neu = ZuletztVorne(alt, QFileInfo(datei).absoluteFilePath());
    if (neu != alt) {
        if (melden)
            EinstellungSchreiben(Dialoge(), this, [&] { ZuletztSchreiben(*Ini, neu); });
        else
            try {
                ZuletztSchreiben(*Ini, neu);
            } catch (const TFehler&) {
                // the caller has reported the settings file that cannot be written
            }
    }
    zuletztAnzeigen();
}

void TFMain::zuletztAnzeigen()
{
    Zuletzt1->clear();
    const QStringList dateien = ZuletztLesen(*Ini);
    for (int i = 0; i < dateien.size(); ++i) {
        const QString& datei = dateien[i];
        const QString name = QFileInfo(datei).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = Zuletzt1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        a->setToolTip(QDir::toNativeSeparators(datei));
        a->setStatusTip(QDir::toNativeSeparators(datei));
        connect(a, &QAction::triggered, this, [this, datei] { zuletztOeffnen(datei); });
    }
    Zuletzt1->setEnabled(!dateien.isEmpty());
}

void TFMain::zuletztOeffnen(const QString& datei)
{
    if (!QFileInfo(datei).isFile()) {
        Dialoge().Meldung(this, QStringLiteral("Die Datei \"%1\" gibt es nicht mehr. Sie wird aus der Liste "
                                               "\"Zuletzt geöffnet\" entfernt.")
                                    .arg(QDir::toNativeSeparators(datei)));
        QStringList dateien = ZuletztLesen(*Ini);
        dateien.removeAll(datei);
        EinstellungSchreiben(Dialoge(), this, [&] { ZuletztSchreiben(*Ini, dateien); });
        zuletztAnzeigen();
        return;
    }
    if (SpeichernFragen())
        ProjektOeffnen(datei);
}

// ---------------------------------------------------------------- the sample school

QString TFMain::BeispielschuleDatei()
{
    const QString name = QStringLiteral("Beispielschule.spz");
    for (const QString& ordner : {Programmpfad, InstallierterDatenordner(Programmpfad)})
        if (!ordner.isEmpty() && QFileInfo(ordner + name).isFile())
            return ordner + name;
    return QString();
}

bool TFMain::BeispielschuleOeffnen()
{
    if (!SpeichernFragen())
        return false;
    const QString datei = BeispielschuleDatei();
    if (datei.isEmpty()) {
        Dialoge().Fehlermeldung(this, QStringLiteral("Die Beispielschule (Beispielschule.spz) wurde weder neben dem "
                                                     "Programm noch in seinem Datenordner gefunden."));
        return false;
    }
    if (!projektLaden(datei))
        return false;
    // unnamed: "Speichern" asks for a file, so the sample itself is never overwritten
    Dateiname.clear();
    Edit1->clear();
    verlaufBeginnen(true);
    return true;
}
