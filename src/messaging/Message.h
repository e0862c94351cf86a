#pragma once

#include <QObject>
#include <QString>

class HandlerMessage;
class ImageObject;

// One unit of work or one report, travelling through the looper.
// Owned by the looper while queued; deleted after delivery or removal.
class Message : public QObject
{
    Q_OBJECT
public:
    Message(HandlerMessage *target, int what);

    // Milliseconds of a monotonic clock; the time base of every due time.
    static qint64 nowMs();

    HandlerMessage *target;
    qint64 when;       // due time, on nowMs()'s clock
    int what;
    void *obj = nullptr;            // not owned; its type follows from what
    ImageObject *image = nullptr;   // not owned
    QString text;
};
