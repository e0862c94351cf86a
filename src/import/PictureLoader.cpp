#include "import/PictureLoader.h"

#include "import/ImageFileCheck.h"
#include "import/ImageIntegrity.h"

#include <QFile>
#include <QImageReader>

PictureLoader::PictureLoader(const QString &path, Damaged damaged) : file(path)
{
    failure = read(damaged);
}

QString PictureLoader::read(Damaged damaged)
{
    QFile device(file);
    const QString unopened = ImageFileCheck::open(device, tr("it is a folder, not a picture file."));
    if (!unopened.isEmpty())
        return unopened;

    // Before the reader starts: it reads the header and the data in one go.
    // Only the first frame of a GIF makes the picture.
    const ImageIntegrity::Finding integrity = ImageIntegrity::check(device, QImageReader::imageFormat(&device));
    const bool partial = integrity.damaged && integrity.wholeFrames < 1;
    if (partial && damaged == Damaged::Refuse)
        return tr("the file is damaged: %1").arg(integrity.reason);

    // No file name given to the reader: the content decides, not the suffix.
    QImageReader reader(&device);
    if (!reader.canRead())
        return tr("it is not a picture Rotavue can read.");
    const QSize size = reader.size(); // invalid when the header does not tell
    if (ImageFileCheck::tooLarge(size))
        return tr("the picture is too large (%1 x %2 pixels).").arg(size.width()).arg(size.height());
    decoded = reader.read();
    if (decoded.isNull())
        return tr("the file is damaged or incomplete.");
    if (partial)
        damageFound = integrity.reason;
    return QString();
}

QImage PictureLoader::square() const
{
    return decoded.copy(squareRect());
}

QImage PictureLoader::preview() const
{
    if (decoded.isNull())
        return QImage();
    return square().scaled(previewSide, previewSide, Qt::KeepAspectRatio, Qt::FastTransformation);
}

QRect PictureLoader::centredSquare(const QSize &size)
{
    const int side = qMax(0, qMin(size.width(), size.height()));
    return QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}
