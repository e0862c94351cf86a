#pragma once

#include "card/CardBlockLayout.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <atomic>
#include <optional>

class CardRecords;
class QFile;

// Reads back a card in the format that download writes: the table of
// contents with its markers and entries, then the blocks. The file's size
// must be the table plus whole blocks of one size, which ties a card to the
// display it was made for; blocks are read one at a time and kept unchanged.
class CardReader
{
    Q_DECLARE_TR_FUNCTIONS(CardReader)
public:
    struct Entry {
        enum Kind { Picture, Sequence };
        Kind kind = Picture;
        qint64 firstBlock = 0; // from 1
        qint64 blockCount = 0; // 1 for a picture; the frames of a sequence (may be 0)
        quint8 timeByte = 0;   // pictures: tenths of a second
        quint8 loopCount = 0;  // sequences: the repeat byte
    };

    // What the table of contents says, and the display it fits.
    struct Probe {
        QString problem;       // not a card or damaged: names the file and the reason
        qint64 fileSize = 0;
        int headerBlocks = 0;  // the block count of the header (modulo 65536)
        qint64 blocks = 0;     // blocks the file holds for the layout found
        QList<Entry> entries;
        bool fits = false;     // the layout asked for fits
        std::optional<CardBlockLayout> layout; // the one asked for when it fits, else one that does

        bool ok() const { return problem.isEmpty(); }
    };

    // Reads the table and checks the card against the display of the given
    // counts (bit planes or raw samples); when it does not fit, looks for
    // the display it fits, preferring the usual ones and those sharing a count.
    static Probe probe(const QString &path, int ledCount, int lineCount);

    // Reading goes on only while keepReading is set; checked before every block.
    explicit CardReader(const std::atomic<bool> &keepReading);
    // Reads every picture and sequence of the card at path, whose blocks have
    // the given layout, into records. Empty when records came, or when reading
    // was stopped; otherwise why nothing was read (records are then cleared).
    QString read(const QString &path, const CardBlockLayout &layout, CardRecords &records);

    static constexpr int maxLedCount = 500;
    static constexpr int maxLineCount = 600;

private:
    static Probe readTable(QFile &file, const QString &path);
    static QString classify(const QByteArray &table, const QString &path, QList<Entry> &entries);
    static bool fits(QFile &file, Probe &probe, const CardBlockLayout &layout);
    static QList<CardBlockLayout> candidates(int ledCount, int lineCount);
    bool readBlock(QFile &file, const CardBlockLayout &layout, qint64 number, QByteArray &block) const;
    QString readEntries(QFile &file, const QString &path, const Probe &probe, CardRecords &records) const;

    const std::atomic<bool> &keepReading;
};
