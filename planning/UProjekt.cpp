#include "planning/UProjekt.h"

#include <QDir>
#include <QSaveFile>

// Provisional: the reader is being written.
TProjektErgebnis ProjektAusBytes(const QByteArray&, const QString& dateiname)
{
    TProjektErgebnis ergebnis;
    ergebnis.Fehler = QStringLiteral("Datei %1 kann nicht geöffnet werden.").arg(QDir::toNativeSeparators(dateiname));
    return ergebnis;
}

TProjektErgebnis ProjektLesen(const QString& dateiname)
{
    return ProjektAusBytes(QByteArray(), dateiname);
}

QByteArray ProjektBytes(const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    TMyStream DS;
    DS.Lehrer = &lehrer;
    DS.WriteInt(131072);
    lehrer.Speichern(DS);
    klassen.Speichern(DS);
    return DS.Daten;
}

QString ProjektSchreiben(const QString& dateiname, const TLehrerliste& lehrer, const TKlassenliste& klassen)
{
    const QByteArray bytes = ProjektBytes(lehrer, klassen);
    QSaveFile datei(dateiname);
    if (!datei.open(QIODevice::WriteOnly))
        return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(QDir::toNativeSeparators(dateiname), datei.errorString());
    if (datei.write(bytes) != bytes.size() || !datei.commit())
        return QStringLiteral("Stream-Schreibfehler");
    return QString();
}
