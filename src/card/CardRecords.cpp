#include "card/CardRecords.h"

#include "display/ImageObject.h"
#include "display/LedDataPreview.h"
#include "display/MediaObject.h"

#include <QThread>

#include <utility>

CardRecords::CardRecords(QThread *home) : home(home ? home : QThread::currentThread())
{
}

CardRecords::~CardRecords()
{
    clear();
}

ImageObject *CardRecords::makeRecord(int index, double seconds, int type, const QByteArray &block,
                                     const CardBlockLayout &layout) const
{
    auto *record = new ImageObject(index, QString(), seconds, type);
    const QImage preview = layout.preview(block);
    record->setPreviewImage(preview);
    record->setThumbnail(LedDataPreview::thumbnailOf(preview));
    record->setLedData(block);
    // Kept on disk like every other record, so that a long show does not
    // hold its blocks in memory; a failed store keeps them in memory.
    record->saveLedData();
    record->moveToThread(home);
    return record;
}

MediaObject *CardRecords::makeSequence(int index, int loopCount) const
{
    auto *sequence = new MediaObject(index, QString());
    sequence->setLoopCount(loopCount);
    sequence->moveToThread(home);
    return sequence;
}

QList<ImageObject *> CardRecords::takePictures()
{
    return std::exchange(pictures, {});
}

QList<MediaObject *> CardRecords::takeSequences()
{
    return std::exchange(sequences, {});
}

void CardRecords::clear()
{
    qDeleteAll(std::exchange(pictures, {}));
    qDeleteAll(std::exchange(sequences, {}));
}
