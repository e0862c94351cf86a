#pragma once

#include "card/CardWriteResult.h"

#include <QList>

class ImageObject;
class MediaObject;

// A download: the playlist as it stood when it was asked for, taken on the
// user-interface thread so the writer never reads the window's models, and,
// once written, what the writer achieved. The request message owns it; the
// handler passes it on to its reply.
class DownloadJob
{
public:
    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;
    CardWriteResult result;
};
