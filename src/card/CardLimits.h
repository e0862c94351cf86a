#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class ImageObject;
class MediaObject;

// What the display cannot play of a card that is still written as the format
// says: a table of contents lists at most 500 items, and the block count is
// stored in two bytes. The user is told before the card is written.
class CardLimits
{
    Q_DECLARE_TR_FUNCTIONS(CardLimits)
public:
    static constexpr qint64 maxBlocks = 0xFFFF;

    // One sentence per limit passed; empty when the display plays the whole card.
    static QStringList warnings(qint64 items, qint64 blocks);
    static QStringList warnings(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
};
