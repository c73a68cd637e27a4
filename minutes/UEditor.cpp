#include "minutes/UEditor.h"

#include "planning/UDatei.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The name of the desktop's program for .rtf files, from its .desktop entry; "xdg-open"
// when it cannot be told.
QString rtfProgrammName()
{
    QProcess abfrage;
    abfrage.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/rtf")});
    if (!abfrage.waitForFinished(3000))
        abfrage.kill();
    const QString eintrag = QString::fromUtf8(abfrage.readAllStandardOutput()).trimmed();
    const QString datei = eintrag.isEmpty() ? QString() : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, eintrag);
    QStringList zeilen;
    if (!datei.isEmpty() && TextdateiLesen(datei, zeilen, 1024 * 1024).isEmpty())
        for (const QString& zeile : zeilen)
            if (zeile.startsWith(QLatin1String("Name=")))
                return zeile.mid(5).trimmed();
    return QStringLiteral("xdg-open");
}

} // namespace

TEditor VorlagenEditor(const QString& einstellung)
{
    const QStringList befehl = QProcess::splitCommand(einstellung);
    if (!befehl.isEmpty())
        return {befehl.first(), befehl.mid(1), QFileInfo(befehl.first()).fileName()};
    const struct
    {
        const char* Programm;
        const char* Argument;
        const char* Name;
    } bekannte[] = {
        {"lowriter", nullptr, "LibreOffice Writer"},
        {"libreoffice", "--writer", "LibreOffice Writer"},
        {"soffice", "--writer", "LibreOffice Writer"},
        {"abiword", nullptr, "AbiWord"},
    };
    for (const auto& b : bekannte) {
        const QString pfad = QStandardPaths::findExecutable(QString::fromUtf8(b.Programm));
        if (!pfad.isEmpty())
            return {pfad, b.Argument ? QStringList{QString::fromUtf8(b.Argument)} : QStringList(), QString::fromUtf8(b.Name)};
    }
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdg.isEmpty())
        return {xdg, {}, rtfProgrammName()};
    return {};
}
