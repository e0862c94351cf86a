#include "display/ImageObject.h"

#include "app/AtomicFileWriter.h"
#include "app/WorkDirectory.h"
#include "display/PolarSampling.h"
#include "display/ScratchPng.h"
#include "display/DisplayLog.h"

#include <QFile>
#include <QMutexLocker>

#include <atomic>

namespace {
std::atomic<int> g_nextId{1};

// A failed write never leaves a half file under the final name. No sync to
// disk: scratch files do not outlive the run.
bool writeReplacing(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    return AtomicFileWriter::write(path, write, AtomicFileWriter::Sync::None);
}
}

ImageObject::ImageObject(int index, const QString &sourcePath, double displayTime, int type)
    : imageType(type), imageIndex(index), source(sourcePath), time(displayTime),
      objectId(g_nextId.fetch_add(1))
{
    makeThumbnail();
}

ImageObject::ImageObject(int index, const QString &sourcePath, double displayTime, int type,
                         const QImage &decodedSource)
    : imageType(type), imageIndex(index), source(sourcePath), time(displayTime),
      objectId(g_nextId.fetch_add(1))
{
    makeThumbnail(decodedSource);
}

ImageObject::~ImageObject()
{
    qCDebug(lcDisplay, "#ImageObject# delete.");
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
    return WorkDirectory::tempDir() + QStringLiteral("%1_1.png").arg(objectId);
}

QString ImageObject::previewPath() const
{
    return WorkDirectory::tempDir() + QStringLiteral("%1_2.png").arg(objectId);
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
    makeThumbnail(QImage(source));
}

void ImageObject::makeThumbnail(const QImage &decodedSource)
{
    contrastFactor = 1.0f;
    const int side = qMin(decodedSource.width(), decodedSource.height());
    const int left = (decodedSource.width() - side) / 2;
    const int top = (decodedSource.height() - side) / 2;
    crop = QRect(QPoint(left, top), QPoint(left + side - 1, top + side - 1));
    if (decodedSource.isNull())
        return; // a null picture would be refused anyway
    setThumbnail(PolarSampling::workingSquare(decodedSource).scaled(60, 60, Qt::KeepAspectRatio,
                                                                    Qt::FastTransformation));
}

int ImageObject::savePng(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return -1;
    QMutexLocker locker(&fileLock);
    WorkDirectory::ensureTempDir();
    const bool saved = writeReplacing(path, [&](QIODevice &file) {
        return ScratchPng::write(picture, file); // read back only by us: fast over small
    });
    return saved ? 0 : 1;
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

QByteArray ImageObject::scratchPicture(Scratch which)
{
    QMutexLocker locker(&fileLock);
    QFile file(which == Scratch::Thumbnail ? thumbnailPath() : previewPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ImageObject::setScratchPicture(Scratch which, const QByteArray &png)
{
    const QString path = which == Scratch::Thumbnail ? thumbnailPath() : previewPath();
    QMutexLocker locker(&fileLock);
    if (png.isEmpty())
        return QFile::remove(path) || !QFile::exists(path);
    WorkDirectory::ensureTempDir();
    return writeReplacing(path, [&](QIODevice &file) { return file.write(png) == png.size(); });
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
    bufferFile = WorkDirectory::tempDir() + QStringLiteral("%1.buf").arg(objectId);
    // On any failure the data stays in memory (ledData() still returns it) and
    // no short buffer file, which would corrupt the card, is left behind.
    const bool saved = writeReplacing(bufferFile, [&](QIODevice &file) { return file.write(led) == led.size(); });
    if (!saved)
        return;
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
    // Never a file of the user's, whatever the flag says.
    if (sourceIsScratch && source.startsWith(WorkDirectory::tempDir()))
        QFile::remove(source);
}
