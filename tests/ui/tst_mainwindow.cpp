#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PlayMediaHandler.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "ui/CustomTableModel.h"
#include "ui/ImageObjectWidget.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"
#include "ui/MediaObjectWidget.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadGifDialog.h"

#include "GifWriter.h"
#include "TestWorkDir.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QToolBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

QImage solid(QRgb colour)
{
    QImage picture(450, 450, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

ImageObject *picture(int index, int type = ImageObject::PictureFile, double seconds = 5, QRgb colour = 0)
{
    auto *image = new ImageObject(index, QString(), seconds, type);
    image->setPreviewImage(solid(colour | 0xFF000000u));
    return image;
}

// A row editor's control, by its object name.
template<typename T>
T *child(QWidget *editor, const char *name)
{
    return editor->findChild<T *>(QLatin1String(name));
}

// The colour at the centre of the preview area's background.
QRgb previewColour(const MainWindow &window)
{
    const QBrush brush = window.form().previewWidget->palette().brush(QPalette::Window);
    if (brush.textureImage().isNull())
        return brush.color().rgb();
    return brush.textureImage().pixel(225, 225);
}

// Records every preview picture shown, by its centre colour.
class PreviewRecorder : public QObject
{
public:
    explicit PreviewRecorder(const MainWindow &window) : window(window)
    {
        window.form().previewWidget->installEventFilter(this);
    }
    QList<QRgb> shown;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            shown.append(previewColour(window));
        return false;
    }

private:
    const MainWindow &window;
};

// Answers the next modal dialog: returns its message text (for message boxes) and closes it.
class ModalCloser : public QObject
{
public:
    ModalCloser()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                text = box->text();
            if (qobject_cast<LoadGifDialog *>(modal))
                return; // it ends by itself after its last frame
            if (auto *crop = qobject_cast<GetImgeLocationDialog *>(modal)) {
                crop->onBtnOk();
                return;
            }
            className = modal->metaObject()->className();
            timer.stop();
            qobject_cast<QDialog *>(modal)->reject();
        });
        timer.start(20);
    }
    QString text;
    QString className;

private:
    QTimer timer;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    QTranslator english;

    static ImageObjectWidget *openImageEditor(MainWindow &window, int row)
    {
        const QModelIndex index = window.pictureModel()->index(row, 0);
        window.form().tableView->openPersistentEditor(index);
        return qobject_cast<ImageObjectWidget *>(window.form().tableView->indexWidget(index));
    }

    static MediaObjectWidget *openMediaEditor(MainWindow &window, int row)
    {
        const QModelIndex index = window.sequenceModel()->index(row, 0);
        window.form().tableViewMedia->openPersistentEditor(index);
        return qobject_cast<MediaObjectWidget *>(window.form().tableViewMedia->indexWidget(index));
    }

    static MediaObject *sequence(const QList<QRgb> &colours)
    {
        auto *media = new MediaObject(0, QStringLiteral("clip.gif"));
        for (int i = 0; i < colours.size(); ++i)
            media->appendFrame(picture(i + 1, ImageObject::GifFrame, 10, colours.at(i)));
        return media;
    }

private slots:
    void initTestCase()
    {
        // The file dialogs keep their last folder in the user's settings: not in ours.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
        QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
        QCoreApplication::installTranslator(&english);
    }

    void reorderingMovesTheOthers()
    {
        MainWindow window;
        QList<ImageObject *> images;
        for (int i = 1; i <= 6; ++i) {
            images.append(picture(i));
            window.pictureModel()->appendItems({CustomTableItem(images.last())});
        }
        window.onImageIndexChanged(images.at(1), 2, 5);
        QCOMPARE(images.at(1)->index(), 5);
        QCOMPARE(images.at(2)->index(), 2);
        QCOMPARE(images.at(3)->index(), 3);
        QCOMPARE(images.at(4)->index(), 4);
        QCOMPARE(images.at(5)->index(), 6);
        const QList<ImageObject *> shown = window.pictureList();
        QCOMPARE(shown, (QList<ImageObject *>{images[0], images[2], images[3], images[4], images[1], images[5]}));

        window.onImageIndexChanged(images.at(0), 1, 9); // beyond the largest index
        QCOMPARE(images.at(0)->index(), 6);
        QCOMPARE(window.pictureList().last(), images.at(0));
        QCOMPARE(window.pictureList().first()->index(), 1);

        window.onImageIndexChanged(images.at(0), 6, 1); // and back up
        QCOMPARE(window.pictureList().first(), images.at(0));
        QList<int> order;
        for (ImageObject *image : window.pictureList())
            order.append(image->index());
        QCOMPARE(order, (QList<int>{1, 2, 3, 4, 5, 6}));
    }

    void holdingStepsTheValue_data()
    {
        QTest::addColumn<bool>("sequenceRow");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("expected");
        // The values the edit shows one after the other; the last one then stays.
        QTest::newRow("time up to the ceiling") << false << true << "99.9" << QStringList{"100.1", "100"};
        QTest::newRow("time down to the floor") << false << false << "0.5" << QStringList{"0.3", "0.1", "0.2"};
        QTest::newRow("loops up to 255") << true << true << "254" << QStringList{"255"};
        QTest::newRow("loops down to 1") << true << false << "2" << QStringList{"1"};
    }

    void holdingStepsTheValue()
    {
        QFETCH(bool, sequenceRow);
        QFETCH(bool, up);
        QFETCH(QString, start);
        QFETCH(QStringList, expected);
        MainWindow window;
        QLineEdit *edit = nullptr;
        QPushButton *button = nullptr;
        if (sequenceRow) {
            MediaObject *media = sequence({0xFF0000});
            media->setLoopCount(start.toInt());
            window.addSequence(media);
            MediaObjectWidget *editor = openMediaEditor(window, 0);
            QVERIFY(editor);
            edit = child<QLineEdit>(editor, "loopEdit");
            button = child<QPushButton>(editor, up ? "addButton" : "delButton");
        } else {
            window.pictureModel()->appendItems({CustomTableItem(picture(1, 0, start.toDouble()))});
            ImageObjectWidget *editor = openImageEditor(window, 0);
            QVERIFY(editor);
            edit = child<QLineEdit>(editor, "timeEdit");
            button = child<QPushButton>(editor, up ? "addButton" : "delButton");
        }
        QSignalSpy written(edit, &QLineEdit::textChanged);
        emit button->pressed();
        QTRY_VERIFY_WITH_TIMEOUT(written.count() >= expected.size(), 5000);
        QTest::qWait(3 * MainWindow::stepIntervalMs); // more steps while held change nothing
        emit button->released();
        QStringList values;
        for (const QList<QVariant> &signal : written)
            values.append(signal.at(0).toString());
        QCOMPARE(values, expected);
    }

    void pressAndReleaseStepsOnce()
    {
        MainWindow window;
        auto *image = picture(1, 0, 5);
        window.pictureModel()->appendItems({CustomTableItem(image)});
        ImageObjectWidget *editor = openImageEditor(window, 0);
        QVERIFY(editor);
        emit child<QPushButton>(editor, "addButton")->pressed();
        emit child<QPushButton>(editor, "addButton")->released();
        QTRY_COMPARE(child<QLineEdit>(editor, "timeEdit")->text(), QStringLiteral("5.2"));
        QTest::qWait(3 * MainWindow::stepIntervalMs);
        QCOMPARE(image->displayTime(), 5.2);
        QCOMPARE(child<QLineEdit>(editor, "timeEdit")->text(), QStringLiteral("5.2"));
    }

    void stepsForGoneEditorsAreDropped()
    {
        MainWindow window;
        auto *image = picture(1, 0, 5);
        window.pictureModel()->appendItems({CustomTableItem(image)});
        ImageObjectWidget *editor = openImageEditor(window, 0);
        QVERIFY(editor);

        Message *released = window.handler()->obtainMessage(WhatCode::TimeUp, editor); // no press: a step that arrives after the release
        window.handlerMessage(released);
        QCOMPARE(image->displayTime(), 5.0);

        window.form().tableView->closePersistentEditor(window.pictureModel()->index(0, 0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Message *stale = window.handler()->obtainMessage(WhatCode::TimeUp, editor); // the editor is gone
        window.handlerMessage(stale);
        QCOMPARE(image->displayTime(), 5.0);
    }

    void playbackLoopsAndStops()
    {
        MainWindow window;
        const QList<QRgb> colours = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
        window.addSequence(sequence({0xFF0000, 0x00FF00, 0x0000FF}));
        window.pressMediaWidget(window.sequenceModel()->index(0, 0));
        QVERIFY(!window.form().btnPlay->isHidden());
        QCOMPARE(previewColour(window), colours.at(0));

        PreviewRecorder recorder(window);
        window.onBtnPlayClick();
        QVERIFY(window.playing());
        QVERIFY(window.form().btnPlay->isHidden());
        QVERIFY(!window.form().btnStop->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(recorder.shown.size() >= 4, 5000);
        QCOMPARE(recorder.shown.mid(0, 4), (QList<QRgb>{colours[0], colours[1], colours[2], colours[0]}));

        window.onBtnStopClick();
        QVERIFY(!window.playing());
        const int shownAtStop = int(recorder.shown.size());
        QTest::qWait(3 * MainWindow::frameIntervalMs);
        QCOMPARE(recorder.shown.size(), shownAtStop);
        QVERIFY(!window.form().btnPlay->isHidden());
        QVERIFY(window.form().btnStop->isHidden());
    }

    void lateTicksAreDropped()
    {
        MainWindow window;
        window.addSequence(sequence({0xFF0000, 0x00FF00}));
        window.pressMediaWidget(window.sequenceModel()->index(0, 0));
        window.onBtnPlayClick();
        window.onBtnStopClick();
        PreviewRecorder recorder(window);
        Message *tick = window.handler()->obtainMessage(WhatCode::FrameTick, window.selectedSequence(),
                                                         QStringLiteral("1"));
        window.handlerMessage(tick); // was already on its way when stop was pressed
        QVERIFY(recorder.shown.isEmpty());

        window.onBtnPlayClick(); // a second play must not run two tick chains
        Message *old = window.handler()->obtainMessage(WhatCode::FrameTick, window.selectedSequence(),
                                                        QStringLiteral("1"));
        window.handlerMessage(old);
        QVERIFY(recorder.shown.isEmpty());
        window.onBtnStopClick();
    }

    void emptySequenceDoesNotPlay()
    {
        MainWindow window;
        window.addSequence(new MediaObject(0, QStringLiteral("empty.gif")));
        window.pressMediaWidget(window.sequenceModel()->index(0, 0));
        QVERIFY(window.form().btnPlay->isHidden());
        window.onBtnPlayClick();
        QVERIFY(!window.playing());
        QVERIFY(window.form().btnDelMedia->isEnabled());
    }

    void buttonsFollowThePictureType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("editable");
        QTest::newRow("imported picture") << int(ImageObject::PictureFile) << true;
        QTest::newRow("drawn picture") << int(ImageObject::DiyPicture) << true;
        QTest::newRow("picture from a card") << int(ImageObject::CardPicture) << false;
    }

    void buttonsFollowThePictureType()
    {
        QFETCH(int, type);
        QFETCH(bool, editable);
        MainWindow window;
        QVERIFY(!window.form().btnEditImage->isEnabled());
        QVERIFY(!window.form().btnDelImage->isEnabled());
        window.pictureModel()->appendItems({CustomTableItem(picture(1, type, 5, 0x123456))});
        window.pressImageWidget(window.pictureModel()->index(0, 0));
        QCOMPARE(window.form().btnEditImage->isEnabled(), editable);
        QVERIFY(window.form().btnDelImage->isEnabled());
        QCOMPARE(previewColour(window), QRgb(0xFF123456u));

        window.pressImageWidget(QModelIndex());
        QVERIFY(!window.form().btnEditImage->isEnabled());
        QVERIFY(!window.form().btnDelImage->isEnabled());
        QCOMPARE(previewColour(window), QRgb(0xFFFFFFFFu));
    }

    void pictureLimit()
    {
        MainWindow window;
        for (int i = 1; i < MainWindow::pictureLimit; ++i)
            window.pictureModel()->appendItems({CustomTableItem(picture(i))});
        {
            ModalCloser closer; // 49 listed: the file chooser opens
            window.onActionOpenImage();
            QVERIFY(closer.className.contains(QLatin1String("FileDialog")));
        }
        window.pictureModel()->appendItems({CustomTableItem(picture(50))});
        ModalCloser closer; // 50 listed: refused with a message
        window.onActionOpenImage();
        QCOMPARE(closer.className, QStringLiteral("QMessageBox"));
        QCOMPARE(closer.text, QStringLiteral("The picture list can hold at most 50 pictures!"));
        QCOMPARE(window.pictureModel()->rowCount(), 50);
    }

    void gifBecomesASequence()
    {
        MainWindow window;
        window.addSequence(sequence({0x808080}));
        GifWriter gif;
        for (QRgb colour : {0xFF0000u, 0x00FF00u, 0x0000FFu})
            gif.addFrame(GifWriter::solidFrame(QSize(80, 60), colour));
        const QString path = work.filePath(QStringLiteral("three.gif"));
        QVERIFY(gif.save(path));
        window.form().toolBox->setCurrentIndex(0);
        {
            ModalCloser crop;
            window.importGif(path);
        }
        QCOMPARE(window.sequenceModel()->rowCount(), 2);
        MediaObject *media = window.sequenceList().last();
        QVERIFY(media->isGif());
        QCOMPARE(media->name(), path);
        QCOMPARE(media->index(), 1); // the video list held one row
        QCOMPARE(media->frameCount(), 3);
        QCOMPARE(window.form().toolBox->currentIndex(), 1);
    }

    void unreadableGifAddsNothing()
    {
        MainWindow window;
        const QString path = work.filePath(QStringLiteral("broken.gif"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("GIF89a this is not an animation");
        file.close();
        ModalCloser closer;
        window.importGif(path);
        QCOMPARE(closer.className, QStringLiteral("QMessageBox"));
        QVERIFY2(closer.text.contains(QLatin1String("broken.gif")), qPrintable(closer.text));
        QCOMPARE(window.sequenceModel()->rowCount(), 0);
    }

    // After a delete or a move, the row the user sees highlighted is the one
    // shown and the one Del acts on next.
    void delActsOnTheRowShown_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("left");   // the colours (1..4) left, in row order
        QTest::addColumn<int>("current");       // the row current afterwards, -1 for none
        QTest::newRow("delete the first") << "delete" << 0 << QList<int>{2, 3, 4} << 0;
        QTest::newRow("delete the second") << "delete" << 1 << QList<int>{1, 3, 4} << 1;
        QTest::newRow("delete the last") << "delete" << 3 << QList<int>{1, 2, 3} << 2;
        QTest::newRow("move the first to 3") << "move" << 0 << QList<int>{2, 3, 1, 4} << 2;
    }

    void delActsOnTheRowShown()
    {
        QFETCH(QString, action);
        QFETCH(int, row);
        QFETCH(QList<int>, left);
        QFETCH(int, current);
        MainWindow window;
        QList<ImageObject *> images;
        for (int i = 1; i <= 4; ++i) {
            images.append(picture(i, ImageObject::PictureFile, 5, QRgb(i)));
            window.pictureModel()->appendItems({CustomTableItem(images.last())});
        }
        window.show(); // the view opens row editors only when shown
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.form().tableView->setCurrentIndex(window.pictureModel()->index(row, 0));
        if (action == QLatin1String("delete"))
            window.onBtnDelImage();
        else
            window.onImageIndexChanged(images.at(row), row + 1, 3);

        QList<int> colours;
        for (ImageObject *image : window.pictureList())
            colours.append(int(image->previewImage().pixel(0, 0) & 0xFFFFFF));
        QCOMPARE(colours, left);
        QTableView *table = window.form().tableView;
        QCOMPARE(table->currentIndex().row(), current);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(table->selectionModel()->selectedRows().first().row(), current);
        QCOMPARE(int(previewColour(window) & 0xFFFFFF), left.at(current));
        QVERIFY(window.form().btnDelImage->isEnabled());
        // The row editor open on it shows its new position, not the one it had.
        auto *editor = qobject_cast<ImageObjectWidget *>(table->indexWidget(table->currentIndex()));
        QVERIFY(editor);
        QCOMPARE(child<QComboBox>(editor, "positionBox")->currentIndex(), current);

        window.onBtnDelImage(); // a second Del removes what is shown, nothing else
        QVERIFY(!window.pictureList().contains(nullptr));
        QCOMPARE(window.pictureModel()->rowCount(), left.size() - 1);
        for (ImageObject *image : window.pictureList())
            QVERIFY(int(image->previewImage().pixel(0, 0) & 0xFFFFFF) != left.at(current));
    }

    void delOfTheLastRowDisablesDel()
    {
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(picture(1))});
        window.form().tableView->setCurrentIndex(window.pictureModel()->index(0, 0));
        window.onBtnDelImage();
        QCOMPARE(window.pictureModel()->rowCount(), 0);
        QVERIFY(!window.form().btnDelImage->isEnabled());
        window.onBtnDelImage(); // nothing selected: nothing happens
        QCOMPARE(previewColour(window), QRgb(0xFFFFFFFFu));
    }

    void delAndTheDeleteKeyRemoveEverySelectedRow_data()
    {
        QTest::addColumn<bool>("key");
        QTest::newRow("Del button") << false;
        QTest::newRow("Delete key") << true;
    }

    void delAndTheDeleteKeyRemoveEverySelectedRow()
    {
        QFETCH(bool, key);
        MainWindow window;
        QList<ImageObject *> images;
        for (int i = 1; i <= 5; ++i) {
            images.append(picture(i));
            window.pictureModel()->appendItems({CustomTableItem(images.last())});
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableView *table = window.form().tableView;
        table->setFocus();
        table->setCurrentIndex(window.pictureModel()->index(1, 0));
        table->selectionModel()->select(QItemSelection(window.pictureModel()->index(1, 0),
                                                       window.pictureModel()->index(3, 0)),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (key)
            QTest::keyClick(table, Qt::Key_Delete);
        else
            window.onBtnDelImage();
        QCOMPARE(window.pictureList(), (QList<ImageObject *>{images[0], images[4]}));
        QCOMPARE(window.pictureList().at(1)->index(), 2);
        QCOMPARE(table->currentIndex().row(), 1);
    }

    void newRowsAreUsableAtOnce()
    {
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(picture(1))});
        GifWriter gif;
        for (QRgb colour : {0xFF0000u, 0x00FF00u})
            gif.addFrame(GifWriter::solidFrame(QSize(80, 60), colour));
        const QString path = work.filePath(QStringLiteral("two.gif"));
        QVERIFY(gif.save(path));
        window.addSequence(sequence({0x808080}));
        {
            ModalCloser crop;
            window.importGif(path);
        }
        QTableView *table = window.form().tableViewMedia;
        QCOMPARE(table->currentIndex().row(), 1);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(window.selectedSequence(), window.sequenceList().at(1));
        QVERIFY(!window.form().btnPlay->isHidden());
        QVERIFY(window.form().btnDelMedia->isEnabled());
        window.onBtnPlayClick();
        QVERIFY(window.playing());
        window.onBtnStopClick();
    }

    void importTakesOnlyWhatFits()
    {
        MainWindow window;
        for (int i = 1; i <= 48; ++i)
            window.pictureModel()->appendItems({CustomTableItem(picture(i))});
        QStringList files;
        for (int i = 0; i < 5; ++i) {
            files << work.filePath(QStringLiteral("fit%1.png").arg(i));
            QVERIFY(solid(0xFF336699u).save(files.last()));
        }
        QString told;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                told = box->text();
                box->accept();
            } else if (modal) {
                for (QPushButton *button : modal->findChildren<QPushButton *>()) {
                    if (button->text() == QLatin1String("Import completed") && button->isEnabled())
                        button->click();
                }
            }
        });
        driver.start(20);
        window.importPictures(files);
        QCOMPARE(window.pictureModel()->rowCount(), 50);
        QVERIFY2(told.contains(QLatin1String("first 2 of the 5")) && told.contains(QLatin1String("3 are left out")),
                 qPrintable(told));
        QCOMPARE(window.pictureList().last()->index(), 50);
    }

    void typedValuesBeyondTheCardAreNotStored_data()
    {
        QTest::addColumn<bool>("sequenceRow");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("time 150 s") << false << "150" << 5.0;
        QTest::newRow("time 0 s") << false << "0" << 5.0;
        QTest::newRow("time 5.2 s") << false << "5.2" << 5.2;
        QTest::newRow("300 loops") << true << "300" << 1.0;
        QTest::newRow("255 loops") << true << "255" << 255.0;
    }

    void typedValuesBeyondTheCardAreNotStored()
    {
        QFETCH(bool, sequenceRow);
        QFETCH(QString, typed);
        QFETCH(double, stored);
        MainWindow window;
        QLineEdit *edit = nullptr;
        if (sequenceRow) {
            window.addSequence(sequence({0xFF0000}));
            edit = child<QLineEdit>(openMediaEditor(window, 0), "loopEdit");
        } else {
            window.pictureModel()->appendItems({CustomTableItem(picture(1, 0, 5))});
            edit = child<QLineEdit>(openImageEditor(window, 0), "timeEdit");
        }
        QVERIFY(edit);
        edit->setText(typed); // as a paste would: past the validator
        const double value = sequenceRow ? window.sequenceList().first()->loopCount()
                                         : window.pictureList().first()->displayTime();
        QCOMPARE(value, stored);
    }

    void deletingRowsKeepsTheWindowConsistent()
    {
        MainWindow window;
        window.addSequence(sequence({0xFF0000}));
        window.form().tableViewMedia->setCurrentIndex(window.sequenceModel()->index(0, 0));
        window.pressMediaWidget(window.sequenceModel()->index(0, 0));
        window.onBtnPlayClick();
        window.onBtnDelMedia();
        QVERIFY(!window.playing());
        QCOMPARE(window.sequenceModel()->rowCount(), 0);
        QVERIFY(!window.selectedSequence());
        QVERIFY(!window.form().btnDelMedia->isEnabled());
        QTest::qWait(2 * MainWindow::frameIntervalMs); // a tick in flight must find nothing to show

        window.pictureModel()->appendItems({CustomTableItem(picture(1)), CustomTableItem(picture(2))});
        window.form().tableView->setCurrentIndex(window.pictureModel()->index(0, 0));
        window.onBtnDelImage();
        QCOMPARE(window.pictureModel()->rowCount(), 1);
        QCOMPARE(window.pictureList().first()->index(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
