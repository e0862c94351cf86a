#include "ToolRun.h"

#include <QProcess>

namespace {
QString g_cacheHome;
}

QString toolBinary()
{
    return QStringLiteral(ROTAVUE_CARD_BINARY);
}

void setToolCacheHome(const QString &folder)
{
    g_cacheHome = folder;
}

QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!g_cacheHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), g_cacheHome);
    return environment;
}

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.start(toolBinary(), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
