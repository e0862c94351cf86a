#include "project/ProjectContent.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <utility>

ProjectContent::~ProjectContent()
{
    qDeleteAll(pictures);
    qDeleteAll(sequences);
}

QList<ImageObject *> ProjectContent::takePictures()
{
    return std::exchange(pictures, {});
}

QList<MediaObject *> ProjectContent::takeSequences()
{
    return std::exchange(sequences, {});
}

int ProjectContent::recordCount() const
{
    int count = int(pictures.size());
    for (const MediaObject *sequence : sequences)
        count += sequence->frameCount();
    return count;
}
