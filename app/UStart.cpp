#include "app/UStart.h"

#include <QFileInfo>
#include <QUrl>

QString Startdatei(const QString& argument)
{
    const QUrl adresse(argument);
    const QString pfad = adresse.isLocalFile() ? adresse.toLocalFile() : argument;
    return pfad.isEmpty() ? QString() : QFileInfo(pfad).absoluteFilePath();
}
