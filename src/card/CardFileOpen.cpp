#include "card/CardFileOpen.h"

#include <QFile>
#include <QFileInfo>

QString CardFileOpen::open(QFile &file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return tr("it does not exist");
    if (info.isDir())
        return tr("it is a folder");
    if (!info.isFile())
        return tr("it is not a regular file");
    if (!file.open(QIODevice::ReadOnly))
        return tr("it cannot be opened (%1)").arg(file.errorString());
    return QString();
}
