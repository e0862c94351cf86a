#include "card/CardTableOfContents.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "card/CardLog.h"


#include <cmath>

namespace {
const char header[] = {0x22, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
const char trailer[] = {0, 0, 0, 0, 0, 0, 0, 0, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x00};
}

qint64 CardTableOfContents::blockCount(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    qint64 count = pictures.size();
    for (const MediaObject *sequence : sequences)
        count += sequence->frameCount();
    return count;
}

quint8 CardTableOfContents::timeByte(double seconds)
{
    // Times stepped by 0.2 s accumulate rounding error (10.0 comes out as
    // 9.99999...); the small tolerance keeps them on the tenth the user sees.
    const double tenths = std::floor(seconds * 10.0 + 1e-6);
    if (!(tenths > 0))
        return 0;
    return tenths >= 255 ? 255 : quint8(tenths);
}

CardTableOfContents::Contents CardTableOfContents::read(const QByteArray &bytes)
{
    Contents contents;
    if (bytes.size() < size) {
        contents.problem = tr("not a card file: it is shorter than its %1-byte table of contents.").arg(size);
        return contents;
    }
    const auto word = [&bytes](int at) { return (quint8(bytes.at(at)) << 8) | quint8(bytes.at(at + 1)); };
    if (!bytes.startsWith(QByteArray::fromRawData(header, sizeof header))
        || bytes.mid(trailerOffset + 8, 8) != QByteArray::fromRawData(trailer + 8, 8)) {
        contents.problem = tr("not a card file: the table of contents has no card markers.");
        return contents;
    }
    contents.blocks = word(8);
    for (int e = 0; e < maxEntries; ++e) {
        const int at = entriesOffset + e * entrySize;
        if (bytes.mid(at, entrySize).count('\0') == entrySize)
            continue;
        contents.entries.append({word(at), word(at + 2), quint8(bytes.at(at + 4)), quint8(bytes.at(at + 5))});
    }
    return contents;
}

quint8 CardTableOfContents::repeatByte(int loops)
{
    // Capped like the time byte: 300 loops must not play as 44.
    return quint8(qBound(0, loops, 255));
}

void CardTableOfContents::appendNumber16(QByteArray &table, qint64 value)
{
    table.append(char((value >> 8) & 0xFF));
    table.append(char(value & 0xFF));
}

void CardTableOfContents::appendEntry(QByteArray &table, qint64 first, qint64 last, quint8 b4, quint8 b5)
{
    appendNumber16(table, first);
    appendNumber16(table, last);
    table.append(char(b4));
    table.append(char(b5));
}

QByteArray CardTableOfContents::build(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    QByteArray table;
    table.reserve(size);
    table.append(header, sizeof header);
    appendNumber16(table, blockCount(pictures, sequences));
    table.append(6, '\0');

    int entries = 0;
    qint64 block = 1;
    for (ImageObject *picture : pictures) {
        if (entries == maxEntries)
            break;
        const quint8 time = timeByte(picture->displayTime());
        appendEntry(table, block, block, time, 1);
        qCDebug(lcCard) << "#MainWindow# downToUsb2 time = " << int(time);
        ++entries;
        ++block;
    }
    block = pictures.size() + 1;
    for (MediaObject *sequence : sequences) {
        if (entries == maxEntries)
            break;
        const qint64 last = block + sequence->frameCount() - 1;
        appendEntry(table, block, last, 1, repeatByte(sequence->loopCount()));
        ++entries;
        block = last + 1;
    }
    table.append((maxEntries - entries) * entrySize, '\0');
    table.append(trailer, sizeof trailer);
    table.append(size - table.size(), '\0');
    return table;
}

bool CardTableOfContents::hasMarkers(const QByteArray &table)
{
    return table.size() >= size && table.startsWith(QByteArray::fromRawData(header, sizeof header))
           && table.mid(trailerOffset, sizeof trailer) == QByteArray::fromRawData(trailer, sizeof trailer);
}
