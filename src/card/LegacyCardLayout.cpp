#include "card/LegacyCardLayout.h"

namespace LegacyCardLayout {

qint64 blockSize(int ledCount, int lineCount)
{
    if (ledCount < 1 || lineCount < 1)
        return 0;
    return qint64(lineCount) * ledCount * 3;
}

bool Header::parse(const QByteArray &bytes, Header &header)
{
    if (bytes.size() < headerSize)
        return false;
    const auto at = [&bytes](int offset) { return quint8(bytes.at(offset)); };
    for (int j = 0; j < sequenceSlots; ++j) {
        header.frameCounts[j] = at(frameCountsOffset + j);
        header.loopCounts[j] = at(loopCountsOffset + j);
    }
    header.pictureCount = at(pictureCountOffset);
    for (int s = 0; s < pictureSlots; ++s)
        header.timeBytes[s] = at(timeBytesOffset + s);
    return true;
}

QByteArray Header::toBytes() const
{
    QByteArray bytes(headerSize, '\0');
    for (int j = 0; j < sequenceSlots; ++j) {
        bytes[frameCountsOffset + j] = char(frameCounts[j]);
        bytes[loopCountsOffset + j] = char(loopCounts[j]);
    }
    bytes[pictureCountOffset] = char(pictureCount);
    for (int s = 0; s < pictureSlots; ++s)
        bytes[timeBytesOffset + s] = char(timeBytes[s]);
    return bytes;
}

} // namespace LegacyCardLayout
