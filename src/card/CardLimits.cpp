#include "card/CardLimits.h"

#include "card/CardTableOfContents.h"

QStringList CardLimits::warnings(qint64 items, qint64 blocks)
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

QStringList CardLimits::warnings(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    return warnings(pictures.size() + sequences.size(), CardTableOfContents::blockCount(pictures, sequences));
}
