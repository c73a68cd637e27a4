// simultano-cli: the command-line companion of Simultano for school IT and scripts.
#include "cli/UCli.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// "ausgaben" draws pages and needs Qt Gui, without a display; every other subcommand runs
// on Qt Core alone.
std::unique_ptr<QCoreApplication> programm(int& argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "ausgaben") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    const auto app = programm(argc, argv);
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
