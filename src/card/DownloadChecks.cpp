#include "card/DownloadChecks.h"

#include "card/CardTableOfContents.h"
#include "display/ImageObject.h"

bool DownloadChecks::isEmpty(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    return pictures.isEmpty() && sequences.isEmpty();
}

QList<int> DownloadChecks::rowsBeyondLongestTime(const QList<ImageObject *> &pictures)
{
    QList<int> rows;
    for (int row = 0; row < pictures.size(); ++row) {
        // Compared as the card stores it: 25.55 s is still 255 tenths.
        if (pictures.at(row)->displayTime() * 10 >= 256 - 1e-6)
            rows.append(row + 1);
    }
    return rows;
}

QStringList DownloadChecks::cardLimits(qint64 items, qint64 blocks)
{
    QStringList said;
    const int listed = CardTableOfContents::maxEntries;
    if (items > listed)
        said.append(tr("The playlist has %1 items, but the display plays only the first %2: items %3 to %1 will "
                       "not play.").arg(items).arg(listed).arg(listed + 1));
    if (blocks > maxBlocks)
        said.append(tr("The card holds %1 pictures and frames, more than the %2 the display can count: it will not "
                       "play correctly. Remove some pictures or frames.").arg(blocks).arg(maxBlocks));
    return said;
}

QStringList DownloadChecks::cardLimits(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    return cardLimits(pictures.size() + sequences.size(), CardTableOfContents::blockCount(pictures, sequences));
}
