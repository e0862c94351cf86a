#pragma once

#include <QByteArray>

#include <array>

// The older card file that the display's factory content and "Z1.bin" use:
// a 120-byte header, 100 picture slots of one block each, used or not, then
// the frames of the five sequence slots. A block holds raw LED samples
// (green, red, blue per LED), so its size depends on the display.
namespace LegacyCardLayout {

constexpr int headerSize = 120;
constexpr int pictureSlots = 100;
constexpr int sequenceSlots = 5;
// Only the first 50 picture slots can become pictures, whatever the count says.
constexpr int pictureLimit = 50;
constexpr int frameCountsOffset = 7;
constexpr int loopCountsOffset = 12;
constexpr int pictureCountOffset = 19;
constexpr int timeBytesOffset = 20;
// Display times are stored in units of 0.2 s.
constexpr double secondsPerTimeUnit = 0.2;

// Line count x LED count x 3 bytes; 0 for counts below 1.
qint64 blockSize(int ledCount, int lineCount);

struct Header {
    std::array<quint8, sequenceSlots> frameCounts{};
    std::array<quint8, sequenceSlots> loopCounts{};
    quint8 pictureCount = 0;
    std::array<quint8, pictureSlots> timeBytes{};

    // False when fewer than headerSize bytes are given.
    static bool parse(const QByteArray &bytes, Header &header);
    // Exactly headerSize bytes; the bytes the reader skips are zero.
    QByteArray toBytes() const;
};

} // namespace LegacyCardLayout
