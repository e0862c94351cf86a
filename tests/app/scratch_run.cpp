// One Rotavue run for the two-process test: starts up in the work folder
// given (as the command-line tool does with "--tool"), leaves a scratch file,
// says where, and waits for stdin to close.
#include "app/WorkDirectory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <iostream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Rotavue"));
    if (argc < 2)
        return 2;
    if (argc > 2 && QByteArray(argv[2]) == "--tool")
        WorkDirectory::initForTool(QString::fromLocal8Bit(argv[1]));
    else
        WorkDirectory::init(QString::fromLocal8Bit(argv[1]));
    if (!WorkDirectory::ensureTempDir())
        return 1;
    QFile scratch(WorkDirectory::tempDir() + QStringLiteral("1_1.png"));
    if (!scratch.open(QIODevice::WriteOnly) || scratch.write("thumbnail") != 9)
        return 1;
    scratch.close();
    std::printf("%s\n", qPrintable(WorkDirectory::tempDir()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
