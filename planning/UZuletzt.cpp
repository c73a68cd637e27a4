#include "planning/UZuletzt.h"

#include "planning/UIni.h"

namespace {

const QString Abschnitt = QStringLiteral("Zuletzt");

QString schluessel(int i)
{
    return QStringLiteral("Datei%1").arg(i + 1);
}

} // namespace

QStringList ZuletztLesen(const TIniDatei& ini)
{
    QStringList dateien;
    for (int i = 0; i < ZuletztHoechstens; ++i) {
        const QString datei = ini.ReadString(Abschnitt, schluessel(i), QString());
        if (!datei.isEmpty() && !dateien.contains(datei))
            dateien << datei;
    }
    return dateien;
}

void ZuletztSchreiben(TIniDatei& ini, const QStringList& dateien)
{
    for (int i = 0; i < ZuletztHoechstens; ++i) {
        const QString datei = dateien.value(i);
        if (datei != ini.ReadString(Abschnitt, schluessel(i), QString()))
            ini.WriteString(Abschnitt, schluessel(i), datei);
    }
}

QStringList ZuletztVorne(QStringList dateien, const QString& datei)
{
    dateien.removeAll(datei);
    dateien.prepend(datei);
    return dateien.mid(0, ZuletztHoechstens);
}
