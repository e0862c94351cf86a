#include "TestWorkDir.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/ShowPlayer.h"
#include "display/ShowSchedule.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// A playlist of records without scratch files; owns them.
struct Playlist {
    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;
    ~Playlist()
    {
        qDeleteAll(pictures);
        qDeleteAll(sequences);
    }
    ImageObject *picture(double seconds)
    {
        pictures.append(new ImageObject(int(pictures.size()) + 1, QString(), seconds, ImageObject::PictureFile));
        return pictures.last();
    }
    MediaObject *sequence(int frames, int loops)
    {
        auto *media = new MediaObject(int(sequences.size()), QString());
        media->setLoopCount(loops);
        for (int f = 0; f < frames; ++f)
            media->appendFrame(new ImageObject(f + 1, QString(), 10, ImageObject::GifFrame));
        sequences.append(media);
        return media;
    }
};

struct Seen {
    ImageObject *record;
    int durationMs;
};

std::vector<Seen> walk(const ShowSchedule &schedule, int steps)
{
    std::vector<Seen> seen;
    ShowSchedule::Step step = schedule.first();
    for (int i = 0; i < steps; ++i, step = schedule.next(step))
        seen.push_back({schedule.record(step), schedule.durationMs(step)});
    return seen;
}

} // namespace

class TestShowSchedule : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

private slots:
    void playsInCardOrderWithCardTimes()
    {
        Playlist list;
        ImageObject *five = list.picture(5);
        ImageObject *half = list.picture(2.55); // the card keeps tenths: 2.5 s
        list.picture(0.05);                     // time byte 0: not shown
        ImageObject *long_ = list.picture(40);  // at most 25.5 s on the card
        MediaObject *three = list.sequence(3, 2);
        list.sequence(2, 0); // loop count 0: not shown
        list.sequence(0, 4); // no frames
        MediaObject *one = list.sequence(1, 1);

        const ShowSchedule schedule(list.pictures, list.sequences);
        QCOMPARE(schedule.itemList().size(), 5);
        const std::vector<Seen> seen = walk(schedule, 11);
        const std::vector<std::pair<ImageObject *, int>> expected = {
            {five, 5000},           {half, 2500},           {long_, 25500},
            {three->frame(0), 200}, {three->frame(1), 200}, {three->frame(2), 200},
            {three->frame(0), 200}, {three->frame(1), 200}, {three->frame(2), 200},
            {one->frame(0), 200},   {five, 5000}, // and again from the start
        };
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(seen[i].record, expected[i].first);
            QCOMPARE(seen[i].durationMs, expected[i].second);
        }
        QCOMPARE(schedule.itemList().at(3).kind, ShowSchedule::Item::Sequence);
        QCOMPARE(schedule.itemList().at(3).row, 0);
        QCOMPARE(schedule.itemList().at(4).row, 3);
    }

    void onlyTheEntriesTheCardLists()
    {
        Playlist list;
        for (int i = 0; i < 499; ++i)
            list.picture(1);
        list.sequence(2, 1);
        list.sequence(2, 1); // entry 501: not in the card's table
        const ShowSchedule schedule(list.pictures, list.sequences);
        QCOMPARE(schedule.itemList().size(), 500);
        QCOMPARE(schedule.itemList().last().kind, ShowSchedule::Item::Sequence);
    }

    void nothingToShow()
    {
        Playlist list;
        list.picture(0);
        list.sequence(0, 3);
        ShowPlayer player;
        QSignalSpy shown(&player, &ShowPlayer::recordShown);
        QVERIFY(!player.start(list.pictures, list.sequences));
        QVERIFY(!player.isPlaying());
        QCOMPARE(shown.count(), 0);
    }

    void playerShowsEachStepAndHighlightsItems()
    {
        Playlist list;
        ImageObject *picture = list.picture(0.1);
        MediaObject *sequence = list.sequence(2, 2);
        ShowPlayer player;
        QSignalSpy items(&player, &ShowPlayer::itemChanged);
        QSignalSpy shown(&player, &ShowPlayer::recordShown);
        QVERIFY(player.start(list.pictures, list.sequences));
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 6, 10000);
        player.stop();
        const QList<ImageObject *> expected = {picture, sequence->frame(0), sequence->frame(1),
                                               sequence->frame(0), sequence->frame(1), picture};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(shown.at(i).at(0).value<ImageObject *>(), expected.at(i));
        // One highlight per item shown, not per frame.
        QCOMPARE(items.at(0), QVariantList({int(ShowSchedule::Item::Picture), 0}));
        QCOMPARE(items.at(1), QVariantList({int(ShowSchedule::Item::Sequence), 0}));
        QCOMPARE(items.at(2), QVariantList({int(ShowSchedule::Item::Picture), 0}));
        const int count = int(shown.count());
        QTest::qWait(400);
        QCOMPARE(shown.count(), count); // stopped means stopped
    }

    void aDeletedRecordEndsTheShow()
    {
        Playlist list;
        list.picture(0.1);
        list.picture(0.1);
        ShowPlayer player;
        QSignalSpy stopped(&player, &ShowPlayer::stopped);
        QVERIFY(player.start(list.pictures, list.sequences));
        delete list.pictures.takeLast();
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
        QVERIFY(!player.isPlaying());
    }
};

QTEST_MAIN(TestShowSchedule)
#include "tst_showschedule.moc"
