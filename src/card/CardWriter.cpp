#include "card/CardWriter.h"

#include "app/DisplayParameters.h"
#include "card/CardTableOfContents.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "card/CardLog.h"
#include "card/StagedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

namespace {

constexpr int maxNamesInMessage = 10;

CardWriteResult failure(const QString &path, const QString &message)
{
    CardWriteResult result;
    result.path = path;
    result.message = message;
    return result;
}

} // namespace

CardWriter::CardWriter() : freeSpace(&CardWriter::storageFreeSpace)
{
}

void CardWriter::setFreeSpaceQuery(FreeSpaceQuery query)
{
    freeSpace = std::move(query);
}

qint64 CardWriter::storageFreeSpace(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return usableSpace(storage.bytesTotal(), storage.bytesAvailable());
}

qint64 CardWriter::usableSpace(qint64 total, qint64 available)
{
    // Some drivers (FUSE FAT among them) report no size at all: unknown, not full.
    return total <= 0 ? -1 : available;
}

int CardWriter::expectedLength(ImageObject *record)
{
    const int length = record->ledDataLength();
    if (length > 0)
        return length;
    return PolarSampling::ledDataLength(DisplayParameters::ledCount(), DisplayParameters::lineCount());
}

QList<CardWriter::Block> CardWriter::collectBlocks(const QList<ImageObject *> &pictures,
                                                   const QList<MediaObject *> &sequences)
{
    QList<Block> blocks;
    for (int row = 0; row < pictures.size(); ++row)
        blocks.append({pictures[row], expectedLength(pictures[row]), tr("picture %1").arg(row + 1)});
    for (int s = 0; s < sequences.size(); ++s) {
        const QList<ImageObject *> &frames = sequences[s]->frames();
        for (int f = 0; f < frames.size(); ++f)
            blocks.append({frames[f], expectedLength(frames[f]), tr("frame %1 of sequence %2").arg(f + 1).arg(s + 1)});
    }
    return blocks;
}

QString CardWriter::spaceProblem(const QString &path, qint64 needed, Replace replace, bool &makeRoom) const
{
    makeRoom = false;
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const qint64 available = freeSpace ? freeSpace(folder) : -1;
    if (available < 0 || available >= needed)
        return QString();
    const qint64 oldCard = target.isFile() ? target.size() : 0;
    if (replace == Replace::MakeRoomIfNeeded && available + oldCard >= needed) {
        makeRoom = true;
        return QString();
    }
    // Counted as free only where the user agreed to give the old card up.
    const qint64 usable = available + (replace == Replace::MakeRoomIfNeeded ? oldCard : 0);
    const QLocale locale;
    return tr("Not enough space for the card file %1: it needs %2, but only %3 are free on %4. "
              "Free some space or use another stick.")
        .arg(path, locale.formattedDataSize(needed), locale.formattedDataSize(usable), folder);
}

bool CardWriter::writeBlock(StagedFile &file, const Block &block, int number, CardWriteResult &result)
{
    QByteArray data = block.record->ledData();
    if (data.size() != block.expectedLength) {
        // A missing or damaged buffer file still takes a full block, so that
        // every later block stays where the table of contents says it is.
        data.resize(block.expectedLength, '\0');
        result.problemNames.append(block.name);
        result.problemBlocks.append(number);
    }
    const bool written = file.write(data);
    qCDebug(lcCard) << "#MainWindow# downToUsb2 image bytes length = " << block.record->memoryLedDataLength();
    return written;
}

QString CardWriter::problemSummary(const CardWriteResult &result)
{
    QStringList names = result.problemNames.mid(0, maxNamesInMessage);
    if (result.problemNames.size() > maxNamesInMessage)
        names.append(tr("and %1 more").arg(result.problemNames.size() - maxNamesInMessage));
    return tr("The card file %1 was written, but the data of %2 could not be read; "
              "the display shows black there. Convert those pictures again and download once more.")
        .arg(result.path, names.join(QLatin1String(", ")));
}

QString CardWriter::streamProblem(StagedFile &file, const QByteArray &table, const QList<Block> &blocks,
                                  CardWriteResult &result) const
{
    qCDebug(lcCard) << "#MainWindow# downToUsb2 bytes length = " << table.size();
    bool written = file.write(table);
    for (int i = 0; written && i < blocks.size() && !cancelled(); ++i) {
        written = writeBlock(file, blocks[i], i + 1, result);
        if (written && progress)
            progress(i + 1, int(blocks.size()));
    }
    if (cancelled())
        return QString();
    return written && file.finish() ? QString() : file.errorString();
}

CardWriteResult CardWriter::write(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences,
                                  const QString &path, const ChosenStick &stick, Replace replace) const
{
    const QString gone = stick.problem();
    if (!gone.isEmpty())
        return failure(path, gone + QLatin1Char(' ') + tr("The card file %1 was not written.").arg(path));
    const QByteArray table = CardTableOfContents::build(pictures, sequences);
    const QList<Block> blocks = collectBlocks(pictures, sequences);
    qint64 needed = table.size();
    for (const Block &block : blocks)
        needed += block.expectedLength;

    bool makeRoom = false;
    const QString shortOfSpace = spaceProblem(path, needed, replace, makeRoom);
    if (!shortOfSpace.isEmpty())
        return failure(path, shortOfSpace);
    if (makeRoom && !QFile::remove(path))
        return failure(path, tr("The old card file %1 could not be removed to make room for the new one.").arg(path));
    const QString oldCardNote = makeRoom ? QLatin1Char(' ') + tr("The old card file was removed to make room.")
                                         : QString();

    // Partial cards of downloads that were killed; never anything else.
    for (const QString &leftover : StagedFile::removeLeftovers(QFileInfo(path).absolutePath()))
        qCDebug(lcCard) << "#CardWriter# removed the partial card of an ended download" << leftover;
    StagedFile file(path, steps ? *steps : WriteSteps::system());
    if (!file.open())
        return failure(path, tr("Cannot create the card file %1: %2.").arg(path, file.errorString()));
    CardWriteResult result;
    result.path = path;
    const QString notWritten = streamProblem(file, table, blocks, result);
    if (cancelled()) {
        file.discard();
        return failure(path, tr("The download to %1 was cancelled; the card file was not saved.").arg(path)
                                 + oldCardNote);
    }
    if (!notWritten.isEmpty()) {
        file.discard();
        return failure(path, tr("Writing the card file %1 failed: %2. The stick may be full or was removed; "
                                "the card file was not saved.").arg(path, notWritten) + oldCardNote);
    }
    const QString goneSince = stick.problem();
    if (!goneSince.isEmpty()) {
        file.discard();
        return failure(path, goneSince + QLatin1Char(' ') + tr("The card file %1 was not saved.").arg(path));
    }
    if (!file.commit() && !file.isInPlace())
        return failure(path, tr("The card file %1 could not be saved: %2.").arg(path, file.errorString()));
    if (!file.errorString().isEmpty())
        return failure(path, tr("The card file %1 was written, but the stick did not confirm it: %2. "
                                "Download again before removing the stick.").arg(path, file.errorString()));
    result.ok = true;
    if (!result.problemBlocks.isEmpty())
        result.message = problemSummary(result);
    return result;
}
