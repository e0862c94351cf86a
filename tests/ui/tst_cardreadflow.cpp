#include "FileBytes.h"
#include "LegacyCardFixture.h"
#include "LogCapture.h"
#include "PlaylistModels.h"
#include "TestWorkDir.h"
#include "app/DisplayParameters.h"
#include "card/CardReadJob.h"
#include "card/CardWriter.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"
#include "import/ProgressDialog.h"
#include "messaging/HandlerMessage.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/ReplyChannel.h"
#include "ui/CardReadFlow.h"
#include "ui/CustomTableModel.h"
#include "app/DisplayParametersNotifier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QMessageBox>
#include <QSemaphore>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <functional>
#include <memory>

namespace {

// Runs the reads on the looper as the window's handler does, optionally
// holding each until the test lets it go.
class ReadingHandler : public HandlerMessage
{
public:
    explicit ReadingHandler(std::function<void(std::unique_ptr<CardReadJob>)> over)
        : HandlerMessage(HandlerThread::instance())
    {
        connect(&replies, &ReplyChannel::received, this, [over](Message *msg) {
            const std::unique_ptr<Message> owned(msg);
            over(CardReadJob::takeFrom(msg));
        });
    }
    ~ReadingHandler() override
    {
        gate.release(1000);
        detachFromLooper();
    }
    void handlerMessage(Message *msg) override
    {
        if (holding)
            gate.acquire();
        if (Message *reply = CardReadJob::answer(*this, msg))
            replies.post(reply);
    }
    std::atomic<bool> holding{false};
    QSemaphore gate;

private:
    ReplyChannel replies;
};

// Plays the user's part in the modal boxes and the busy dialog.
class ModalDriver : public QObject
{
public:
    ModalDriver()
    {
        connect(&timer, &QTimer::timeout, this, &ModalDriver::step);
        timer.start(10);
    }
    QStringList texts;                  // every box seen, in order
    QList<QMessageBox::StandardButton> answers; // for questions, in order; OK when none is left
    std::function<void(ProgressDialog *)> onProgress;
    int progressSeen = 0;

private:
    void step()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            texts.append(box->text());
            const auto answer = answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
            box->button(box->standardButtons() & answer ? answer : QMessageBox::Ok)->click();
        } else if (auto *progress = qobject_cast<ProgressDialog *>(modal)) {
            if (seenDialog != progress) {
                seenDialog = progress;
                ++progressSeen;
                if (onProgress)
                    onProgress(progress);
            }
        }
    }
    QTimer timer;
    QPointer<ProgressDialog> seenDialog;
};

// LED line data of one byte everywhere but in the padding, as a conversion leaves it.
QByteArray ledData(char fill, int length)
{
    const int used = PolarSampling::lineBytes(112) * 450;
    return length > used ? QByteArray(used, fill) + QByteArray(length - used, '\0') : QByteArray(length, fill);
}

ImageObject *storedPicture(int index, char fill, int length)
{
    auto *picture = new ImageObject(index, QString(), 5, ImageObject::PictureFile);
    picture->setLedData(ledData(fill, length));
    picture->saveLedData();
    return picture;
}

} // namespace

class TestCardReadFlow : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QWidget window;
    std::unique_ptr<PlaylistModels> lists;
    CustomTableModel *pictures = nullptr;
    CustomTableModel *sequences = nullptr;
    std::unique_ptr<ReadingHandler> handler;
    std::unique_ptr<CardReadFlow> flow;
    QString stick;    // what the stick chooser answers
    QString cardFile; // what the card file chooser answers
    QStringList calls;
    QTranslator english;

    // The playlist the user had: two pictures and a sequence.
    QList<ImageObject *> fillPlaylist()
    {
        const QList<ImageObject *> before = {storedPicture(1, 'a', 1000), storedPicture(2, 'b', 1000)};
        pictures->appendItems({CustomTableItem(before[0]), CustomTableItem(before[1])});
        auto *sequence = new MediaObject(0, QStringLiteral("walk.gif"));
        sequence->appendFrame(storedPicture(1, 'c', 1000));
        sequences->appendItems({CustomTableItem(sequence)});
        return before;
    }

    static QList<QObject *> objects(const CustomTableModel &model) { return PlaylistModels::objects(model); }

    QString makeStick(const LegacyCardFixture *card, qint64 length = -1)
    {
        const QString folder = work.filePath(QStringLiteral("STICK"));
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        if (card)
            card->save(folder + QStringLiteral("/Z1.bin"), length);
        return folder;
    }

    static LegacyCardFixture smallCard(int leds, int lines)
    {
        LegacyCardFixture card(leds, lines);
        card.setPictures(3, 25);
        card.setSequence(2, 4, 3);
        return card;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }

    void init()
    {
        DisplayParameters::setLedCount(8);
        DisplayParameters::setLineCount(12);
        lists = std::make_unique<PlaylistModels>();
        pictures = &lists->pictures;
        sequences = &lists->sequences;
        handler = std::make_unique<ReadingHandler>([this](std::unique_ptr<CardReadJob> job) {
            calls.append(QStringLiteral("over"));
            flow->readOver(std::move(job));
        });
        calls.clear();
        CardReadFlow::Window hooks;
        hooks.chooseStick = [this] { return stick; };
        hooks.chooseCardFile = [this] { return cardFile; };
        hooks.stopPlayback = [this] { calls.append(QStringLiteral("stop")); };
        hooks.showPage = [this](int page) { calls.append(QStringLiteral("page %1").arg(page)); };
        hooks.readEnded = [this] { calls.append(QStringLiteral("ended")); };
        hooks.listsReplaced = [this] { calls.append(QStringLiteral("replaced")); };
        flow = std::make_unique<CardReadFlow>(pictures, sequences, handler.get(), &window, hooks);
    }

    void cleanup()
    {
        flow.reset();
        handler.reset();
        lists.reset();
        DisplayParameters::resetToDefaults();
    }

    void previewReplacesBothLists()
    {
        fillPlaylist();
        const LegacyCardFixture card = smallCard(8, 12);
        stick = makeStick(&card);
        ModalDriver driver;
        flow->previewFromUsb();
        QCOMPARE(driver.texts.size(), 1); // the question: the playlist was not empty
        QVERIFY(driver.texts.at(0).contains(QLatin1String("pictures: 2, sequences: 1")));
        QCOMPARE(calls, QStringList({"stop", "page 0", "over", "replaced", "ended"}));
        QCOMPARE(pictures->rowCount(), 3);
        QCOMPARE(sequences->rowCount(), 1);
        auto *second = qobject_cast<ImageObject *>(objects(*pictures).at(1));
        QCOMPARE(second->ledData(), card.pictureBlock(1));
        QCOMPARE(second->displayTime(), 5.0);
        auto *sequence = qobject_cast<MediaObject *>(objects(*sequences).at(0));
        QCOMPARE(sequence->index(), 2);
        QCOMPARE(sequence->loopCount(), 3);
        QCOMPARE(sequence->frameCount(), 4);
        QCOMPARE(sequence->frame(0)->thread(), QThread::currentThread());
        QVERIFY(!flow->stickReadOk());
        QVERIFY(!flow->progressDialog());
    }

    void nothingToReplaceAsksNothing()
    {
        const LegacyCardFixture card = smallCard(8, 12);
        stick = makeStick(&card);
        ModalDriver driver;
        flow->previewFromUsb();
        QVERIFY(driver.texts.isEmpty());
        QCOMPARE(pictures->rowCount(), 3);
    }

    void thePlaylistStays_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("told"); // empty: nothing is said
        QTest::newRow("no stick chosen") << "no stick" << "";
        QTest::newRow("no Z1.bin") << "no file" << "No effect of U disk file, please select another U disk!";
        QTest::newRow("the user keeps the playlist") << "cancel" << "";
        QTest::newRow("shorter than the header") << "short" << "shorter than its 120-byte header";
        QTest::newRow("blocks for another display") << "other display" << "holds no complete picture";
    }

    void thePlaylistStays()
    {
        QFETCH(QString, situation);
        QFETCH(QString, told);
        const QList<ImageObject *> before = fillPlaylist();
        const LegacyCardFixture card = smallCard(8, 12);
        const LegacyCardFixture large = smallCard(112, 450);
        stick = situation == QLatin1String("no stick")  ? QString()
                : situation == QLatin1String("no file") ? makeStick(nullptr)
                : situation == QLatin1String("short")   ? makeStick(&card, 119)
                : situation == QLatin1String("other display")
                    ? makeStick(&large, 120 + 20) // a header and too little for one block of 112 x 450
                    : makeStick(&card);
        DisplayParameters::setLedCount(situation == QLatin1String("other display") ? 112 : 8);
        DisplayParameters::setLineCount(situation == QLatin1String("other display") ? 450 : 12);
        ModalDriver driver;
        if (situation == QLatin1String("cancel"))
            driver.answers = {QMessageBox::Cancel};
        flow->previewFromUsb();
        QCOMPARE(objects(*pictures), QList<QObject *>({before[0], before[1]}));
        QCOMPARE(sequences->rowCount(), 1);
        QVERIFY(!calls.contains(QLatin1String("replaced")));
        if (told.isEmpty()) {
            QVERIFY(driver.texts.size() <= 1); // at most the question
        } else {
            QVERIFY(!driver.texts.isEmpty());
            QVERIFY2(driver.texts.last().contains(told), qPrintable(driver.texts.last()));
        }
    }

    void restoreSwitchesTheDisplayOnlyOnceRead_data()
    {
        QTest::addColumn<QString>("file"); // what default.bin is
        QTest::addColumn<bool>("switched");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("broken") << "broken" << false;
        QTest::newRow("read") << "good" << true;
    }

    void restoreSwitchesTheDisplayOnlyOnceRead()
    {
        QFETCH(QString, file);
        QFETCH(bool, switched);
        DisplayParameters::setLedCount(112);
        DisplayParameters::setLineCount(450);
        QSignalSpy announced(DisplayParametersNotifier::instance(), &DisplayParametersNotifier::changed);
        const QString path = work.filePath(QStringLiteral("default.bin"));
        QFile::remove(path);
        LegacyCardFixture factory(36, 360);
        factory.setPictures(2, 10);
        if (file == QLatin1String("good"))
            QVERIFY(factory.save(path));
        else if (file == QLatin1String("broken"))
            QVERIFY(writeFileBytes(path, "not a card"));

        fillPlaylist();
        LogCapture log;
        ModalDriver driver;
        flow->restoreFactory();
        QCOMPARE(DisplayParameters::ledCount(), switched ? 36 : 112);
        QCOMPARE(DisplayParameters::lineCount(), switched ? 360 : 450);
        // The status bar hears of every change: LED count first, then line count.
        QCOMPARE(announced.count(), switched ? 2 : 0);
        if (switched)
            QCOMPARE(announced.last(), QVariantList({36, 360}));
        QCOMPARE(pictures->rowCount(), 2);
        if (switched) {
            auto *picture = qobject_cast<ImageObject *>(objects(*pictures).at(0));
            QCOMPARE(picture->ledData(), factory.pictureBlock(0)); // 38880-byte blocks
            QCOMPARE(sequences->rowCount(), 0);
            QCOMPARE(log.count(QStringLiteral("#MainWindow# restoreFactoryOver")), 1);
            QVERIFY(log.lines().indexOf(QStringLiteral("#MainWindow# restoreFactoryOver 11111111111"))
                    < log.lines().indexOf(QStringLiteral("#MainWindow# restoreFactoryOver 22222222222")));
        } else {
            QCOMPARE(sequences->rowCount(), 1);
        }
        if (file == QLatin1String("missing")) {
            QCOMPARE(log.count(QStringLiteral("not find system ui file. ")), 1);
            QCOMPARE(driver.texts, QStringList({"The system default file does not exist!"}));
        }
    }

    void closingTheBusyDialogKeepsThePlaylist()
    {
        const QList<ImageObject *> before = fillPlaylist();
        const LegacyCardFixture card = smallCard(8, 12);
        stick = makeStick(&card);
        handler->holding = true; // the read is still going on when the user closes the dialog
        ModalDriver driver;
        driver.onProgress = [this](ProgressDialog *dialog) {
            QVERIFY(flow->stickReadOk());
            dialog->reject();
        };
        flow->previewFromUsb();
        QVERIFY(!flow->stickReadOk());
        handler->gate.release();
        QTRY_VERIFY(calls.contains(QLatin1String("over")));
        QCOMPARE(objects(*pictures), QList<QObject *>({before[0], before[1]}));
        QCOMPARE(sequences->rowCount(), 1);
        QCOMPARE(calls.count(QLatin1String("ended")), 1);
    }

    void aLateReplyIsNotTakenForTheNextRead()
    {
        fillPlaylist();
        LegacyCardFixture first = smallCard(8, 12);
        stick = makeStick(&first);
        handler->holding = true;
        ModalDriver driver;
        driver.onProgress = [](ProgressDialog *dialog) { dialog->reject(); };
        flow->previewFromUsb(); // closed while its read is held

        LegacyCardFixture second(8, 12);
        second.setPictures(1, 50);
        stick = makeStick(&second);
        driver.onProgress = [this](ProgressDialog *) {
            handler->holding = false;
            handler->gate.release(); // the first read goes on, then the second
        };
        flow->previewFromUsb();
        QCOMPARE(calls.count(QLatin1String("over")), 2);
        QCOMPARE(pictures->rowCount(), 1);
        QCOMPARE(qobject_cast<ImageObject *>(objects(*pictures).at(0))->ledData(), second.pictureBlock(0));
        QCOMPARE(sequences->rowCount(), 0);
    }

    void openCardWrittenHere_data()
    {
        QTest::addColumn<int>("leds"); // the display when the card is opened
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("same display") << 112 << QMessageBox::Ok << true;
        QTest::newRow("other display, switch") << 200 << QMessageBox::Ok << true;
        QTest::newRow("other display, keep") << 200 << QMessageBox::Cancel << false;
    }

    void openCardWrittenHere()
    {
        QFETCH(int, leds);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, opened);
        DisplayParameters::setLedCount(112);
        DisplayParameters::setLineCount(450);
        const QList<ImageObject *> written = {storedPicture(1, '\x44', PolarSampling::minimumLength),
                                              storedPicture(2, '\x10', PolarSampling::minimumLength)};
        cardFile = work.filePath(QStringLiteral("show.bin"));
        QVERIFY(CardWriter().write(written, {}, cardFile).complete());
        qDeleteAll(written);

        DisplayParameters::setLedCount(leds);
        ModalDriver driver;
        driver.answers = {answer};
        flow->openCard();
        QCOMPARE(driver.texts.size(), leds == 112 ? 0 : 1);
        QCOMPARE(pictures->rowCount(), opened ? 2 : 0);
        QCOMPARE(DisplayParameters::ledCount(), opened ? 112 : leds);
        if (opened) {
            auto *picture = qobject_cast<ImageObject *>(objects(*pictures).at(1));
            QCOMPARE(picture->ledData(), ledData('\x10', PolarSampling::minimumLength));
            QCOMPARE(picture->type(), int(ImageObject::CardPicture));
        }
    }

    void oneQuestionForTheSwitchAndTheReplacement()
    {
        const QList<ImageObject *> written = {storedPicture(1, '\x44', PolarSampling::minimumLength)};
        cardFile = work.filePath(QStringLiteral("one.bin"));
        DisplayParameters::setLedCount(112);
        DisplayParameters::setLineCount(450);
        QVERIFY(CardWriter().write(written, {}, cardFile).complete());
        qDeleteAll(written);
        fillPlaylist();
        DisplayParameters::setLedCount(36);
        ModalDriver driver;
        flow->openCard();
        QCOMPARE(driver.texts.size(), 1);
        QVERIFY(driver.texts.at(0).contains(QLatin1String("Switch to 112 LEDs and 450 lines")));
        QVERIFY(driver.texts.at(0).contains(QLatin1String("It replaces the playlist (pictures: 2, sequences: 1)")));
        QCOMPARE(pictures->rowCount(), 1);
        QCOMPARE(DisplayParameters::ledCount(), 112);
    }

    void openCardRefusesWhatIsNotACard()
    {
        fillPlaylist();
        cardFile = work.filePath(QStringLiteral("notes.bin"));
        QVERIFY(writeFileBytes(cardFile, QByteArray(5000, 'x')));
        ModalDriver driver;
        flow->openCard();
        QCOMPARE(driver.texts.size(), 1);
        QVERIFY(driver.texts.at(0).contains(QLatin1String("no card markers")));
        QCOMPARE(pictures->rowCount(), 2);
        QVERIFY(!calls.contains(QLatin1String("page 0"))); // refused before any read started
    }
};

QTEST_MAIN(TestCardReadFlow)
#include "tst_cardreadflow.moc"
