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
    const int status = CliAusfuehren(QCoreApplication::arguments().mid(1), cli);
    // the last bytes leave the C library's buffer only now: a failure here is a failure too
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        if (status == 0) // a failure has said so already
            std::fputs("simultano-cli: Die Ausgabe konnte nicht vollständig geschrieben werden.\n", stderr);
        return 1;
    }
    return status;
}
