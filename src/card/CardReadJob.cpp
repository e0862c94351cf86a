#include "card/CardReadJob.h"

#include "card/CardReader.h"
#include "card/LegacyCardReader.h"
#include "messaging/HandlerMessage.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

CardReadJob::CardReadJob(Kind kind, const QString &path, const CardBlockLayout &layout, QThread *home)
    : readKind(kind), filePath(path), blockLayout(layout), read(home)
{
}

void CardReadJob::run()
{
    if (readKind == OpenCard) {
        CardReader reader(*wanted);
        reason = reader.read(filePath, blockLayout, read);
        return;
    }
    LegacyCardReader reader(*wanted);
    reason = reader.read(filePath, blockLayout.ledCount, blockLayout.lineCount, read);
}

std::unique_ptr<CardReadJob> CardReadJob::takeFrom(Message *msg)
{
    switch (msg->what) {
    case WhatCode::PreviewFromUsb:
        return msg->takePayload<WhatCode::PreviewFromUsb>();
    case WhatCode::RestoreFactory:
        return msg->takePayload<WhatCode::RestoreFactory>();
    case WhatCode::OpenCard:
        return msg->takePayload<WhatCode::OpenCard>();
    default:
        return nullptr;
    }
}

Message *CardReadJob::answer(HandlerMessage &handler, Message *msg)
{
    if (msg->what != WhatCode::PreviewFromUsb && msg->what != WhatCode::RestoreFactory
        && msg->what != WhatCode::OpenCard)
        return nullptr;
    std::unique_ptr<CardReadJob> job = takeFrom(msg);
    if (!job)
        return handler.obtainMessage(msg->what, nullptr, msg->text); // still ends the window's wait
    job->run();
    return handler.obtainMessage(msg->what, std::move(job), msg->text);
}
