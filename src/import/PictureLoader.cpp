#include "import/PictureLoader.h"

#include "import/ImageFileCheck.h"

#include <QFile>
#include <QImageReader>

PictureLoader::PictureLoader(const QString &path) : file(path)
{
    failure = read();
}

QString PictureLoader::read()
{
    QFile device(file);
    const QString unopened = ImageFileCheck::open(device, tr("it is a folder, not a picture file."));
    if (!unopened.isEmpty())
        return unopened;

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
