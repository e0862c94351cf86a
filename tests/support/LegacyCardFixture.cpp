#include "LegacyCardFixture.h"

#include <QFile>

#include <limits>

LegacyCardFixture::LegacyCardFixture(int ledCount, int lineCount) : block(ledCount * lineCount * 3)
{
}

void LegacyCardFixture::setPictures(int count, int timeByte)
{
    pictures = count;
    for (int s = 0; s < count && s < 100; ++s)
        times[s] = char(timeByte);
}

void LegacyCardFixture::setSequence(int slot, int frameCount, int loopCount)
{
    frames[slot] = frameCount;
    loops[slot] = loopCount;
}

QByteArray LegacyCardFixture::pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 13 + seed * 101 + (i >> 8) * seed) & 0xFF);
    return bytes;
}

QByteArray LegacyCardFixture::pictureBlock(int slot) const
{
    return pattern(block, 1 + slot);
}

QByteArray LegacyCardFixture::frameBlock(int sequenceSlot, int frame) const
{
    return pattern(block, 1000 + sequenceSlot * 300 + frame);
}

qint64 LegacyCardFixture::pictureOffset(int slot) const
{
    return 120 + qint64(slot) * block;
}

qint64 LegacyCardFixture::frameOffset(int sequenceSlot, int frame) const
{
    qint64 before = 0;
    for (int j = 0; j < sequenceSlot; ++j)
        before += frames[j];
    return pictureOffset(100) + (before + frame) * block;
}

QByteArray LegacyCardFixture::header() const
{
    QByteArray out("FIXTURE"); // offsets 0 to 6 are not read
    for (int j = 0; j < 5; ++j)
        out.append(char(frames[j]));
    for (int j = 0; j < 5; ++j)
        out.append(char(loops[j]));
    out.append("\x5A\xA5", 2); // offsets 17 and 18 are not read either
    out.append(char(pictures));
    out.append(times);
    return out;
}

template<typename Sink>
bool LegacyCardFixture::write(Sink sink) const
{
    if (!sink(header()))
        return false;
    for (int s = 0; s < 100; ++s) {
        if (!sink(pictureBlock(s)))
            return false;
    }
    for (int j = 0; j < 5; ++j) {
        for (int f = 0; f < frames[j]; ++f) {
            if (!sink(frameBlock(j, f)))
                return false;
        }
    }
    return true;
}

QByteArray LegacyCardFixture::bytes() const
{
    QByteArray out;
    write([&out](const QByteArray &part) {
        out.append(part);
        return true;
    });
    return out;
}

bool LegacyCardFixture::save(const QString &path, qint64 length) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // Streamed and cut as it goes: a header may claim far more than a test wants on disk.
    qint64 left = length < 0 ? std::numeric_limits<qint64>::max() : length;
    bool failed = false;
    write([&](const QByteArray &part) {
        const qint64 n = qMin(left, qint64(part.size()));
        failed = failed || file.write(part.constData(), n) != n;
        left -= n;
        return left > 0 && !failed;
    });
    return !failed;
}
