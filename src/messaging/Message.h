#pragma once

#include "messaging/MessagePayload.h"

#include <QObject>
#include <QString>

#include <memory>

class HandlerMessage;
class ImageObject;

// One unit of work or one report, travelling through the looper. Made only by
// HandlerMessage::obtainMessage(); owned by the looper while queued and
// deleted after delivery or removal. A message sent to the user interface
// belongs to the slot that receives it.
//
// obj is read through payload<What>(), which checks the code: the type obj
// carries for each code is declared once, in WhatCodes.h. A payload given
// to the factory as a std::unique_ptr is owned by the message and freed with
// it unless the receiver takes it out with takePayload<What>().
class Message : public QObject
{
    Q_OBJECT
public:
    ~Message() override;

    // Milliseconds of a monotonic clock; the time base of every due time.
    static qint64 nowMs();

    // Any thread holding the message. Null, and logged, when the message has
    // another code.
    template<int What>
    typename MessagePayload<What>::Type *payload() const
    {
        return static_cast<typename MessagePayload<What>::Type *>(checkedObj(What));
    }
    // Any thread holding the message. The owned payload, now the caller's;
    // null when the code differs or the message does not own its payload.
    template<int What>
    std::unique_ptr<typename MessagePayload<What>::Type> takePayload()
    {
        return std::unique_ptr<typename MessagePayload<What>::Type>(
            static_cast<typename MessagePayload<What>::Type *>(releaseObj(What)));
    }
    bool ownsPayload() const { return dispose != nullptr; }

    HandlerMessage *target;
    qint64 when;       // due time, on nowMs()'s clock
    int what;
    void *obj = nullptr;            // see payload(); owned only when given as a unique_ptr
    ImageObject *image = nullptr;   // not owned
    QString text;

private:
    friend class HandlerMessage;
    using Dispose = void (*)(void *);

    Message(HandlerMessage *target, int what);
    void *checkedObj(int expected) const;
    void *releaseObj(int expected);

    Dispose dispose = nullptr;
};
