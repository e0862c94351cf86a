#pragma once

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class ImageObject;
class MediaObject;

// What a download should ask the user about before it writes: a playlist
// the card would hold nothing of, and values the card cannot hold.
class DownloadChecks
{
    Q_DECLARE_TR_FUNCTIONS(DownloadChecks)
public:
    // The largest block count the card's two bytes hold.
    static constexpr qint64 maxBlocks = 0xFFFF;

    static bool isEmpty(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    // Rows (from 1) of pictures shown longer than a card can hold.
    static QList<int> rowsBeyondLongestTime(const QList<ImageObject *> &pictures);
    // What the display cannot play of a card that is still written as the
    // format says: a table lists at most 500 items, and the block count is
    // stored in two bytes. One sentence per limit passed; empty when the
    // display plays the whole card.
    static QStringList cardLimits(qint64 items, qint64 blocks);
    static QStringList cardLimits(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
};
