#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class ImageObject;
class MediaObject;

// The 4096-byte table of contents at the start of a card file: header with
// the block count, 500 six-byte entries, trailer, zero fill.
class CardTableOfContents
{
    Q_DECLARE_TR_FUNCTIONS(CardTableOfContents)
public:
    static constexpr int size = 4096;
    static constexpr int maxEntries = 500;
    static constexpr int entrySize = 6;
    static constexpr int entriesOffset = 16;
    static constexpr int trailerOffset = entriesOffset + maxEntries * entrySize; // 3016

    // One block per picture and per frame of every sequence.
    static qint64 blockCount(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    // Display time in tenths of a second, truncated, at most 255.
    static quint8 timeByte(double seconds);
    // The longest display time a card holds (the time byte's 255 tenths).
    static constexpr double longestTime = 25.5;
    // A sequence's loop count, at most 255.
    static quint8 repeatByte(int loops);
    // The whole table, exactly size bytes.
    static QByteArray build(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    // Whether a table read back carries the header and trailer markers that build() writes.
    static bool hasMarkers(const QByteArray &table);

    // One used entry of a table read back.
    struct Entry {
        int firstBlock = 0;
        int lastBlock = 0;
        int time = 0;   // byte 4: tenths of a second for a picture, 1 for a sequence
        int repeat = 0; // byte 5: 1 for a picture, the loop count for a sequence
    };
    struct Contents {
        QString problem; // empty when bytes start with a table of contents
        int blocks = 0;  // as stored: modulo 65536
        QList<Entry> entries; // the entries that are not all zero, in table order
    };
    // Reads the table at the start of bytes (a whole card or its first size bytes).
    static Contents read(const QByteArray &bytes);

private:
    static void appendEntry(QByteArray &table, qint64 first, qint64 last, quint8 b4, quint8 b5);
    static void appendNumber16(QByteArray &table, qint64 value);
};
