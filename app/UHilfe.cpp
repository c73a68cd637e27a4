#include "app/UHilfe.h"

#include "app/UBildschirm.h"
#include "app/UChmDatei.h"
#include "app/UHilfefenster.h"
#include "planning/UIni.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {

QString hilfedatei;
// There is at most one help window. It belongs to the window that asked for it, so that it
// stays usable while that window is modal.
QPointer<TFHilfefenster> fenster;

const QPoint hilfePosition(40, 40);

// The help file for a request of this owner: the open window's when it can be reused,
// else the file opened anew.
struct THilfeAnfrage
{
    std::unique_ptr<TChmDatei> neueDatei;
    const TChmDatei* datei = nullptr;
    QString fehler;
};

THilfeAnfrage DateiFuer(QWidget* besitzer)
{
    THilfeAnfrage anfrage;
    if (fenster && fenster->parentWidget() == besitzer && fenster->Datei().Pfad() == hilfedatei
        && QFileInfo(hilfedatei).isFile()) {
        anfrage.datei = &fenster->Datei();
        return anfrage;
    }
    anfrage.neueDatei = TChmDatei::Oeffnen(hilfedatei, &anfrage.fehler);
    anfrage.datei = anfrage.neueDatei.get();
    return anfrage;
}

// Shows the page in the owner's help window, which is created when there is none yet.
void Zeigen(THilfeAnfrage anfrage, QWidget* besitzer, const QString& seite)
{
    if (anfrage.neueDatei) {
        if (fenster)
            fenster->close();
        fenster = new TFHilfefenster(std::move(anfrage.neueDatei), besitzer);
    }
    if (seite.isEmpty())
        fenster->InhaltZeigen();
    else
        fenster->SeiteZeigen(seite);
    LageEinpassen(fenster, hilfePosition);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

} // namespace

namespace THilfe {

QString DateiSuchen(const QString& programmpfad)
{
    const QString name = QStringLiteral("Simulta.chm");
    const QString daneben = QDir(programmpfad).filePath(name);
    const QString daten = InstallierterDatenordner(programmpfad);
    if (QFileInfo(daneben).isFile() || daten.isEmpty() || !QFileInfo(daten + name).isFile())
        return daneben;
    return daten + name;
}

void DateiSetzen(const QString& pfad)
{
    hilfedatei = pfad;
}

QString Datei()
{
    return hilfedatei;
}

QString KontextZeigen(int kontext, QWidget* besitzer)
{
    THilfeAnfrage anfrage = DateiFuer(besitzer);
    if (!anfrage.datei)
        return anfrage.fehler;
    const QString seite = kontext < 0 ? QString() : anfrage.datei->Kontextseite(quint32(kontext));
    if (seite.isEmpty())
        return QStringLiteral("Die Hilfedatei \"%1\" enthält kein Hilfethema zur Kennung %2.")
            .arg(hilfedatei).arg(kontext);
    Zeigen(std::move(anfrage), besitzer, seite);
    return QString();
}

QString InhaltZeigen(QWidget* besitzer)
{
    THilfeAnfrage anfrage = DateiFuer(besitzer);
    if (!anfrage.datei)
        return anfrage.fehler;
    const TChmSystem& system = anfrage.datei->System();
    if (system.Startseite.isEmpty() && system.Inhaltsdatei.isEmpty())
        return QStringLiteral("Die Hilfedatei \"%1\" hat weder eine Startseite noch ein Inhaltsverzeichnis.")
            .arg(hilfedatei);
    Zeigen(std::move(anfrage), besitzer, QString());
    return QString();
}

void AlleSchliessen()
{
    if (fenster)
        fenster->close();
}

TFHilfefenster* Fenster()
{
    return fenster;
}

} // namespace THilfe
