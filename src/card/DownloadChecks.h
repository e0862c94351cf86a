#pragma once

#include <QList>

class ImageObject;
class MediaObject;

// What a download should ask the user about before it writes: a playlist
// the card would hold nothing of, and values the card cannot hold.
class DownloadChecks
{
public:
    static bool isEmpty(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    // Rows (from 1) of pictures shown longer than a card can hold.
    static QList<int> rowsBeyondLongestTime(const QList<ImageObject *> &pictures);
};
