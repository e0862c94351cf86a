#include "display/ImageObject.h"

#include "app/WorkDirectory.h"
#include "display/PolarSampling.h"

#include <QDebug>
#include <QFile>
#include <QMutexLocker>

#include <atomic>

namespace {
std::atomic<int> g_nextId{1};
}

ImageObject::ImageObject(int index, const QString &sourcePath, double displayTime, int type)
    : imageType(type), imageIndex(index), source(sourcePath), time(displayTime),
      objectId(g_nextId.fetch_add(1))
{
    makeThumbnail();
}

ImageObject::~ImageObject()
{
    qDebug("#ImageObject# delete.");
    removeTempFiles();
    QMutexLocker locker(&fileLock);
    led.clear();
}

int ImageObject::peekNextId()
{
    return g_nextId.load();
}

QString ImageObject::thumbnailPath() const
{
    return WorkDirectory::tempDir() + tr("%1_1.png").arg(objectId);
}

QString ImageObject::previewPath() const
{
    return WorkDirectory::tempDir() + tr("%1_2.png").arg(objectId);
}

QString ImageObject::bufferPath()
{
    QMutexLocker locker(&fileLock);
    return bufferFile;
}

void ImageObject::makeThumbnail()
{
    if (source.isEmpty())
        return;
    contrastFactor = 1.0f;
    const QImage picture(source);
    const int side = qMin(picture.width(), picture.height());
    const int left = (picture.width() - side) / 2;
    const int top = (picture.height() - side) / 2;
    crop = QRect(QPoint(left, top), QPoint(left + side - 1, top + side - 1));
    if (picture.isNull())
        return; // a null picture would be refused anyway
    const QImage working = picture.copy(crop).scaled(PolarSampling::workingSize, PolarSampling::workingSize,
                                                     Qt::KeepAspectRatio, Qt::FastTransformation);
    setThumbnail(working.scaled(60, 60, Qt::KeepAspectRatio, Qt::FastTransformation));
}

int ImageObject::savePng(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return -1;
    QMutexLocker locker(&fileLock);
    WorkDirectory::ensureTempDir();
    QFile::remove(path);
    return picture.save(path, "PNG") ? 0 : 1;
}

int ImageObject::setThumbnail(const QImage &picture)
{
    return savePng(picture, thumbnailPath());
}

int ImageObject::setPreviewImage(const QImage &picture)
{
    return savePng(picture, previewPath());
}

QImage ImageObject::thumbnail()
{
    QMutexLocker locker(&fileLock);
    WorkDirectory::ensureTempDir();
    return QImage(thumbnailPath());
}

QImage ImageObject::previewImage()
{
    QMutexLocker locker(&fileLock);
    WorkDirectory::ensureTempDir();
    return QImage(previewPath());
}

void ImageObject::setLedData(const QByteArray &data)
{
    QMutexLocker locker(&fileLock);
    led = data;
}

void ImageObject::saveLedData()
{
    QMutexLocker locker(&fileLock);
    if (led.isEmpty())
        return;
    WorkDirectory::ensureTempDir();
    bufferFile = WorkDirectory::tempDir() + tr("%1.buf").arg(objectId);
    QFile::remove(bufferFile);
    QFile file(bufferFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return; // the data stays in memory and ledData() still returns it
    const qint64 written = file.write(led);
    file.close();
    if (written != led.size() || file.error() != QFileDevice::NoError) {
        QFile::remove(bufferFile); // a short buffer file would corrupt the card: keep the data in memory
        return;
    }
    storedLength = int(led.size());
    led.clear();
    led.squeeze();
}

QByteArray ImageObject::ledData()
{
    QMutexLocker locker(&fileLock);
    if (!led.isEmpty())
        return led;
    QFile file(bufferFile);
    if (bufferFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        return led;
    return file.readAll();
}

int ImageObject::memoryLedDataLength()
{
    QMutexLocker locker(&fileLock);
    return int(led.size());
}

int ImageObject::ledDataLength()
{
    QMutexLocker locker(&fileLock);
    return led.isEmpty() ? storedLength : int(led.size());
}

void ImageObject::removeTempFiles()
{
    QMutexLocker locker(&fileLock);
    if (!bufferFile.isEmpty() && QFile::exists(bufferFile))
        QFile::remove(bufferFile);
    QFile::remove(thumbnailPath());
    QFile::remove(previewPath());
}
