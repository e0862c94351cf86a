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
