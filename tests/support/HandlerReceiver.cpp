#include "HandlerReceiver.h"

#include "import/LoadImagesHandler.h"
#include "messaging/Message.h"

HandlerReceiver::HandlerReceiver(LoadImagesHandler *handler) : handler(handler)
{
    connect(handler, SIGNAL(handlerMessageReady(Message*)), this, SLOT(handlerMessage(Message*)),
            Qt::BlockingQueuedConnection);
}

void HandlerReceiver::release()
{
    handler->release(this);
    handler = nullptr;
}

bool HandlerReceiver::event(QEvent *e)
{
    if (handler)
        handler->acquireReport();
    return QObject::event(e);
}
