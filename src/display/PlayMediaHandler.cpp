#include "display/PlayMediaHandler.h"

#include "card/CardWriteResult.h"
#include "card/DownloadJob.h"
#include "messaging/Message.h"

#include <memory>
#include "messaging/WhatCodes.h"

PlayMediaHandler::PlayMediaHandler(HandlerThread *loop, QObject *parent) : HandlerMessage(loop, parent)
{
    qRegisterMetaType<Message *>("Message*");
    writer.setCancelFlag(&downloadCancel);
}

PlayMediaHandler::~PlayMediaHandler()
{
    downloadCancel.store(true);
    detachFromLooper();
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
    auto *reply = new Message(this, msg->what);
    reply->obj = msg->obj;
    reply->text = msg->text;
    report(reply);
}

// Writes the card file; the reply carries the result, which the window then owns.
void PlayMediaHandler::download(const Message *msg)
{
    std::unique_ptr<DownloadJob> job(static_cast<DownloadJob *>(msg->obj));
    auto *result = new CardWriteResult;
    *result = job ? writer.write(job->pictures, job->sequences, msg->text) : CardWriteResult();
    auto *reply = new Message(this, WhatCode::Download);
    reply->obj = result;
    reply->text = msg->text;
    report(reply);
}

void PlayMediaHandler::report(Message *reply)
{
    const std::unique_lock<std::mutex> fenced = fence.emitting();
    emit handlerMessageReady(reply);
}
