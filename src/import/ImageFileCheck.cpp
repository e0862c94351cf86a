#include "import/ImageFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSize>

QString ImageFileCheck::open(QFile &device, const QString &folderReason)
{
    const QFileInfo info(device.fileName());
    if (!info.exists())
        return tr("the file does not exist.");
    if (info.isDir())
        return folderReason;
    if (info.size() == 0)
        return tr("the file is empty.");
    if (!device.open(QIODevice::ReadOnly))
        return tr("the file cannot be opened (%1).").arg(device.errorString());
    return QString();
}

bool ImageFileCheck::tooLarge(const QSize &size)
{
    const int limitMiB = QImageReader::allocationLimit(); // 0: no limit
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return limitMiB > 0 && bytes > qint64(limitMiB) * 1024 * 1024;
}
