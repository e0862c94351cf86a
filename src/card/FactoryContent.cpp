#include "card/FactoryContent.h"

#include "app/WorkDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString FactoryContent::installedPath(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QLatin1String("/../share/rotavue/") + QLatin1String(fileName()));
}

QString FactoryContent::path()
{
    const QString inWorkDir = WorkDirectory::workDir() + QLatin1Char('/') + QLatin1String(fileName());
    if (QFileInfo(inWorkDir).isFile() || !QCoreApplication::instance())
        return inWorkDir;
    const QString installed = installedPath(QCoreApplication::applicationDirPath());
    return QFileInfo(installed).isFile() ? installed : inWorkDir;
}
