#include "display/PlayMediaHandler.h"

#include "card/CardReadJob.h"
#include "card/DownloadJob.h"
#include "edit/ContrastAdjuster.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include <memory>

PlayMediaHandler::PlayMediaHandler(HandlerThread *loop, QObject *parent) : HandlerMessage(loop, parent)
{
    writer.setCancelFlag(&downloadCancel);
    connect(&replies, &ReplyChannel::received, this, &PlayMediaHandler::deliver);
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
    case WhatCode::Contrast:
        // The adjuster reports to its dialog itself.
        ContrastAdjuster::handle(msg);
        break;
    case WhatCode::PreviewFromUsb:
    case WhatCode::RestoreFactory:
    case WhatCode::OpenCard:
        readCard(msg);
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
    else {
        writer.setProgress(job->progress);
        job->result = writer.write(job->pictures, job->sequences, msg->text, job->stick, job->replace);
        writer.setProgress({});
    }
    replies.post(obtainMessage(WhatCode::Download, std::move(job), msg->text));
}

// Reads the card; the reply carries the job with its records.
void PlayMediaHandler::readCard(Message *msg)
{
    if (Message *reply = CardReadJob::answer(*this, msg))
        replies.post(reply);
}

void PlayMediaHandler::deliver(Message *msg)
{
    const int what = msg->what;
    if (what != WhatCode::PreviewFromUsb && what != WhatCode::RestoreFactory && what != WhatCode::OpenCard) {
        emit handlerMessageReady(msg);
        return;
    }
    const std::unique_ptr<Message> reply(msg);
    finishedRead = CardReadJob::takeFrom(msg);
    if (what == WhatCode::PreviewFromUsb)
        emit previewUsbOver();
    else if (what == WhatCode::RestoreFactory)
        emit restoreFactoryOver();
    else
        emit openCardOver();
    finishedRead.reset(); // records nobody took go with it
}

std::unique_ptr<CardReadJob> PlayMediaHandler::takeFinishedRead()
{
    return std::move(finishedRead);
}
