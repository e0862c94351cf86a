// The running loop: delivery order, delays, wake-ups, exit and re-entry from
// inside a handler. Each test has its own looper so no test sees another's queue.
#include "LogCapture.h"
#include "RecordingHandler.h"
#include "TestMessages.h"

#include "messaging/HandlerThread.h"
#include "messaging/Message.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QtTest>

#include <atomic>
#include <thread>

class MessageLoopTest : public QObject
{
    Q_OBJECT

private slots:
    void immediateMessagesKeepSendOrder();
    void zeroDelayOvertakesDelayed();
    void idleLoopWakesForNewMessage();
    void nullTargetIsDeletedUndelivered();
    void exitEndsAfterMessageInHand_data();
    void exitEndsAfterMessageInHand();
    void handlerSendsAndRemovesFromInside();
    void destroyingHandlerWaitsForMessageInHand();
    void handlerMayDeleteItselfInside();
    void sharedInstanceIsCreatedOnceAndRuns();
};

void MessageLoopTest::immediateMessagesKeepSendOrder()
{
    HandlerThread loop;
    loop.start();
    RecordingHandler handler(&loop);
    QAtomicInt deletions;
    QStringList sent;
    for (int i = 0; i < 500; ++i) {
        sent << QString::number(1000 + i);
        Message *msg = labelled(&handler, 1, sent.last());
        countDeletion(msg, &deletions);
        handler.sendHandlerMessage(msg);
    }

    QTRY_COMPARE(handler.delivered().size(), sent.size());
    QCOMPARE(handler.delivered(), sent);
    QTRY_COMPARE(deletions.loadRelaxed(), int(sent.size())); // each is deleted after delivery
}

void MessageLoopTest::zeroDelayOvertakesDelayed()
{
    HandlerThread loop;
    loop.start();
    RecordingHandler handler(&loop);
    QElapsedTimer clock;
    QAtomicInteger<qint64> delayedAtMs(-1);
    handler.setHook([&](RecordingHandler *, Message *msg) {
        if (msg->text == "delayed")
            delayedAtMs.storeRelaxed(clock.elapsed());
    });

    clock.start();
    Message *delayed = labelled(&handler, 1, "delayed");
    handler.sendHandlerMessageDelayed(delayed, 200);
    handler.sendHandlerMessage(labelled(&handler, 1, "now"));

    // Nothing else is sent: the loop must wake by itself when the 200 ms are up.
    QTRY_COMPARE_WITH_TIMEOUT(handler.delivered().size(), 2, 10000);
    QCOMPARE(handler.delivered(), (QStringList{"now", "delayed"}));
    // Due times are whole milliseconds, so allow a little below 200, never much.
    QVERIFY2(delayedAtMs.loadRelaxed() >= 195, qPrintable(QString::number(delayedAtMs.loadRelaxed())));
}

void MessageLoopTest::idleLoopWakesForNewMessage()
{
    HandlerThread loop;
    loop.start();
    RecordingHandler handler(&loop);
    handler.sendEmptyHandlerMessage(1);
    QTRY_COMPARE(handler.delivered(), QStringList{"1"});
    QTest::qWait(100); // let the loop settle into its wait without limit

    handler.sendEmptyHandlerMessage(2);

    // Only the enqueue can wake a loop that waits without limit.
    QTRY_COMPARE(handler.delivered(), (QStringList{"1", "2"}));
}

void MessageLoopTest::nullTargetIsDeletedUndelivered()
{
    HandlerThread loop;
    loop.start();
    RecordingHandler handler(&loop);
    QAtomicInt deletions;
    Message *orphan = handler.obtainMessage(1);
    orphan->target = nullptr;
    countDeletion(orphan, &deletions);

    loop.enqueue(orphan);
    handler.sendEmptyHandlerMessage(2);

    QTRY_COMPARE(handler.delivered(), QStringList{"2"});
    QCOMPARE(deletions.loadRelaxed(), 1);
}

void MessageLoopTest::exitEndsAfterMessageInHand_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QList<int>>("delays"); // of the messages queued before exit()
    // Behind a message in hand even due messages wait; an idle loop gets only later ones.
    QTest::newRow("message in hand") << true << QList<int>{0, 0, 30, 60000};
    QTest::newRow("sleeping until a due time") << false << QList<int>{30000, 60000};
}

void MessageLoopTest::exitEndsAfterMessageInHand()
{
    QFETCH(bool, busy);
    QFETCH(QList<int>, delays);

    HandlerThread loop;
    loop.start();
    RecordingHandler handler(&loop);
    QSemaphore entered;
    QSemaphore gate;
    handler.setHook([&](RecordingHandler *, Message *msg) {
        if (msg->text == "in hand") {
            entered.release();
            gate.acquire();
        }
    });
    if (busy) {
        handler.sendHandlerMessage(labelled(&handler, 1, "in hand"));
        QVERIFY(entered.tryAcquire(1, 10000));
    }
    QAtomicInt deletions;
    for (int delay : delays) {
        Message *msg = labelled(&handler, 2, QStringLiteral("left %1").arg(delay));
        countDeletion(msg, &deletions);
        handler.sendHandlerMessageDelayed(msg, delay);
    }
    LogCapture log;

    loop.exit();
    gate.release();

    QVERIFY(loop.wait(10000));
    QCOMPARE(handler.delivered(), busy ? QStringList{"in hand"} : QStringList{});
    QCOMPARE(deletions.loadRelaxed(), int(delays.size()));
    QCOMPARE(loop.queuedCount(), 0);
    QCOMPARE(log.count("#LOOP# exit!"), 1);
}

void MessageLoopTest::handlerSendsAndRemovesFromInside()
{
    HandlerThread loop;
    loop.start();
    RecordingHandler a(&loop);
    RecordingHandler b(&loop);
    a.setHook([](RecordingHandler *self, Message *msg) {
        if (msg->what != 1)
            return;
        self->sendEmptyHandlerMessage(3, 50);
        self->sendEmptyHandlerMessage(4);
        self->removeHandlerMessages(3); // also reaches b's pending 3
        self->sendEmptyHandlerMessage(2, 300);
    });
    b.sendEmptyHandlerMessage(3, 150);
    a.sendEmptyHandlerMessage(1);

    // A surviving 3 would be due before the 2 and so show up ahead of it.
    QTRY_COMPARE_WITH_TIMEOUT(a.delivered(), (QStringList{"1", "4", "2"}), 10000);
    QVERIFY(b.delivered().isEmpty());
    QCOMPARE(loop.queuedCount(), 0);
}

void MessageLoopTest::destroyingHandlerWaitsForMessageInHand()
{
    HandlerThread loop;
    loop.start();
    auto *handler = new RecordingHandler(&loop);
    QSemaphore entered;
    QAtomicInt finished;
    handler->setHook([&](RecordingHandler *, Message *msg) {
        if (msg->what != 1)
            return;
        entered.release();
        QThread::msleep(150);
        finished.storeRelease(1);
    });
    handler->sendEmptyHandlerMessage(1);
    handler->sendEmptyHandlerMessage(2, 50); // queued behind: must die undelivered
    QVERIFY(entered.tryAcquire(1, 5000));

    delete handler; // returns only once the message in hand is done with it
    QCOMPARE(finished.loadAcquire(), 1);
    QCOMPARE(loop.queuedCount(), 0);
}

void MessageLoopTest::handlerMayDeleteItselfInside()
{
    HandlerThread loop;
    loop.start();
    auto *doomed = new RecordingHandler(&loop);
    std::atomic<bool> sent{false}; // the send call itself still touches the handler
    doomed->setHook([&sent](RecordingHandler *self, Message *) {
        while (!sent.load())
            std::this_thread::yield();
        delete self;
    });
    doomed->sendEmptyHandlerMessage(1);
    sent.store(true);

    // Had the destructor waited for its own delivery, the loop would be stuck.
    RecordingHandler witness(&loop);
    witness.sendEmptyHandlerMessage(2);
    QTRY_COMPARE(witness.delivered(), QStringList{"2"});
}

void MessageLoopTest::sharedInstanceIsCreatedOnceAndRuns()
{
    HandlerThread *shared = HandlerThread::instance();
    QVERIFY(shared);
    QCOMPARE(HandlerThread::instance(), shared);
    QVERIFY(shared->isRunning());

    RecordingHandler handler(shared);
    handler.sendEmptyHandlerMessage(1);
    QTRY_COMPARE(handler.delivered(), QStringList{"1"});
}

QTEST_GUILESS_MAIN(MessageLoopTest)
#include "tst_MessageLoop.moc"
