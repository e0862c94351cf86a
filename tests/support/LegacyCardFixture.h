#pragma once

#include <QByteArray>
#include <QString>

// Writes legacy card files for tests, byte by byte as the display's older
// card software lays them out: a 120-byte header (frame counts at 7, loop
// counts at 12, picture count at 19, time bytes at 20), 100 picture slots,
// then the frames of sequence slots 0 to 4. Every block gets its own pattern,
// so a test can tell which block a record holds.
class LegacyCardFixture
{
public:
    LegacyCardFixture(int ledCount, int lineCount);

    int blockSize() const { return block; }
    void setPictureCount(int count) { pictures = count; }
    void setTimeByte(int slot, int value) { times[slot] = char(value); }
    // count pictures, each shown for the same time byte.
    void setPictures(int count, int timeByte);
    void setSequence(int slot, int frameCount, int loopCount);

    QByteArray pictureBlock(int slot) const;
    QByteArray frameBlock(int sequenceSlot, int frame) const;
    // Byte where the block of picture slot s / frame f of a sequence slot starts.
    qint64 pictureOffset(int slot) const;
    qint64 frameOffset(int sequenceSlot, int frame) const;

    QByteArray bytes() const;
    // Writes bytes(), cut to length when length is not negative.
    bool save(const QString &path, qint64 length = -1) const;

private:
    static QByteArray pattern(int size, int seed);
    QByteArray header() const;
    // Hands the file to sink part by part until it returns false.
    template<typename Sink>
    bool write(Sink sink) const;

    int block;
    int pictures = 0;
    QByteArray times = QByteArray(100, '\0');
    int frames[5] = {};
    int loops[5] = {1, 1, 1, 1, 1};
};
