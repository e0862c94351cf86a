#include "import/PictureLoader.h"

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

PictureLoader::PictureLoader(const QString &path) : file(path)
{
    failure = read();
}

QString PictureLoader::read()
{
    const QFileInfo info(file);
    if (!info.exists())
        return tr("the file does not exist.");
    if (info.isDir())
        return tr("it is a folder, not a picture file.");
    if (info.size() == 0)
        return tr("the file is empty.");
    QFile device(file);
    if (!device.open(QIODevice::ReadOnly))
        return tr("the file could not be opened (%1).").arg(device.errorString());

    // No file name given to the reader: the content decides, not the suffix.
    QImageReader reader(&device);
    if (!reader.canRead())
        return tr("it is not a picture Rotavue can read.");
    const QSize size = reader.size(); // invalid when the header does not tell
    if (tooLarge(size))
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
