// Reports from another thread reach the channel's thread in order, and a
// report nobody received is freed with the channel.
#include "RecordingHandler.h"
#include "TestMessages.h"

#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/ReplyChannel.h"

#include <QAtomicInt>
#include <QtTest>

#include <memory>
#include <thread>

class ReplyChannelTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsArriveInPostOrder();
    void unreceivedReportsAreFreed_data();
    void unreceivedReportsAreFreed();
};

void ReplyChannelTest::reportsArriveInPostOrder()
{
    HandlerThread loop;
    RecordingHandler handler(&loop);
    ReplyChannel channel;
    QStringList received;
    connect(&channel, &ReplyChannel::received, this, [&](Message *msg) {
        QCOMPARE(QThread::currentThread(), thread());
        received << msg->text;
        delete msg; // the slot owns it
    });

    std::thread poster([&] {
        for (int i = 0; i < 50; ++i)
            channel.post(labelled(&handler, 7, QString::number(i)));
    });
    poster.join();

    QTRY_COMPARE(received.size(), 50);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(received.at(i), QString::number(i));
    QCOMPARE(channel.pendingCount(), 0);
}

void ReplyChannelTest::unreceivedReportsAreFreed_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("eventLoopRuns");
    QTest::newRow("receiver gone before delivery") << true << false;
    QTest::newRow("no receiver connected") << false << true;
}

void ReplyChannelTest::unreceivedReportsAreFreed()
{
    QFETCH(bool, connected);
    QFETCH(bool, eventLoopRuns);

    HandlerThread loop;
    RecordingHandler handler(&loop);
    QAtomicInt deletions;
    auto channel = std::make_unique<ReplyChannel>();
    int received = 0;
    if (connected)
        connect(channel.get(), &ReplyChannel::received, this, [&](Message *msg) { ++received; delete msg; });

    std::thread poster([&] {
        for (int i = 0; i < 3; ++i) {
            Message *msg = labelled(&handler, 8, QString::number(i));
            countDeletion(msg, &deletions);
            channel->post(msg);
        }
    });
    poster.join();
    if (eventLoopRuns)
        QTRY_COMPARE(deletions.loadRelaxed(), 3);
    channel.reset();

    QCOMPARE(received, 0);
    QCOMPARE(deletions.loadRelaxed(), 3);
}

QTEST_GUILESS_MAIN(ReplyChannelTest)
#include "tst_ReplyChannel.moc"
