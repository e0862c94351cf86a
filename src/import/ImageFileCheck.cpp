#include "import/ImageFileCheck.h"

#include "app/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSize>

QString ImageFileCheck::open(QFile &device, const QString &folderReason)
{
    // FIFOs and devices first: they look empty, and opening them can block.
    const QString special = RegularFile::specialKind(device.fileName());
    if (!special.isEmpty())
        return special;
    const QFileInfo info(device.fileName());
    if (!info.exists())
        return tr("the file does not exist.");
    if (info.isDir())
        return folderReason;
    if (info.size() == 0)
        return tr("the file is empty.");
    return RegularFile::openForReading(device);
}

bool ImageFileCheck::tooLarge(const QSize &size)
{
    const int limitMiB = QImageReader::allocationLimit(); // 0: no limit
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return limitMiB > 0 && bytes > qint64(limitMiB) * 1024 * 1024;
}
