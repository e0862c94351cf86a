#include "display/PreviewPlayback.h"

#include "display/MediaObject.h"
#include "messaging/HandlerMessage.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

PreviewPlayback::PreviewPlayback(HandlerMessage *handler) : handler(handler)
{
}

void PreviewPlayback::select(MediaObject *media)
{
    if (playing)
        stop();
    currentMedia = media;
}

bool PreviewPlayback::start()
{
    if (!currentMedia || currentMedia->frameCount() == 0)
        return false;
    if (playing)
        stop(); // never two tick chains
    playIndex = 0;
    ++generation;
    handler->sendHandlerMessage(
        handler->obtainMessage(WhatCode::FrameTick, currentMedia, QString::number(generation)));
    playing = true;
    return true;
}

void PreviewPlayback::stop()
{
    handler->removeHandlerMessages(WhatCode::FrameTick);
    playing = false;
}

ImageObject *PreviewPlayback::tick(Message *msg)
{
    const bool wanted = playing && currentMedia && msg->payload<WhatCode::FrameTick>() == currentMedia
                        && msg->text == QString::number(generation) && currentMedia->frameCount() > 0;
    if (!wanted) {
        delete msg;
        return nullptr;
    }
    if (playIndex < 0 || playIndex >= currentMedia->frameCount())
        playIndex = 0;
    ImageObject *frame = currentMedia->frame(playIndex);
    ++playIndex;
    handler->sendHandlerMessageDelayed(msg, frameIntervalMs);
    return frame;
}
