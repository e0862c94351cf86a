#include "display/MediaObject.h"

#include "display/ImageObject.h"

MediaObject::MediaObject(int index, const QString &name) : mediaName(name), mediaIndex(index)
{
}

MediaObject::~MediaObject()
{
    qDeleteAll(frameList);
    frameList.clear();
}
