#pragma once

#include "cli/UCli.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of the command-line companion, without a process: what it printed and its status.
struct TCliLauf
{
    int Status = -1;
    QString Aus;
    QString Fehler;

    explicit TCliLauf(const QStringList& argumente)
    {
        QTextStream aus(&Aus);
        QTextStream fehler(&Fehler);
        TCli cli{aus, fehler};
        Status = CliAusfuehren(argumente, cli);
    }
};
