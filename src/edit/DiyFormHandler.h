#pragma once

#include "messaging/HandlerMessage.h"

#include <QPointer>

class DiyForm;
class HandlerThread;

// The DIY editor's handler on the shared looper. The editor posts nothing to
// it yet; it exists so that work of the editor can move off the user-interface
// thread without changing the window.
class DiyFormHandler : public HandlerMessage
{
    Q_OBJECT
public:
    // UI thread. The handler lives on the UI thread; its messages run on loop.
    DiyFormHandler(DiyForm *window, HandlerThread *loop);
    ~DiyFormHandler() override;

    DiyForm *window() const;

    // Looper thread: does nothing.
    void handlerMessage(Message *msg) override;

private:
    QPointer<DiyForm> form;
};
