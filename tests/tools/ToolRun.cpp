#include "ToolRun.h"

#include <QProcess>

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ROTAVUE_CARD_BINARY), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
