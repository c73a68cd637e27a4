// simultano-cli: the command-line companion of Simultano for school IT and scripts.
#include "cli/UCli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("simultano-cli"));
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    TCli cli{aus, fehler};
    return CliAusfuehren(QCoreApplication::arguments().mid(1), cli);
}
