// The card reader and the show as the window offers them.
#include "FakeStick.h"
#include "PlaylistModels.h"
#include "LegacyCardFixture.h"
#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBox>
#include <QTranslator>

namespace {

// Picks the first stick and answers OK to every question, and notes every
// dialog shown, however briefly (a fast read may close its busy dialog
// before the next look at the screen).
class UserAtTheDialogs : public QObject
{
public:
    UserAtTheDialogs()
    {
        qApp->installEventFilter(this);
        connect(&timer, &QTimer::timeout, this, [] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (QString::fromLatin1(modal->metaObject()->className()) == QLatin1String("SelectUsbPathDialog"))
                modal->findChild<QPushButton *>(QStringLiteral("okBut"))->click();
            else if (auto *box = qobject_cast<QMessageBox *>(modal))
                box->button(box->standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::NoButton)
                    ->click();
        });
        timer.start(10);
    }
    QStringList seen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal()) {
            const QString kind = QString::fromLatin1(widget->metaObject()->className());
            if (seen.isEmpty() || seen.last() != kind)
                seen.append(kind);
        }
        return false;
    }

private:
    QTimer timer;
};


} // namespace

class TestMainWindowCards : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QTranslator english;

private slots:
    void initTestCase()
    {
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }
    void cleanup() { DisplayParameters::resetToDefaults(); }

    void theToolsMenuOffersThem()
    {
        FakeStick sticks;
        MainWindow window(sticks.volumeSource());
        const MainWindowForm &ui = window.form();
        for (QAction *action : {ui.actionPreview, ui.actionDefault, ui.actionOpenCard, ui.actionPlayShow}) {
            QVERIFY(action->isEnabled());
            QVERIFY(ui.toolsMenu->actions().contains(action));
        }
        QCOMPARE(ui.actionPreview->text(), QStringLiteral("Preview"));
        QCOMPARE(ui.actionDefault->text(), QStringLiteral("Reset"));
        QCOMPARE(ui.actionPlayShow->text(), QStringLiteral("Play show"));
    }

    void previewFromAStick()
    {
        FakeStick sticks;
        const QString stick = sticks.mount(QStringLiteral("CARDS"));
        DisplayParameters::setLedCount(8);
        DisplayParameters::setLineCount(12);
        LegacyCardFixture card(8, 12);
        card.setPictures(2, 25);
        card.setSequence(1, 3, 4);
        QVERIFY(card.save(stick + QStringLiteral("/Z1.bin")));

        MainWindow window(sticks.volumeSource());
        window.pictureModel()->appendNumbered(PlaylistModels::colouredPicture(5, 0xFF123456));
        UserAtTheDialogs user;
        window.form().actionPreview->trigger();
        QCOMPARE(user.seen, QStringList({"SelectUsbPathDialog", "QMessageBox", "ProgressDialog"}));
        QCOMPARE(window.pictureList().size(), 2);
        QCOMPARE(window.pictureList().at(1)->ledData(), card.pictureBlock(1));
        QCOMPARE(window.sequenceList().size(), 1);
        QCOMPARE(window.sequenceList().at(0)->loopCount(), 4);
        QVERIFY(!window.form().btnDelImage->isEnabled());
        QVERIFY(!window.form().btnDelMedia->isEnabled());
        QCOMPARE(window.form().toolBox->currentIndex(), 0);
    }

    void theStatusBarFollowsTheDisplay()
    {
        FakeStick sticks;
        MainWindow window(sticks.volumeSource());
        QCOMPARE(window.form().lineLabel->text(), QStringLiteral(" LINE:450"));
        LegacyCardFixture factory(36, 360);
        factory.setPictures(1, 25);
        QVERIFY(factory.save(work.filePath(QStringLiteral("default.bin"))));
        UserAtTheDialogs user;
        window.form().actionDefault->trigger();
        QCOMPARE(window.pictureList().size(), 1);
        QCOMPARE(window.form().lineLabel->text(), QStringLiteral(" LINE:360"));
        QCOMPARE(window.form().ledLabel->text(), QStringLiteral(" LED:36"));
        DisplayParameters::setLedCount(64); // any change, from anywhere
        QCOMPARE(window.form().ledLabel->text(), QStringLiteral(" LED:64"));
    }

    void playShowHighlightsWhatItShows()
    {
        FakeStick sticks;
        MainWindow window(sticks.volumeSource());
        window.resize(1000, 700);
        window.show();
        window.pictureModel()->appendNumbered(PlaylistModels::colouredPicture(0.1, 0xFFFF0000));
        auto *sequence = new MediaObject(0, QString());
        sequence->appendFrame(PlaylistModels::colouredPicture(10, 0xFF00FF00));
        window.sequenceModel()->appendItems({CustomTableItem(sequence)});
        const MainWindowForm &ui = window.form();

        ui.actionPlayShow->trigger();
        QCOMPARE(ui.actionPlayShow->text(), QStringLiteral("Stop show"));
        QVERIFY(ui.btnStop->isVisible());
        QVERIFY(!ui.btnPlay->isVisible());
        QCOMPARE(ui.tableView->currentIndex().row(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(ui.toolBox->currentIndex(), 1, 5000); // on to the sequence
        QCOMPARE(ui.tableViewMedia->currentIndex().row(), 0);
        QVERIFY(ui.tableViewMedia->selectionModel()->isRowSelected(0, QModelIndex()));
        QTRY_COMPARE_WITH_TIMEOUT(ui.toolBox->currentIndex(), 0, 5000); // and round again

        QTest::mouseClick(ui.btnStop, Qt::LeftButton);
        QCOMPARE(ui.actionPlayShow->text(), QStringLiteral("Play show"));
        QVERIFY(!ui.btnStop->isVisible());
        // The row it ended on is the chosen one now: Del acts on it.
        QVERIFY(ui.toolBox->currentIndex() == 0 ? ui.btnDelImage->isEnabled() : ui.btnDelMedia->isEnabled());
        const int page = ui.toolBox->currentIndex();
        QTest::qWait(400);
        QCOMPARE(ui.toolBox->currentIndex(), page); // stopped

        // Choosing a row ends the show as it ends a sequence's playback.
        ui.actionPlayShow->trigger();
        QCOMPARE(ui.actionPlayShow->text(), QStringLiteral("Stop show"));
        ui.toolBox->setCurrentIndex(1);
        QTest::mouseClick(ui.tableViewMedia->viewport(), Qt::LeftButton, {},
                          ui.tableViewMedia->visualRect(ui.tableViewMedia->model()->index(0, 0)).center());
        QCOMPARE(ui.actionPlayShow->text(), QStringLiteral("Play show"));
        QVERIFY(ui.btnPlay->isVisible()); // the chosen sequence can be played
    }
};

QTEST_MAIN(TestMainWindowCards)
#include "tst_mainwindowcards.moc"
