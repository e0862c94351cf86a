#include "display/PlayMediaHandler.h"

#include "card/DownloadJob.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include <memory>

PlayMediaHandler::PlayMediaHandler(HandlerThread *loop, QObject *parent) : HandlerMessage(loop, parent)
{
    writer.setCancelFlag(&downloadCancel);
    connect(&replies, &ReplyChannel::received, this, &PlayMediaHandler::handlerMessageReady);
}

PlayMediaHandler::~PlayMediaHandler()
{
    downloadCancel.store(true);
    detachFromLooper(); // no reply can be posted after this
}

void PlayMediaHandler::handlerMessage(Message *msg)
{
    switch (msg->what) {
    case WhatCode::FrameTick:
    case WhatCode::TimeUp:
    case WhatCode::TimeDown:
    case WhatCode::LoopUp:
    case WhatCode::LoopDown:
        echo(msg);
        break;
    case WhatCode::Download:
        download(msg);
        break;
    default:
        break;
    }
}

// The looper deletes the message it handed us, so the window gets a copy.
void PlayMediaHandler::echo(const Message *msg)
{
    replies.post(obtainMessage(msg->what, msg->obj, msg->text));
}

// Writes the card file; the reply carries the job with its result, and the
// window then owns both.
void PlayMediaHandler::download(Message *msg)
{
    std::unique_ptr<DownloadJob> job = msg->takePayload<WhatCode::Download>();
    if (!job)
        job = std::make_unique<DownloadJob>();
    else
        job->result = writer.write(job->pictures, job->sequences, msg->text, job->stick, job->replace);
    replies.post(obtainMessage(WhatCode::Download, std::move(job), msg->text));
}
