#include "CardBuilder.h"

#include "ParallelFor.h"
#include "app/DisplayParameters.h"
#include "app/RegularFile.h"
#include "card/CardWriter.h"
#include "card/DownloadChecks.h"
#include "card/StagedFile.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "import/GifFrameCutter.h"
#include "import/GifFrameSource.h"
#include "import/PictureLoader.h"
#include "import/VideoCutJob.h"
#include "import/VideoDecoder.h"
#include "project/ProjectReader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Frames converted together: enough to keep every core busy, few enough to bound memory.
constexpr int frameBatch = 32;

QByteArray ledDataOf(const QImage &picture)
{
    return PolarSampling::ledDataOf(picture, DisplayParameters::ledCount(), DisplayParameters::lineCount());
}

// By content, or by name when the content is not even that of a project (the reader says why).
bool isProject(const QString &path)
{
    return ProjectReader::looksLikeProject(path)
           || QFileInfo(path).suffix().compare(QLatin1String("rotavue"), Qt::CaseInsensitive) == 0;
}

// Files that cannot be opened are pictures here: the picture reader says why.
bool isGif(const QString &path)
{
    QFile file(path);
    return RegularFile::openForReading(file).isEmpty() && QImageReader::imageFormat(&file) == "gif";
}

// Clips by name, as the import's file chooser offers them; a picture renamed so is still a picture.
bool isVideo(const QString &path)
{
    static const QStringList suffixes{"avi", "rmvb", "mp4", "mkv"};
    if (!suffixes.contains(QFileInfo(path).suffix().toLower()))
        return false;
    QFile file(path);
    return !RegularFile::openForReading(file).isEmpty() || QImageReader::imageFormat(&file).isEmpty();
}

QString outputProblem(const QString &output, const QStringList &inputs)
{
    const QString why = RegularFile::outputProblem(output, inputs);
    return why.isEmpty() ? why : CardBuilder::tr("%1: cannot write the output there: %2").arg(output, why);
}

} // namespace

CardBuilder::CardBuilder(bool keepDamaged) : keepDamaged(keepDamaged)
{
}

CardBuilder::~CardBuilder()
{
    qDeleteAll(pictureRecords);
    qDeleteAll(sequenceRecords);
}

QString CardBuilder::saveFile(const QString &path, const QByteArray &bytes)
{
    StagedFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return QString();
    if (file.isInPlace())
        return tr("%1 was written, but its folder did not confirm it: %2.").arg(path, file.errorString());
    return tr("%1: %2.").arg(path, file.errorString());
}

PictureLoader::Damaged CardBuilder::damagePolicy() const
{
    return keepDamaged ? PictureLoader::Damaged::Keep : PictureLoader::Damaged::Refuse;
}

QString CardBuilder::writeLedData(const QString &picture, const QString &output)
{
    const QString unsafe = outputProblem(output, {picture});
    if (!unsafe.isEmpty())
        return unsafe;
    const PictureLoader loader(picture, damagePolicy());
    if (!loader.isLoaded())
        return tr("%1: %2").arg(picture, loader.reason());
    if (loader.isDamaged())
        notes.append(tr("%1: converted what could be read: %2").arg(picture, loader.damage()));
    return saveFile(output, ledDataOf(loader.picture()));
}

QString CardBuilder::buildCard(const QList<CommandLine::Item> &items, const QString &output)
{
    QStringList inputs;
    for (const CommandLine::Item &item : items)
        inputs.append(item.path);
    const QString unsafe = outputProblem(output, inputs);
    if (!unsafe.isEmpty())
        return unsafe;
    for (const CommandLine::Item &item : items) {
        if (!isProject(item.path))
            continue;
        if (items.size() != 1)
            return tr("%1: a project file must be the only item of a build.").arg(item.path);
        return buildFromProject(item.path, output);
    }
    QList<CommandLine::Item> pictures;
    QList<CommandLine::Item> sequences;
    QList<bool> videos;
    for (CommandLine::Item item : items) {
        const bool video = isVideo(item.path);
        item.gif = !video && isGif(item.path);
        if (item.gif || video) {
            sequences.append(item);
            videos.append(video);
        } else {
            pictures.append(item);
        }
    }
    QString problem = convertPictures(pictures);
    for (int i = 0; problem.isEmpty() && i < sequences.size(); ++i)
        problem = videos.at(i) ? convertVideo(sequences.at(i)) : convertGif(sequences.at(i));
    if (!problem.isEmpty())
        return problem;
    return writeCard(output);
}

QString CardBuilder::buildFromProject(const QString &project, const QString &output)
{
    ProjectReader::Result opened = ProjectReader().read(project);
    if (!opened.ok)
        return opened.message;
    // The card of a project is the one the program downloads after opening it: its own display parameters.
    DisplayParameters::setLedCount(opened.content->ledCount);
    DisplayParameters::setLineCount(opened.content->lineCount);
    pictureRecords = opened.content->takePictures();
    sequenceRecords = opened.content->takeSequences();
    return writeCard(output);
}

QString CardBuilder::writeCard(const QString &output)
{
    notes.append(DownloadChecks::cardLimits(pictureRecords, sequenceRecords));
    const CardWriteResult result = CardWriter().write(pictureRecords, sequenceRecords, output);
    if (!result.complete())
        return result.message.isEmpty() ? tr("%1: the card file was not written.").arg(output) : result.message;
    return QString();
}

QString CardBuilder::convertPictures(const QList<CommandLine::Item> &pictures)
{
    // Records are made here, on one thread; the workers only fill them.
    for (int i = 0; i < pictures.size(); ++i)
        pictureRecords.append(new ImageObject(i + 1, QString(), pictures.at(i).seconds, ImageObject::PictureFile));
    QStringList problems(pictures.size());
    QStringList damage(pictures.size());
    ParallelFor::run(int(pictures.size()), [&](int i) {
        const PictureLoader loader(pictures.at(i).path, damagePolicy());
        if (!loader.isLoaded()) {
            problems[i] = tr("%1: %2").arg(pictures.at(i).path, loader.reason());
            return;
        }
        if (loader.isDamaged())
            damage[i] = tr("%1: converted what could be read: %2").arg(pictures.at(i).path, loader.damage());
        pictureRecords.at(i)->setLedData(ledDataOf(loader.picture()));
        pictureRecords.at(i)->saveLedData();
    });
    for (const QString &said : damage) {
        if (!said.isEmpty())
            notes.append(said);
    }
    for (const QString &problem : problems) {
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

QString CardBuilder::convertGif(const CommandLine::Item &item)
{
    ImageIntegrity::Finding damage;
    const QString problem = GifFrameSource::checkFile(item.path, &damage);
    if (!problem.isEmpty())
        return problem;
    if (damage.damaged && !keepDamaged)
        return GifFrameSource::damageMessage(item.path, damage);
    if (damage.damaged)
        notes.append(GifFrameSource::damageMessage(item.path, damage));
    auto *media = new MediaObject(int(sequenceRecords.size()), item.path);
    media->setGif(true);
    media->setLoopCount(item.loops);
    sequenceRecords.append(media);

    GifFrameSource source(item.path);
    const GifFrameCutter cutter = GifFrameCutter::forUntouchedDialog(source.currentImage().size());
    bool more = true;
    while (more) {
        // Cut a batch of frames in file order, then convert them on all cores.
        QList<QImage> canvases;
        while (more && canvases.size() < frameBatch) {
            const QImage canvas = cutter.cut(source.currentImage());
            if (canvas.isNull())
                return tr("%1: frame %2 is too large to convert.").arg(item.path).arg(source.currentFrameNumber() + 1);
            canvases.append(canvas);
            more = !source.isLastFrame() && source.jumpToNextFrame();
        }
        const int first = media->frameCount();
        for (int i = 0; i < canvases.size(); ++i)
            media->appendFrame(new ImageObject(first + i + 1, QString(), 10, ImageObject::GifFrame));
        ParallelFor::run(int(canvases.size()), [&](int i) {
            ImageObject *frame = media->frame(first + i);
            frame->setLedData(ledDataOf(canvases.at(i)));
            frame->saveLedData();
        });
    }
    return QString();
}

QString CardBuilder::convertVideo(const CommandLine::Item &item)
{
    VideoDecoder::Info info;
    const QString problem = VideoDecoder::probe(item.path, &info);
    if (!problem.isEmpty())
        return problem;
    // The dialog's sliders hold whole seconds: the whole clip ends at its last whole second.
    const qint64 wholeMs = qMax<qint64>(0, info.lengthMs) / 1000 * 1000;
    const qint64 from = item.fromMs >= 0 ? item.fromMs : 0;
    const qint64 to = item.toMs >= 0 ? item.toMs : qMax(from, wholeMs);
    if (to < from)
        return tr("%1: the clip ends before --from %2.").arg(item.path).arg(from / 1000.0);

    VideoCutJob job(item.path, from, to, GifFrameCutter::forUntouchedDialog(info.size));
    job.start();
    job.waitForFinished();
    const QList<ImageObject *> frames = job.takeFrames();
    if (frames.isEmpty()) {
        const QString why = job.error();
        return why.isEmpty() ? tr("%1: no frame could be taken from the stretch from %2 s to %3 s.")
                                   .arg(item.path)
                                   .arg(from / 1000.0)
                                   .arg(to / 1000.0)
                             : why;
    }
    auto *media = new MediaObject(int(sequenceRecords.size()), item.path);
    media->setLoopCount(item.loops);
    media->setFrames(frames);
    sequenceRecords.append(media);
    return QString();
}
