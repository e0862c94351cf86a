#include "PlaylistModels.h"
#include "TestWorkDir.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/CustomTableModel.h"
#include "ui/ShowFlow.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

class TestShowFlow : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QWidget window;
    std::unique_ptr<PlaylistModels> lists;
    CustomTableModel *pictures = nullptr;
    CustomTableModel *sequences = nullptr;
    std::unique_ptr<ShowFlow> flow;
    QList<QRgb> previews;  // the colour of each preview shown
    QStringList events;

private slots:
    void init()
    {
        lists = std::make_unique<PlaylistModels>();
        pictures = &lists->pictures;
        sequences = &lists->sequences;
        previews.clear();
        events.clear();
        ShowFlow::Window hooks;
        hooks.showPreview = [this](const QImage &picture) { previews.append(picture.pixel(0, 0)); };
        hooks.highlight = [this](int kind, int row) { events.append(QStringLiteral("row %1 %2").arg(kind).arg(row)); };
        hooks.stopSequencePlayback = [this] { events.append(QStringLiteral("sequence stopped")); };
        hooks.playingChanged = [this](bool on) { events.append(on ? QStringLiteral("on") : QStringLiteral("off")); };
        flow = std::make_unique<ShowFlow>(pictures, sequences, &window, hooks);
    }

    void cleanup()
    {
        flow.reset();
        lists.reset();
    }

    void playsBothListsAndHighlightsTheRows()
    {
        pictures->appendItems({CustomTableItem(PlaylistModels::colouredPicture(0.1, 0xFFFF0000)),
                               CustomTableItem(PlaylistModels::colouredPicture(0.1, 0xFF00FF00))});
        auto *sequence = new MediaObject(0, QString());
        sequence->appendFrame(PlaylistModels::colouredPicture(10, 0xFF0000FF));
        sequence->appendFrame(PlaylistModels::colouredPicture(10, 0xFFFFFFFF));
        sequences->appendItems({CustomTableItem(sequence)});

        flow->toggle();
        QVERIFY(flow->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(previews.size() >= 5, 10000);
        flow->toggle();
        QVERIFY(!flow->isPlaying());
        QCOMPARE(previews.mid(0, 5), QList<QRgb>({0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFFFF0000}));
        QCOMPARE(events.mid(0, 5), QStringList({"sequence stopped", "row 0 0", "on", "row 0 1", "row 1 0"}));
        QCOMPARE(events.last(), QStringLiteral("off"));
    }

    void removingARowEndsTheShow()
    {
        pictures->appendItems({CustomTableItem(PlaylistModels::colouredPicture(5, 0xFFFF0000)),
                               CustomTableItem(PlaylistModels::colouredPicture(5, 0xFF00FF00))});
        flow->play();
        QVERIFY(flow->isPlaying());
        pictures->delRow(1, 1);
        QVERIFY(!flow->isPlaying());
        QCOMPARE(events.last(), QStringLiteral("off"));
    }

    void nothingToShowIsSaid()
    {
        pictures->appendItems({CustomTableItem(PlaylistModels::colouredPicture(0, 0xFFFF0000))});
        QString told;
        QTimer::singleShot(0, this, [&told] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                told = box->text();
                box->accept();
            }
        });
        flow->play();
        QVERIFY(!flow->isPlaying());
        QVERIFY(told.contains(QLatin1String("nothing the display would show")));
        QVERIFY(!events.contains(QLatin1String("on")));
    }
};

QTEST_MAIN(TestShowFlow)
#include "tst_showflow.moc"
