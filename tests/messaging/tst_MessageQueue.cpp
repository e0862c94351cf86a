// Queue rules of the looper, checked on a looper whose thread is never
// started, so every step is driven from the test and nothing depends on timing.
#include "LogCapture.h"
#include "RecordingHandler.h"
#include "TestMessages.h"

#include "messaging/HandlerThread.h"
#include "messaging/Message.h"

#include <QAtomicInt>
#include <QtTest>

#include <memory>

namespace {

// Takes every due message off the queue, in queue order.
QStringList drain(HandlerThread &loop)
{
    QStringList out;
    int waitMs = 0;
    while (Message *msg = loop.next(waitMs)) {
        out << RecordingHandler::label(msg);
        delete msg;
    }
    return out;
}

// A payload that counts its own deletion.
struct Tracked
{
    explicit Tracked(QAtomicInt *deletions) : deletions(deletions) {}
    ~Tracked() { deletions->ref(); }
    QAtomicInt *deletions;
};

constexpr int trackedCode = 901;
constexpr int otherCode = 902;

} // namespace

template<> struct MessagePayload<trackedCode> { using Type = Tracked; };
template<> struct MessagePayload<otherCode> { using Type = Tracked; };

class MessageQueueTest : public QObject
{
    Q_OBJECT

private slots:
    void enqueueOrdersByDueTime_data();
    void enqueueOrdersByDueTime();
    void nextReportsWhatIsDue_data();
    void nextReportsWhatIsDue();
    void delayedSendSetsDueTime_data();
    void delayedSendSetsDueTime();
    void removeByCodeReachesEveryHandler_data();
    void removeByCodeReachesEveryHandler();
    void clearDeletesEverything();
    void nullMessageIsRefused_data();
    void nullMessageIsRefused();
    void handlerWithoutLooperFreesMessage_data();
    void handlerWithoutLooperFreesMessage();
    void destroyedHandlerLeavesNoQueuedMessages();
    void sendAfterExitIsRefused();
    void payloadIsReadForItsCodeOnly();
    void ownedPayloadGoesWithItsMessage_data();
    void ownedPayloadGoesWithItsMessage();
};

void MessageQueueTest::enqueueOrdersByDueTime_data()
{
    // Due times (ms after a base in the past) in send order; message i is "m<i>".
    QTest::addColumn<QList<int>>("dueOffsets");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("equal due times keep send order")
        << QList<int>{5, 5, 5, 5} << QStringList{"m0", "m1", "m2", "m3"};
    QTest::newRow("ascending")
        << QList<int>{0, 10, 20} << QStringList{"m0", "m1", "m2"};
    QTest::newRow("each earlier than all before")
        << QList<int>{20, 10, 0} << QStringList{"m2", "m1", "m0"};
    QTest::newRow("tie in the middle goes behind its equal")
        << QList<int>{0, 10, 20, 10} << QStringList{"m0", "m1", "m3", "m2"};
    QTest::newRow("tie with the head goes behind it")
        << QList<int>{5, 9, 5, 0} << QStringList{"m3", "m0", "m2", "m1"};
    QTest::newRow("run of ties after an earlier insert")
        << QList<int>{7, 7, 3, 7, 3} << QStringList{"m2", "m4", "m0", "m1", "m3"};
}

void MessageQueueTest::enqueueOrdersByDueTime()
{
    QFETCH(QList<int>, dueOffsets);
    QFETCH(QStringList, expected);

    HandlerThread loop;
    RecordingHandler handler(&loop);
    const qint64 base = Message::nowMs() - 10000; // all due, so next() hands out each one
    for (int i = 0; i < dueOffsets.size(); ++i) {
        Message *msg = labelled(&handler, 1, QStringLiteral("m%1").arg(i));
        msg->when = base + dueOffsets.at(i);
        handler.sendHandlerMessage(msg);
    }
    QCOMPARE(drain(loop), expected);
}

void MessageQueueTest::nextReportsWhatIsDue_data()
{
    QTest::addColumn<int>("delayMs");  // -1: nothing queued
    QTest::addColumn<bool>("handsOut");
    QTest::addColumn<int>("minWait");
    QTest::addColumn<int>("maxWait");

    QTest::newRow("empty queue waits without limit") << -1 << false << -1 << -1;
    QTest::newRow("due head is handed out") << 0 << true << 0 << 0;
    QTest::newRow("head not yet due") << 5000 << false << 1 << 5000;
}

void MessageQueueTest::nextReportsWhatIsDue()
{
    QFETCH(int, delayMs);
    QFETCH(bool, handsOut);
    QFETCH(int, minWait);
    QFETCH(int, maxWait);

    HandlerThread loop;
    RecordingHandler handler(&loop);
    if (delayMs >= 0)
        handler.sendEmptyHandlerMessage(4, delayMs);

    int waitMs = 12345;
    std::unique_ptr<Message> msg(loop.next(waitMs));
    QCOMPARE(msg != nullptr, handsOut);
    QVERIFY2(waitMs >= minWait && waitMs <= maxWait, qPrintable(QString::number(waitMs)));
    QCOMPARE(loop.queuedCount(), handsOut || delayMs < 0 ? 0 : 1);
    if (msg) {
        QCOMPARE(msg->target, &handler);
        QCOMPARE(msg->what, 4);
    }
}

void MessageQueueTest::delayedSendSetsDueTime_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::newRow("no delay") << 0;
    QTest::newRow("200 ms") << 200;
    QTest::newRow("one hour") << 3600 * 1000;
}

void MessageQueueTest::delayedSendSetsDueTime()
{
    QFETCH(int, delayMs);

    HandlerThread loop;
    RecordingHandler handler(&loop);
    auto *msg = handler.obtainMessage(9);
    msg->when = 0; // a stale due time must be replaced

    const qint64 before = Message::nowMs();
    handler.sendHandlerMessageDelayed(msg, delayMs);
    const qint64 after = Message::nowMs();

    // The thread never runs, so the queued message can still be read here.
    QVERIFY(msg->when >= before + delayMs);
    QVERIFY(msg->when <= after + delayMs);
    QCOMPARE(loop.queuedCount(), 1);
}

void MessageQueueTest::removeByCodeReachesEveryHandler_data()
{
    // Queued messages as "<handler><what>" (handlers a and b), all due now, in send order.
    QTest::addColumn<QStringList>("queued");
    QTest::addColumn<QString>("remover");
    QTest::addColumn<int>("what");
    QTest::addColumn<QStringList>("expected");

    const QStringList mixed{"a7", "b9", "b7", "a8", "a7", "b8"};
    QTest::newRow("code 7 through a reaches b too")
        << mixed << "a" << 7 << QStringList{"b9", "a8", "b8"};
    QTest::newRow("code 8 through b reaches a too")
        << mixed << "b" << 8 << QStringList{"a7", "b9", "b7", "a7"};
    QTest::newRow("unknown code keeps all") << mixed << "a" << 5 << mixed;
    QTest::newRow("every message matches")
        << QStringList{"a7", "b7", "a7"} << "b" << 7 << QStringList{};
}

void MessageQueueTest::removeByCodeReachesEveryHandler()
{
    QFETCH(QStringList, queued);
    QFETCH(QString, remover);
    QFETCH(int, what);
    QFETCH(QStringList, expected);

    HandlerThread loop;
    RecordingHandler a(&loop);
    RecordingHandler b(&loop);
    QAtomicInt deletions;
    for (const QString &item : queued) {
        RecordingHandler *target = item.startsWith('a') ? &a : &b;
        Message *msg = labelled(target, item.mid(1).toInt(), item);
        countDeletion(msg, &deletions);
        target->sendHandlerMessage(msg);
    }

    (remover == "a" ? a : b).removeHandlerMessages(what);

    QCOMPARE(deletions.loadRelaxed(), int(queued.size() - expected.size()));
    QCOMPARE(drain(loop), expected);
}

void MessageQueueTest::clearDeletesEverything()
{
    HandlerThread loop;
    RecordingHandler handler(&loop);
    QAtomicInt deletions;
    for (int delay : {0, 50, 100000}) {
        auto *msg = handler.obtainMessage(1);
        countDeletion(msg, &deletions);
        handler.sendHandlerMessageDelayed(msg, delay);
    }

    loop.clearMessages();

    QCOMPARE(deletions.loadRelaxed(), 3);
    QCOMPARE(loop.queuedCount(), 0);
}

void MessageQueueTest::nullMessageIsRefused_data()
{
    QTest::addColumn<int>("path"); // 0 enqueue, 1 sendHandlerMessage, 2 sendHandlerMessageDelayed
    QTest::newRow("enqueue") << 0;
    QTest::newRow("send") << 1;
    QTest::newRow("send delayed") << 2;
}

void MessageQueueTest::nullMessageIsRefused()
{
    QFETCH(int, path);

    HandlerThread loop;
    RecordingHandler handler(&loop);
    handler.sendHandlerMessage(labelled(&handler, 1, "first"));
    handler.sendHandlerMessage(labelled(&handler, 2, "second"));

    LogCapture log;
    if (path == 0)
        loop.enqueue(nullptr);
    else if (path == 1)
        handler.sendHandlerMessage(nullptr);
    else
        handler.sendHandlerMessageDelayed(nullptr, 100);

    QCOMPARE(log.count("#LOOP# enqueue() msg is null!"), 1);
    QCOMPARE(drain(loop), (QStringList{"first", "second"}));
}

void MessageQueueTest::handlerWithoutLooperFreesMessage_data()
{
    QTest::addColumn<int>("path"); // 0 send, 1 send delayed, 2 send empty
    QTest::addColumn<bool>("looperGone"); // given a looper that was destroyed since
    QTest::newRow("send") << 0 << false;
    QTest::newRow("send delayed") << 1 << false;
    QTest::newRow("send empty") << 2 << false;
    QTest::newRow("send after the looper died") << 0 << true;
}

void MessageQueueTest::handlerWithoutLooperFreesMessage()
{
    QFETCH(int, path);
    QFETCH(bool, looperGone);

    auto looper = std::make_unique<HandlerThread>();
    RecordingHandler handler(looperGone ? looper.get() : nullptr);
    looper.reset();
    QAtomicInt deletions;
    LogCapture log;
    if (path == 2) {
        handler.sendEmptyHandlerMessage(3, 10); // its message is internal: only the log line shows
    } else {
        auto *msg = handler.obtainMessage(3);
        countDeletion(msg, &deletions);
        if (path == 0)
            handler.sendHandlerMessage(msg);
        else
            handler.sendHandlerMessageDelayed(msg, 10);
        QCOMPARE(deletions.loadRelaxed(), 1);
    }
    handler.removeHandlerMessages(3); // must be harmless without a looper

    QCOMPARE(log.count("#Handler# sendHandlerMessage() loop is NULL!"), 1);
    QVERIFY(handler.delivered().isEmpty());
}

void MessageQueueTest::destroyedHandlerLeavesNoQueuedMessages()
{
    HandlerThread loop;
    RecordingHandler keeper(&loop);
    auto doomed = std::make_unique<RecordingHandler>(&loop);
    QAtomicInt deletions;
    for (const char *item : {"d1", "k1", "d2", "k2"}) {
        HandlerMessage *target = item[0] == 'd' ? static_cast<HandlerMessage *>(doomed.get()) : &keeper;
        Message *msg = labelled(target, 1, item);
        countDeletion(msg, &deletions);
        target->sendHandlerMessage(msg);
    }

    doomed.reset();

    QCOMPARE(deletions.loadRelaxed(), 2);
    QCOMPARE(drain(loop), (QStringList{"k1", "k2"}));
}

void MessageQueueTest::sendAfterExitIsRefused()
{
    HandlerThread loop;
    RecordingHandler handler(&loop);
    loop.exit();
    QAtomicInt deletions;
    Message *late = handler.obtainMessage(4);
    countDeletion(late, &deletions);
    LogCapture log;

    handler.sendHandlerMessage(late);

    QCOMPARE(loop.queuedCount(), 0);
    QCOMPARE(deletions.loadRelaxed(), 1);
    QVERIFY(log.contains(QStringLiteral("#LOOP# enqueue() after exit, message of what 4 dropped")));
}

void MessageQueueTest::payloadIsReadForItsCodeOnly()
{
    HandlerThread loop;
    RecordingHandler handler(&loop);
    QAtomicInt deletions;
    std::unique_ptr<Message> msg(handler.obtainMessage(trackedCode, std::make_unique<Tracked>(&deletions)));
    LogCapture log;

    QVERIFY(msg->payload<trackedCode>() != nullptr);
    QCOMPARE(msg->payload<otherCode>(), nullptr);
    QVERIFY(log.contains(QStringLiteral("#Message# payload of what 902 asked of a message of what 901")));
    QVERIFY(!msg->takePayload<otherCode>());
    QVERIFY(msg->ownsPayload()); // a refused take leaves it where it was
    QCOMPARE(deletions.loadRelaxed(), 0);
}

void MessageQueueTest::ownedPayloadGoesWithItsMessage_data()
{
    QTest::addColumn<QString>("fate");
    QTest::addColumn<int>("deletedWithMessage");
    QTest::newRow("delivered and deleted") << "delivered" << 1;
    QTest::newRow("removed by code") << "removed" << 1;
    QTest::newRow("cleared") << "cleared" << 1;
    QTest::newRow("refused: no looper") << "refused" << 1;
    QTest::newRow("taken out by the receiver") << "taken" << 0;
}

void MessageQueueTest::ownedPayloadGoesWithItsMessage()
{
    QFETCH(QString, fate);
    QFETCH(int, deletedWithMessage);

    auto loop = std::make_unique<HandlerThread>();
    RecordingHandler handler(loop.get());
    if (fate == QLatin1String("refused"))
        loop.reset();
    QAtomicInt deletions;
    handler.sendHandlerMessage(handler.obtainMessage(trackedCode, std::make_unique<Tracked>(&deletions)));

    std::unique_ptr<Tracked> taken;
    if (fate == QLatin1String("removed")) {
        handler.removeHandlerMessages(trackedCode);
    } else if (fate == QLatin1String("cleared")) {
        loop->clearMessages();
    } else if (loop) {
        int waitMs = 0;
        std::unique_ptr<Message> msg(loop->next(waitMs));
        QVERIFY(msg);
        if (fate == QLatin1String("taken"))
            taken = msg->takePayload<trackedCode>();
    }

    QCOMPARE(deletions.loadRelaxed(), deletedWithMessage);
    QCOMPARE(bool(taken), deletedWithMessage == 0);
    taken.reset();
    QCOMPARE(deletions.loadRelaxed(), 1); // never freed twice
}

QTEST_GUILESS_MAIN(MessageQueueTest)
#include "tst_MessageQueue.moc"
