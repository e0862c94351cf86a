// rotavue-card: pictures and GIF animations to LED line data and card files,
// without the window, with the program's own conversion and card writer.
#include "CardBuilder.h"
#include "CardInfo.h"
#include "CardReadCommands.h"
#include "CommandLine.h"
#include "app/DisplayParameters.h"
#include "app/WorkDirectory.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QDir>

#include <cstdio>

namespace {

enum Exit { Success = 0, BadInput = 1, BadUsage = 2 };

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int failed(const QString &message)
{
    print(stderr, QStringLiteral("rotavue-card: %1\n").arg(message));
    return BadInput;
}

// The library's diagnostics are for developers; users see only real problems.
void quietDiagnostics(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        print(stderr, QStringLiteral("rotavue-card: %1\n").arg(text));
}

int run(const CommandLine &command)
{
    DisplayParameters::setLedCount(command.leds);
    DisplayParameters::setLineCount(command.lines);
    if (CardReadCommands::handles(command)) {
        QString output;
        const QString problem = CardReadCommands::run(command, output);
        print(stdout, output);
        return problem.isEmpty() ? Success : failed(problem);
    }
    if (command.action == CommandLine::Action::Info) {
        CardInfo info;
        const QString problem = info.read(command.input, command.leds, command.lines);
        if (!problem.isEmpty())
            return failed(problem);
        print(stdout, QString::fromUtf8(QJsonDocument(info.json()).toJson(QJsonDocument::Indented)));
        return Success;
    }
    // Scratch files of the conversion live and die with this run; a killed
    // run's go at the next start of either program.
    WorkDirectory::initForTool(QDir::currentPath());
    QString problem;
    {
        CardBuilder builder(command.keepDamaged);
        problem = command.action == CommandLine::Action::Led ? builder.writeLedData(command.input, command.output)
                                                             : builder.buildCard(command.items, command.output);
        for (const QString &warning : builder.warnings())
            print(stderr, QStringLiteral("rotavue-card: warning: %1\n").arg(warning));
    }
    WorkDirectory::endRun();
    return problem.isEmpty() ? Success : failed(problem);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rotavue-card"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROTAVUE_VERSION));
    qInstallMessageHandler(quietDiagnostics);

    CommandLine command;
    if (!command.parse(QCoreApplication::arguments())) {
        print(stderr, QStringLiteral("rotavue-card: %1\n\n%2").arg(command.error(), CommandLine::usage()));
        return BadUsage;
    }
    switch (command.action) {
    case CommandLine::Action::Help:
        print(stdout, CommandLine::usage());
        return Success;
    case CommandLine::Action::Version:
        print(stdout, QStringLiteral("rotavue-card %1\n").arg(QCoreApplication::applicationVersion()));
        return Success;
    default:
        return run(command);
    }
}
