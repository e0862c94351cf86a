#include "card/FactoryContent.h"

#include "app/WorkDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString FactoryContent::installedPath(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QLatin1String("/../share/rotavue/") + QLatin1String(fileName()));
}

QString FactoryContent::path()
{
    const QString inWorkDir = WorkDirectory::workDir() + QLatin1Char('/') + QLatin1String(fileName());
    if (QFileInfo(inWorkDir).isFile() || !QCoreApplication::instance())
        return inWorkDir;
    // The data folders (~/.local/share, then /usr/local/share, /usr/share), then the copy beside the program.
    const QString shared = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                  QLatin1String("rotavue/") + QLatin1String(fileName()));
    if (!shared.isEmpty())
        return shared;
    const QString installed = installedPath(QCoreApplication::applicationDirPath());
    return QFileInfo(installed).isFile() ? installed : inWorkDir;
}
