#include "import/GifFrameSource.h"

#include "import/ImageFileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>

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
    QFile file(path);
    const QString unopened = ImageFileCheck::open(file, tr("it is a folder."));
    if (!unopened.isEmpty())
        return problem(path, unopened);

    QImageReader reader(&file);
    if (reader.format() != "gif")
        return problem(path, tr("it is not a GIF picture."));
    const QSize size = reader.size();
    if (ImageFileCheck::tooLarge(size))
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
