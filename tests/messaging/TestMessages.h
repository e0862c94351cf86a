#pragma once

#include "messaging/Message.h"

#include <QAtomicInt>
#include <QObject>
#include <QString>

class HandlerMessage;

// A message told apart by its text in a handler's delivery log.
inline Message *labelled(HandlerMessage *target, int what, const QString &text)
{
    return target->obtainMessage(what, nullptr, text);
}

// Counts msg's deletion in deletions, whichever thread deletes it.
inline void countDeletion(Message *msg, QAtomicInt *deletions)
{
    QObject::connect(msg, &QObject::destroyed, [deletions] { deletions->ref(); });
}
