#include "PlaylistFixture.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"

PlaylistFixture::~PlaylistFixture()
{
    qDeleteAll(pictures);
    qDeleteAll(sequences);
}

QByteArray PlaylistFixture::pattern(int seed, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = char((seed * 131 + i * 7 + (i >> 8)) & 0xFF);
    return bytes;
}

ImageObject *PlaylistFixture::storedRecord(int index, double seconds, int blockLength)
{
    auto *record = new ImageObject(index, QString(), seconds, ImageObject::PictureFile);
    record->setLedData(pattern(record->id(), blockLength));
    record->saveLedData();
    return record;
}

ImageObject *PlaylistFixture::addPicture(double seconds, int blockLength)
{
    pictures.append(storedRecord(int(pictures.size()) + 1, seconds, blockLength));
    return pictures.last();
}

MediaObject *PlaylistFixture::addSequence(int frameCount, int loopCount, int blockLength)
{
    auto *sequence = new MediaObject(int(sequences.size()), QString());
    sequence->setLoopCount(loopCount);
    for (int f = 1; f <= frameCount; ++f)
        sequence->appendFrame(storedRecord(f, 10, blockLength));
    sequences.append(sequence);
    return sequence;
}
