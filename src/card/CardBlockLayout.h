#pragma once

#include <QByteArray>
#include <QImage>

// What one block of a card holds and how long it is: LED line data in bit
// planes, as polar sampling builds it, or raw LED samples, as the legacy
// card stores them (and as a card keeps them once such records were
// downloaded again). Both depend on the display's LED and line counts.
struct CardBlockLayout
{
    enum Format { BitPlanes, RawSamples };

    int ledCount = 0;
    int lineCount = 0;
    Format format = BitPlanes;

    static CardBlockLayout bitPlanes(int ledCount, int lineCount) { return {ledCount, lineCount, BitPlanes}; }
    static CardBlockLayout rawSamples(int ledCount, int lineCount) { return {ledCount, lineCount, RawSamples}; }

    qint64 blockSize() const;
    // Bytes of a block that carry LEDs; the rest is zero padding.
    qint64 usedSize() const;
    QImage preview(const QByteArray &block) const;

    bool operator==(const CardBlockLayout &other) const
    {
        return ledCount == other.ledCount && lineCount == other.lineCount && format == other.format;
    }
    bool operator!=(const CardBlockLayout &other) const { return !(*this == other); }
};
