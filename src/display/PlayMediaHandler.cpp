#include "display/PlayMediaHandler.h"

#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

PlayMediaHandler::PlayMediaHandler(HandlerThread *loop, QObject *parent) : HandlerMessage(loop, parent)
{
    qRegisterMetaType<Message *>("Message*");
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
    emit handlerMessageReady(reply);
}
