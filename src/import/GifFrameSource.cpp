#include "import/GifFrameSource.h"

#include "import/ImageFileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

GifFrameSource::GifFrameSource(const QString &path) : file(path)
{
    if (!ImageFileCheck::open(file, QString()).isEmpty())
        return;
    integrity = ImageIntegrity::gif(file);
    if (integrity.damaged && integrity.wholeFrames < 1)
        return;
    // Only GIF data: a renamed picture of another format must not pass as a one-frame GIF.
    reader.setAutoDetectImageFormat(false);
    reader.setFormat("gif");
    reader.setDevice(&file);
    current = reader.read();
    if (!current.isNull())
        number = 0;
}

QString GifFrameSource::problem(const QString &path, const QString &reason)
{
    return tr("The GIF file \"%1\" cannot be imported: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString GifFrameSource::checkFile(const QString &path, ImageIntegrity::Finding *damage)
{
    QFile file(path);
    const QString unopened = ImageFileCheck::open(file, tr("it is a folder."));
    if (!unopened.isEmpty())
        return problem(path, unopened);

    if (QImageReader::imageFormat(&file) != "gif")
        return problem(path, tr("it is not a GIF picture."));
    const ImageIntegrity::Finding integrity = ImageIntegrity::gif(file);
    if (integrity.damaged && integrity.wholeFrames < 1)
        return problem(path, tr("the file is damaged: %1").arg(integrity.reason));
    QImageReader reader(&file, "gif");
    const QSize size = reader.size();
    if (ImageFileCheck::tooLarge(size))
        return problem(path, tr("its pictures are too large (%1 x %2 pixels).").arg(size.width()).arg(size.height()));
    if (reader.read().isNull())
        return problem(path, tr("the file is damaged or incomplete."));
    if (damage)
        *damage = integrity;
    return QString();
}

QString GifFrameSource::damageMessage(const QString &path, const ImageIntegrity::Finding &damage)
{
    const QString whole = damage.wholeFrames == 1 ? tr("Only its first frame can be read.")
                                                  : tr("Only its first %1 frames can be read.").arg(damage.wholeFrames);
    return tr("The GIF file \"%1\" is damaged: %2 %3").arg(QDir::toNativeSeparators(path), damage.reason, whole);
}

int GifFrameSource::frameCount() const
{
    const int reported = qMax(0, reader.imageCount());
    return integrity.damaged ? qMin(reported, integrity.wholeFrames) : reported;
}

bool GifFrameSource::isLastFrame() const
{
    return frameCount() == number + 1;
}

bool GifFrameSource::jumpToNextFrame()
{
    if (number < 0 || (integrity.damaged && number + 1 >= integrity.wholeFrames))
        return false;
    const QImage next = reader.read();
    if (next.isNull())
        return false;
    current = next;
    ++number;
    return true;
}
