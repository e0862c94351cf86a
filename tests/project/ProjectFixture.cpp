#include "ProjectFixture.h"

#include "app/WorkDirectory.h"
#include "card/CardWriter.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"

#include <QFile>
#include <QPainter>

#include <atomic>

namespace {
std::atomic<int> g_fixtureFile{1};

QString tempCopy(const QImage &image)
{
    WorkDirectory::ensureTempDir();
    const QString path = WorkDirectory::tempDir() + QStringLiteral("fixture_%1.png").arg(g_fixtureFile.fetch_add(1));
    image.save(path);
    return path;
}
} // namespace

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

ProjectFixture::~ProjectFixture()
{
    clear();
}

void ProjectFixture::clear()
{
    qDeleteAll(pictures);
    qDeleteAll(sequences);
    pictures.clear();
    sequences.clear();
}

QImage ProjectFixture::picture(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb((x * 3 + seed * 40) % 256, (y * 5 + seed * 90) % 256, ((x + y) * 7 + seed) % 256);
    }
    QPainter(&image).fillRect(size.width() / 3, size.height() / 4, size.width() / 4, size.height() / 3, Qt::white);
    return image;
}

ImageObject *ProjectFixture::addPicture(QSize size, int seed, double seconds)
{
    const QString source = tempCopy(picture(size, seed));
    auto *record = new ImageObject(int(pictures.size()) + 1, source, seconds, ImageObject::PictureFile);
    PolarSampling::imageToLedData(QImage(source), record);
    pictures.append(record);
    return record;
}

MediaObject *ProjectFixture::addGif(int frameCount, int loopCount)
{
    auto *sequence = new MediaObject(int(sequences.size()), QStringLiteral("/home/shop/show %1.gif").arg(sequences.size()));
    sequence->setGif(true);
    sequence->setLoopCount(loopCount);
    for (int f = 1; f <= frameCount; ++f) {
        QImage canvas(450, 450, QImage::Format_ARGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        painter.setBrush(QColor::fromHsv((f * 47) % 360, 255, 255));
        painter.drawEllipse(QPoint(225, 225), 40 + 10 * f, 60);
        painter.end();
        const QString source = tempCopy(canvas);
        auto *frame = new ImageObject(f, source, 10, ImageObject::GifFrame);
        PolarSampling::imageToLedData(canvas, frame);
        sequence->appendFrame(frame);
    }
    sequences.append(sequence);
    return sequence;
}

ImageObject *ProjectFixture::addCardPicture(int rawLength, double seconds)
{
    auto *record = new ImageObject(int(pictures.size()) + 1, QString(), seconds, ImageObject::CardPicture);
    QByteArray raw(rawLength, Qt::Uninitialized);
    for (int i = 0; i < rawLength; ++i)
        raw[i] = char((i * 13 + record->id()) & 0xFF);
    record->setLedData(raw);
    record->saveLedData();
    record->setThumbnail(picture(QSize(60, 60), record->id()));
    record->setPreviewImage(picture(QSize(450, 450), record->id()));
    pictures.append(record);
    return record;
}

QByteArray ProjectFixture::card(const QString &path) const
{
    if (!CardWriter().write(pictures, sequences, path).complete())
        return QByteArray();
    return readBytes(path);
}

RecordState RecordState::of(ImageObject *record)
{
    RecordState state;
    state.index = record->index();
    state.type = record->type();
    state.displayTime = record->displayTime();
    state.captureTime = record->captureTime();
    state.contrast = record->contrast();
    state.crop = record->cropRect();
    state.source = record->sourcePath().isEmpty() ? QByteArray() : readBytes(record->sourcePath());
    state.thumbnail = record->scratchPicture(ImageObject::Scratch::Thumbnail);
    state.preview = record->scratchPicture(ImageObject::Scratch::Preview);
    state.led = record->ledData();
    return state;
}

bool RecordState::operator==(const RecordState &other) const
{
    return index == other.index && type == other.type && displayTime == other.displayTime
           && captureTime == other.captureTime && contrast == other.contrast && crop == other.crop
           && source == other.source && thumbnail == other.thumbnail && preview == other.preview && led == other.led;
}
