#include "import/GifFrameSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

bool tooLarge(const QSize &size)
{
    const int limitMiB = QImageReader::allocationLimit(); // 0: no limit
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return limitMiB > 0 && bytes > qint64(limitMiB) * 1024 * 1024;
}

} // namespace

GifFrameSource::GifFrameSource(const QString &path)
{
    // Only GIF data: a renamed picture of another format must not pass as a one-frame GIF.
    reader.setAutoDetectImageFormat(false);
    reader.setFormat("gif");
    reader.setFileName(path);
    current = reader.read();
    if (!current.isNull())
        number = 0;
}

QString GifFrameSource::problem(const QString &path, const QString &reason)
{
    return tr("The GIF file \"%1\" cannot be imported: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString GifFrameSource::checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return problem(path, tr("the file does not exist."));
    if (info.isDir())
        return problem(path, tr("it is a folder."));
    if (info.size() == 0)
        return problem(path, tr("the file is empty."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(path, tr("the file cannot be opened (%1).").arg(file.errorString()));

    QImageReader reader(&file);
    if (reader.format() != "gif")
        return problem(path, tr("it is not a GIF picture."));
    const QSize size = reader.size();
    if (tooLarge(size))
        return problem(path, tr("its pictures are too large (%1 x %2 pixels).").arg(size.width()).arg(size.height()));
    if (reader.read().isNull())
        return problem(path, tr("the file is damaged or incomplete."));
    return QString();
}

int GifFrameSource::frameCount() const
{
    return qMax(0, reader.imageCount());
}

bool GifFrameSource::isLastFrame() const
{
    return frameCount() == number + 1;
}

bool GifFrameSource::jumpToNextFrame()
{
    if (number < 0)
        return false;
    const QImage next = reader.read();
    if (next.isNull())
        return false;
    current = next;
    ++number;
    return true;
}
