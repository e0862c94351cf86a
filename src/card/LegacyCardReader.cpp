#include "card/LegacyCardReader.h"

#include "card/CardFileOpen.h"
#include "card/CardReaderLog.h"
#include "card/CardRecords.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <QFile>

#include <memory>

LegacyCardReader::LegacyCardReader(const std::atomic<bool> &keepReading) : keepReading(keepReading)
{
}

bool LegacyCardReader::readBlock(QFile &file, QByteArray &block)
{
    const qint64 size = layout.blockSize();
    if (file.size() - file.pos() < size)
        return false;
    block = file.read(size);
    return block.size() == size;
}

void LegacyCardReader::readPictures(QFile &file, CardRecords &records)
{
    QByteArray block;
    for (int s = 0; reading() && s < LegacyCardLayout::pictureSlots; ++s) {
        if (!readBlock(file, block))
            break;
        if (s < header.pictureCount && s < LegacyCardLayout::pictureLimit) {
            const double seconds = header.timeBytes[s] * 2 / 10.0; // units of 0.2 s
            records.appendPicture(records.makeRecord(s + 1, seconds, ImageObject::CardPicture, block, layout));
        }
        if (afterBlock)
            afterBlock();
    }
}

void LegacyCardReader::readSequences(QFile &file, CardRecords &records)
{
    qCDebug(lcCardReader) << "read media image. " << LegacyCardLayout::sequenceSlots;
    QByteArray block;
    for (int j = 0; j < LegacyCardLayout::sequenceSlots; ++j) {
        std::unique_ptr<MediaObject> sequence(records.makeSequence(j, header.loopCounts[j]));
        if (header.frameCounts[j] != 0 && reading()) {
            for (int f = 0; f < header.frameCounts[j]; ++f) {
                if (!readBlock(file, block))
                    break;
                sequence->appendFrame(records.makeRecord(f + 1, LegacyCardLayout::secondsPerTimeUnit,
                                                         ImageObject::CardFrame, block, layout));
                if (afterBlock)
                    afterBlock();
                if (!reading())
                    break;
            }
        }
        qCDebug(lcCardReader) << "read media image. image count " << sequence->frameCount();
        if (sequence->frameCount() > 0 && reading())
            records.appendSequence(sequence.release());
    }
}

QString LegacyCardReader::read(const QString &path, int leds, int lines, CardRecords &records)
{
    layout = CardBlockLayout::rawSamples(leds, lines);
    if (layout.blockSize() <= 0)
        return tr("The file %1 cannot be read for a display of %2 LEDs and %3 lines.").arg(path).arg(leds).arg(lines);
    QFile file(path);
    const QString unopened = CardFileOpen::open(file);
    if (!unopened.isEmpty())
        return tr("The file %1 is not a readable card: %2.").arg(path, unopened);
    if (!LegacyCardLayout::Header::parse(file.read(LegacyCardLayout::headerSize), header))
        return tr("The file %1 is not a readable card: it is shorter than its %2-byte header.")
            .arg(path)
            .arg(LegacyCardLayout::headerSize);
    readPictures(file, records);
    readSequences(file, records);
    file.close();
    if (!records.isEmpty() || !reading())
        return QString();
    return tr("The file %1 is not a readable card: it holds no complete picture or sequence for a display "
              "of %2 LEDs and %3 lines.").arg(path).arg(leds).arg(lines);
}
