#include "card/CardBlockLayout.h"

#include "card/LegacyCardLayout.h"
#include "display/LedDataPreview.h"
#include "display/PolarSampling.h"

qint64 CardBlockLayout::blockSize() const
{
    if (format == RawSamples)
        return LegacyCardLayout::blockSize(ledCount, lineCount);
    return PolarSampling::ledDataLength(ledCount, lineCount);
}

qint64 CardBlockLayout::usedSize() const
{
    if (format == RawSamples)
        return blockSize();
    return qint64(PolarSampling::lineBytes(ledCount)) * qMax(0, lineCount);
}

QImage CardBlockLayout::preview(const QByteArray &block) const
{
    if (format == RawSamples)
        return LedDataPreview::ofRawSamples(block, ledCount, lineCount);
    return LedDataPreview::ofBitPlanes(block, ledCount, lineCount);
}
