#pragma once

#include "messaging/Message.h"

#include <QAtomicInt>
#include <QObject>
#include <QString>

class HandlerMessage;

// A message told apart by its text in a handler's delivery log.
inline Message *labelled(HandlerMessage *target, int what, const QString &text)
{
    auto *msg = new Message(target, what);
    msg->text = text;
    return msg;
}

// Counts msg's deletion in deletions, whichever thread deletes it.
inline void countDeletion(Message *msg, QAtomicInt *deletions)
{
    QObject::connect(msg, &QObject::destroyed, [deletions] { deletions->ref(); });
}
