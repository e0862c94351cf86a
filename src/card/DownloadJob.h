#pragma once

#include <QList>

class ImageObject;
class MediaObject;

// The playlist as it stood when the download was asked for, taken on the
// user-interface thread so the writer never reads the window's models.
struct DownloadJob
{
    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;
};
