#pragma once

#include "card/CardWriteResult.h"
#include "card/CardWriter.h"
#include "card/ChosenStick.h"

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
    ChosenStick stick;  // checked before writing and before the card takes its name
    CardWriter::Replace replace = CardWriter::Replace::Beside;
    CardWriter::Progress progress; // called on the looper thread after each block

    CardWriteResult result;
};
