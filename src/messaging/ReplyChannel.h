#pragma once

#include <QList>
#include <QObject>

#include <mutex>

class Message;

// Carries a handler's reports from the looper thread to the thread the
// channel lives on (the user interface). A report not yet received when the
// channel goes is freed with it, so a window that closes while replies are
// still on their way leaks nothing. Its lock also makes the hand-over of each
// report visible to the thread sanitizer.
class ReplyChannel : public QObject
{
    Q_OBJECT
public:
    explicit ReplyChannel(QObject *parent = nullptr);
    // The channel's thread. Frees every report posted and not yet received.
    ~ReplyChannel() override;

    // Any thread. Takes msg; it reaches received() on the channel's thread,
    // or is freed with the channel.
    void post(Message *msg);
    // Any thread. Reports posted and not yet received.
    int pendingCount() const;

signals:
    // The channel's thread. The receiving slot owns msg.
    void received(Message *msg);
    // Internal: the queued hop from the posting thread, one per report. It
    // carries no argument: the report itself goes through the locked queue,
    // where the thread sanitizer sees it change hands.
    void posted();

private slots:
    void deliver();

private:
    mutable std::mutex lock;
    QList<Message *> inFlight; // in the order posted
};
