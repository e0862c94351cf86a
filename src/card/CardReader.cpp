#include "card/CardReader.h"

#include "app/DisplayParameters.h"
#include "card/CardFileOpen.h"
#include "card/CardReaderLog.h"
#include "card/CardRecords.h"
#include "card/CardTableOfContents.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <QFile>

#include <algorithm>
#include <memory>

namespace {

constexpr int factoryLeds = 36;
constexpr int factoryLines = 360;
constexpr qint64 blockNumbers = 65536; // block numbers are stored in 16 bits
constexpr double frameSeconds = 0.2;

int word(const QByteArray &bytes, int at)
{
    return (quint8(bytes.at(at)) << 8) | quint8(bytes.at(at + 1));
}

bool isZero(const QByteArray &bytes)
{
    return bytes.count('\0') == bytes.size();
}

} // namespace

CardReader::CardReader(const std::atomic<bool> &keepReading) : keepReading(keepReading)
{
}

// Pictures come first, each one block shown for its time byte; then the
// sequences, whose time byte is 1. A one-block entry (1, 1) at the boundary
// is taken as a sequence of one frame: a picture of 0.1 s is not made by the
// time editors, and both write the same entry again.
QString CardReader::classify(const QByteArray &table, const QString &path, QList<Entry> &entries)
{
    bool pictures = true;
    qint64 next = 1;
    for (int e = 0; e < CardTableOfContents::maxEntries; ++e) {
        const int at = CardTableOfContents::entriesOffset + e * CardTableOfContents::entrySize;
        const QByteArray bytes = table.mid(at, CardTableOfContents::entrySize);
        if (isZero(bytes))
            break; // the entries in use come first
        const int first = word(bytes, 0);
        const int last = word(bytes, 2);
        Entry entry;
        entry.timeByte = quint8(bytes.at(4));
        entry.loopCount = quint8(bytes.at(5));
        pictures = pictures && first == last && entry.loopCount == 1;
        if (!pictures && entry.timeByte != 1)
            return tr("The card %1 is damaged: entry %2 of its table is neither a picture nor a sequence.")
                .arg(path)
                .arg(e + 1);
        entry.kind = pictures ? Entry::Picture : Entry::Sequence;
        entry.blockCount = pictures ? 1 : (last - first + 1 + blockNumbers) % blockNumbers;
        // Numbers run on past 65535 in a long card; follow them while they are consecutive.
        entry.firstBlock = first == next % blockNumbers ? next : first;
        if (entry.firstBlock < 1)
            return tr("The card %1 is damaged: entry %2 of its table names block 0.").arg(path).arg(e + 1);
        next = entry.firstBlock + entry.blockCount;
        entries.append(entry);
    }
    for (int e = int(entries.size()) - 1; e >= 0; --e) {
        Entry &entry = entries[e];
        if (entry.kind == Entry::Sequence)
            continue;
        if (entry.timeByte != 1)
            break;
        entry.kind = Entry::Sequence;
        entry.loopCount = 1;
    }
    return QString();
}

CardReader::Probe CardReader::readTable(QFile &file, const QString &path)
{
    Probe probe;
    const QString unopened = CardFileOpen::open(file);
    if (!unopened.isEmpty()) {
        probe.problem = tr("The file %1 is not a readable card: %2.").arg(path, unopened);
        return probe;
    }
    probe.fileSize = file.size();
    const QByteArray table = file.read(CardTableOfContents::size);
    if (table.size() < CardTableOfContents::size) {
        probe.problem = tr("The file %1 is not a card: it is shorter than the %2-byte table of contents.")
                            .arg(path)
                            .arg(CardTableOfContents::size);
        return probe;
    }
    if (!CardTableOfContents::hasMarkers(table)) {
        probe.problem = tr("The file %1 is not a card written by Rotavue: its table of contents has no card markers.")
                            .arg(path);
        return probe;
    }
    probe.headerBlocks = word(table, 8);
    probe.problem = classify(table, path, probe.entries);
    const bool nothing = std::all_of(probe.entries.cbegin(), probe.entries.cend(),
                                     [](const Entry &entry) { return entry.blockCount == 0; });
    if (probe.ok() && nothing)
        probe.problem = tr("The card %1 holds no pictures and no sequences with frames.").arg(path);
    return probe;
}

// The size must be the table and whole blocks, as many as the header counts
// (modulo 65536) and at least as many as the entries name; bit planes must
// leave their padding zero, which tells most cards of small displays from
// those of large ones whose blocks have the same padded size.
bool CardReader::fits(QFile &file, Probe &probe, const CardBlockLayout &layout)
{
    const qint64 size = layout.blockSize();
    const qint64 data = probe.fileSize - CardTableOfContents::size;
    if (size <= 0 || data <= 0 || data % size != 0)
        return false;
    const qint64 blocks = data / size;
    if (blocks % blockNumbers != probe.headerBlocks)
        return false;
    for (const Entry &entry : probe.entries) {
        if (entry.firstBlock + entry.blockCount - 1 > blocks)
            return false;
    }
    if (layout.usedSize() < size) {
        if (!file.seek(CardTableOfContents::size + layout.usedSize()))
            return false;
        if (!isZero(file.read(size - layout.usedSize())))
            return false;
    }
    probe.blocks = blocks;
    return true;
}

QList<CardBlockLayout> CardReader::candidates(int ledCount, int lineCount)
{
    QList<CardBlockLayout> list;
    for (const CardBlockLayout::Format format : {CardBlockLayout::BitPlanes, CardBlockLayout::RawSamples}) {
        list.append({DisplayParameters::defaultLedCount, DisplayParameters::defaultLineCount, format});
        list.append({factoryLeds, factoryLines, format});
    }
    // Cards made by Rotavue hold bit planes; raw samples only when legacy pictures were downloaded again.
    for (const CardBlockLayout::Format format : {CardBlockLayout::BitPlanes, CardBlockLayout::RawSamples}) {
        for (int leds = 1; leds <= maxLedCount; ++leds)
            list.append({leds, lineCount, format});
        for (int lines = 1; lines <= maxLineCount; ++lines)
            list.append({ledCount, lines, format});
    }
    return list;
}

CardReader::Probe CardReader::probe(const QString &path, int ledCount, int lineCount)
{
    QFile file(path);
    Probe probe = readTable(file, path);
    if (!probe.ok())
        return probe;
    for (const CardBlockLayout &asked : {CardBlockLayout::bitPlanes(ledCount, lineCount),
                                         CardBlockLayout::rawSamples(ledCount, lineCount)}) {
        if (fits(file, probe, asked)) {
            probe.fits = true;
            probe.layout = asked;
            return probe;
        }
    }
    for (const CardBlockLayout &other : candidates(ledCount, lineCount)) {
        if (fits(file, probe, other)) {
            probe.layout = other;
            return probe;
        }
    }
    return probe;
}

bool CardReader::readBlock(QFile &file, const CardBlockLayout &layout, qint64 number, QByteArray &block) const
{
    const qint64 size = layout.blockSize();
    const qint64 at = CardTableOfContents::size + (number - 1) * size;
    if (number < 1 || at + size > file.size() || !file.seek(at))
        return false;
    block = file.read(size);
    return block.size() == size;
}

QString CardReader::readEntries(QFile &file, const QString &path, const Probe &probe, CardRecords &records) const
{
    QByteArray block;
    const auto failed = [&](qint64 number) {
        return tr("Reading the card %1 failed at block %2: %3.").arg(path).arg(number).arg(file.errorString());
    };
    int pictureIndex = 0;
    for (const Entry &entry : probe.entries) {
        if (!keepReading.load())
            return QString();
        if (entry.kind == Entry::Picture) {
            if (!readBlock(file, *probe.layout, entry.firstBlock, block))
                return failed(entry.firstBlock);
            records.appendPicture(records.makeRecord(++pictureIndex, entry.timeByte / 10.0,
                                                     ImageObject::CardPicture, block, *probe.layout));
            continue;
        }
        if (entry.blockCount == 0)
            continue; // nothing to show; the playlist holds no empty sequences
        std::unique_ptr<MediaObject> sequence(
            records.makeSequence(int(records.sequenceList().size()), entry.loopCount));
        for (qint64 f = 0; f < entry.blockCount; ++f) {
            if (!keepReading.load())
                return QString();
            if (!readBlock(file, *probe.layout, entry.firstBlock + f, block))
                return failed(entry.firstBlock + f);
            sequence->appendFrame(records.makeRecord(int(f + 1), frameSeconds, ImageObject::CardFrame, block,
                                                     *probe.layout));
        }
        records.appendSequence(sequence.release());
    }
    return QString();
}

QString CardReader::read(const QString &path, const CardBlockLayout &layout, CardRecords &records)
{
    QFile file(path);
    Probe probe = readTable(file, path);
    if (probe.ok() && !fits(file, probe, layout))
        probe.problem = tr("The card %1 does not fit a display of %2 LEDs and %3 lines.")
                            .arg(path)
                            .arg(layout.ledCount)
                            .arg(layout.lineCount);
    if (!probe.ok())
        return probe.problem;
    probe.layout = layout;
    const QString problem = readEntries(file, path, probe, records);
    qCDebug(lcCardReader) << "#CardReader# read" << path << records.pictureList().size() << "pictures"
                          << records.sequenceList().size() << "sequences";
    if (!problem.isEmpty()) {
        records.clear(); // a part of a show is not what the stick holds
        return problem;
    }
    if (records.isEmpty() && keepReading.load())
        return tr("The card %1 holds no pictures and no sequences with frames.").arg(path);
    return QString();
}
