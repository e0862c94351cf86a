// Contrast: the gain on every channel, the LED data and thumbnail rebuilt
// from the adjusted picture, the 200 ms debounce through what-code 16, the
// factor kept in the picture record, and closing with a move still pending.
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "edit/ContrastAdjuster.h"
#include "edit/UpdateImageContract.h"
#include "messaging/HandlerMessage.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"

#include "LogCapture.h"
#include "ModalAnswerer.h"
#include "TestWorkDir.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kApplied = QStringLiteral("UpdateImageContract::addImageContract ");

// The window's handler as far as contrast goes.
class ContrastHandler : public HandlerMessage
{
public:
    using HandlerMessage::HandlerMessage;
    ~ContrastHandler() override { detachFromLooper(); }
    void handlerMessage(Message *msg) override
    {
        if (msg->what == WhatCode::Contrast)
            ContrastAdjuster::handle(msg);
    }
};

// Every pixel's four channels carry the same level: levels 0..255 along x.
QImage levels()
{
    QImage picture(256, 4, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgba(x, x, x, x));
    }
    return picture;
}

QImage gradient(int w, int h)
{
    QImage picture(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, qRgba(x * 255 / w, y * 255 / h, (x + y) % 256, 255 - (x % 200)));
    }
    return picture;
}

int countApplied(const LogCapture &log)
{
    int n = 0;
    for (const QString &line : log.lines())
        n += line.startsWith(kApplied) && !line.endsWith(QLatin1String("NULL.")) ? 1 : 0;
    return n;
}

bool allZero(const QByteArray &data)
{
    return !data.isEmpty() && data.count('\0') == data.size();
}

// The LED line data of source with every channel times factor.
QByteArray ledDataAt(const QImage &source, float factor)
{
    ImageObject scratch(1, QString(), 5, ImageObject::PictureFile);
    return PolarSampling::ledDataOf(ContrastAdjuster(&scratch, source, nullptr).adjusted(factor), 112, 450);
}

// A dialog open on a picture record, with what it logs and signals.
struct Session
{
    std::unique_ptr<ImageObject> image;
    LogCapture log;
    std::unique_ptr<UpdateImageContract> dialog;
    std::unique_ptr<QSignalSpy> changed;

    QSlider *slider() const { return dialog->findChild<QSlider *>(QStringLiteral("slider")); }
};

QRgb previewCentre(const MainWindow &window)
{
    const QBrush brush = window.form().previewWidget->palette().brush(QPalette::Window);
    return brush.textureImage().isNull() ? brush.color().rgb() : brush.textureImage().pixel(225, 225);
}

// Runs action on the next popup menu that opens (menus are not modal dialogs).
void onNextPopup(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        QWidget *open = QApplication::activePopupWidget();
        if (!open)
            return;
        timer->deleteLater();
        timer->stop();
        action(open);
    });
    timer->start(10);
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;
    HandlerThread looper;
    std::unique_ptr<ContrastHandler> handler;

    // A picture record whose source file holds picture.
    std::unique_ptr<ImageObject> record(const QImage &picture, const QString &name = QStringLiteral("p.png"))
    {
        const QString path = work.filePath(name);
        if (!picture.save(path))
            return nullptr;
        auto image = std::make_unique<ImageObject>(1, path, 5, ImageObject::PictureFile);
        PolarSampling::imageToLedData(QImage(path), image.get());
        return image;
    }

    std::unique_ptr<Session> open(const QImage &picture)
    {
        auto session = std::make_unique<Session>();
        session->image = record(picture);
        if (!session->image)
            return nullptr;
        session->dialog = std::make_unique<UpdateImageContract>(handler.get(), session->image.get());
        session->changed = std::make_unique<QSignalSpy>(session->dialog.get(),
                                                         &UpdateImageContract::onImageContractChanged);
        return session;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        looper.start();
        handler = std::make_unique<ContrastHandler>(&looper);
    }

    void cleanupTestCase()
    {
        handler.reset();
        looper.exit();
        looper.wait();
    }

    void sliderTenLeavesEveryPixel()
    {
        const QImage source = gradient(300, 200);
        ImageObject image(1, QString(), 5, ImageObject::PictureFile);
        ContrastAdjuster adjuster(&image, source, nullptr);
        QVERIFY(adjuster.hasMatrix());
        QCOMPARE(adjuster.adjusted(ContrastAdjuster::factorOf(10)), source);
    }

    void channelsScale_data()
    {
        QTest::addColumn<int>("slider");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("expected");
        QTest::newRow("0: 255 becomes 0") << 0 << 255 << 0;
        QTest::newRow("100: 26 becomes 255") << 100 << 26 << 255;
        QTest::newRow("100: 25 becomes 250") << 100 << 25 << 250;
        QTest::newRow("15: 100 becomes 150") << 15 << 100 << 150;
        QTest::newRow("15: 200 clamps at 255") << 15 << 200 << 255;
        QTest::newRow("3: 100 becomes 30") << 3 << 100 << 30;
        QTest::newRow("7: 1 rounds to 1") << 7 << 1 << 1;
    }

    void channelsScale()
    {
        QFETCH(int, slider);
        QFETCH(int, level);
        QFETCH(int, expected);
        ImageObject image(1, QString(), 5, ImageObject::PictureFile);
        ContrastAdjuster adjuster(&image, levels(), nullptr);
        const QRgb pixel = adjuster.adjusted(ContrastAdjuster::factorOf(slider)).pixel(level, 2);
        // Alpha is scaled like the colours.
        QCOMPARE(QList<int>({qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)}),
                 QList<int>({expected, expected, expected, expected}));
    }

    void everyLevelAtFullScale()
    {
        ImageObject image(1, QString(), 5, ImageObject::PictureFile);
        ContrastAdjuster adjuster(&image, levels(), nullptr);
        const QImage out = adjuster.adjusted(10.0f);
        for (int level = 0; level < 256; ++level)
            QCOMPARE(qRed(out.pixel(level, 0)), level >= 26 ? 255 : level * 10);
    }

    void adjustmentRebuildsTheRecord()
    {
        const QImage source = gradient(500, 300); // not square: the sampler cuts the centre
        auto image = record(source);
        QVERIFY(image);
        UpdateImageContract dialog(nullptr, image.get());
        QVERIFY(dialog.hasPicture());

        dialog.addImageContract(10);
        QCOMPARE(image->ledData(), PolarSampling::ledDataOf(source, 112, 450));

        dialog.addImageContract(0);
        QVERIFY(allZero(image->ledData()));
        QCOMPARE(image->ledData().size(), PolarSampling::ledDataLength(112, 450));
        QCOMPARE(image->contrast(), 0.0f);
        const QImage thumbnail = image->thumbnail();
        QCOMPARE(thumbnail.size(), QSize(60, 60));
        QCOMPARE(thumbnail.pixel(30, 30), qRgba(0, 0, 0, 0));
        QCOMPARE(image->previewImage().pixel(225, 225) & 0xFFFFFFu, 0u);

        // Always from the source file: settings never accumulate.
        dialog.addImageContract(5);
        dialog.addImageContract(20);
        QImage twice = source;
        for (int y = 0; y < twice.height(); ++y) {
            for (int x = 0; x < twice.width(); ++x) {
                const QRgb c = twice.pixel(x, y);
                twice.setPixel(x, y, qRgba(qMin(255, qRed(c) * 2), qMin(255, qGreen(c) * 2),
                                           qMin(255, qBlue(c) * 2), qMin(255, qAlpha(c) * 2)));
            }
        }
        QCOMPARE(image->ledData(), PolarSampling::ledDataOf(twice, 112, 450));
    }

    void otherPixelFormats_data()
    {
        QTest::addColumn<QImage>("source");
        QImage palette(40, 40, QImage::Format_Indexed8);
        palette.setColorTable({qRgb(100, 100, 100), qRgb(20, 120, 60)});
        palette.fill(0);
        for (int x = 0; x < 20; ++x)
            palette.setPixel(x, 5, 1);
        QTest::newRow("palette") << palette;
        QImage grey(40, 40, QImage::Format_Grayscale8);
        grey.fill(100);
        QTest::newRow("grey") << grey;
    }

    void otherPixelFormats()
    {
        QFETCH(QImage, source);
        auto image = record(source);
        QVERIFY(image);
        UpdateImageContract dialog(nullptr, image.get());
        QVERIFY(dialog.hasPicture());
        dialog.addImageContract(15);
        QCOMPARE(image->thumbnail().pixel(30, 30), qRgb(150, 150, 150));
        QCOMPARE(image->ledData(), ledDataAt(source, 1.5f));
    }

    void unreadableFileOnlyStoresTheFactor()
    {
        const QString path = work.filePath(QStringLiteral("broken.png"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture at all");
        file.close();
        ImageObject image(1, path, 5, ImageObject::PictureFile);
        LogCapture log;
        UpdateImageContract dialog(handler.get(), &image);
        QVERIFY(!dialog.hasPicture());
        dialog.findChild<QSlider *>(QStringLiteral("slider"))->setValue(30);
        dialog.reject();
        QCOMPARE(image.contrast(), 3.0f);
        QVERIFY(log.contains(QStringLiteral("UpdateImageContract::addImageContract imageMat is NULL.")));
        QCOMPARE(image.ledDataLength(), 0);
    }

    void movesWithinTheQuietTimeApplyOnlyTheLast()
    {
        const auto s = open(gradient(120, 120));
        QVERIFY(s);
        for (int value : {12, 25, 31, 40})
            s->slider()->setValue(value);
        QVERIFY(s->changed->isEmpty()); // nothing before the quiet time is over
        QTRY_COMPARE_WITH_TIMEOUT(s->changed->size(), 1, 5000);
        QCOMPARE(s->changed->first().first().value<QObject *>(), s->image.get());
        QCOMPARE(s->image->contrast(), 4.0f);
        s->dialog->reject(); // the last move is applied already: nothing more
        QCOMPARE(countApplied(s->log), 1);
        QCOMPARE(s->changed->size(), 1);
    }

    void okClosesAndKeepsAMovePending()
    {
        const auto s = open(gradient(120, 120));
        QVERIFY(s);
        s->dialog->show();
        s->slider()->setValue(7);
        QTest::mouseClick(s->dialog->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(!s->dialog->isVisible());
        QCOMPARE(s->dialog->result(), int(QDialog::Rejected));
        QCOMPARE(s->changed->size(), 1); // applied before the dialog went
        QCOMPARE(s->image->contrast(), 0.7f);
        QCOMPARE(s->image->ledData(), ledDataAt(QImage(s->image->sourcePath()), 0.7f));
        s->dialog.reset();
        QTest::qWait(2 * ContrastAdjuster::debounceMs); // the removed request never arrives
        QCOMPARE(countApplied(s->log), 1);

        // 0.7f x 10 is just below 7: the slider is set by rounding.
        UpdateImageContract again(handler.get(), s->image.get());
        QCOMPARE(again.value(), 7);
    }

    void closingWhileAnAdjustmentRuns()
    {
        const auto s = open(gradient(3000, 3000));
        QVERIFY(s);
        s->slider()->setValue(5);
        QTRY_VERIFY_WITH_TIMEOUT(s->log.contains(kApplied), 5000); // on the looper now
        QSignalSpy *changed = s->changed.release(); // outlives the dialog
        s->dialog.reset(); // waits for it; its report is dropped with the dialog
        QCOMPARE(countApplied(s->log), 1);
        QCOMPARE(s->image->contrast(), 0.5f);
        QCoreApplication::processEvents();
        QCOMPARE(changed->size(), 0);
        delete changed;
    }

    void theWindowShowsEachAdjustment()
    {
        const QString path = work.filePath(QStringLiteral("grey.png"));
        QImage grey(200, 200, QImage::Format_RGB32);
        grey.fill(qRgb(60, 60, 60));
        QVERIFY(grey.save(path));
        MainWindow window;
        window.onBtnEnUsClick();
        window.addPictureFile(path);
        ImageObject *image = window.pictureList().value(0);
        QVERIFY(image);
        const QRgb before = previewCentre(window);
        const QImage thumbnailBefore = image->thumbnail();
        const QModelIndex row = window.pictureModel()->index(0, 0);
        window.form().tableView->openPersistentEditor(row);
        auto *thumbnailLabel = window.form().tableView->indexWidget(row)->findChild<QLabel *>(
            QStringLiteral("thumbnailLabel"));
        QVERIFY(thumbnailLabel);

        bool shownWhileOpen = false;
        ModalAnswerer answerer;
        answerer.then([&](QWidget *modal) {
            auto *dialog = qobject_cast<UpdateImageContract *>(modal);
            if (!dialog)
                return false;
            dialog->findChild<QSlider *>(QStringLiteral("slider"))->setValue(30);
            // The picture shows as soon as the looper has adjusted it.
            shownWhileOpen = QTest::qWaitFor([&] { return previewCentre(window) != before; }, 5000);
            dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
            return true;
        });
        window.updateImageContract();
        QVERIFY(answerer.done());
        QVERIFY(shownWhileOpen);
        QCOMPARE(image->contrast(), 3.0f);
        QVERIFY(qRed(previewCentre(window)) > qRed(before)); // still showing the brighter picture
        QVERIFY(image->thumbnail() != thumbnailBefore);
        QCOMPARE(qRed(image->thumbnail().pixel(30, 30)), 180);
        // The open row editor shows the new thumbnail.
        QCOMPARE(qRed(thumbnailLabel->pixmap().toImage().pixel(30, 30)), 180);
    }

    void theContextMenuOffersContrastExceptForCardPictures()
    {
        MainWindow window;
        window.onBtnEnUsClick();
        window.pictureModel()->appendItems({CustomTableItem(new ImageObject(1, QString(), 5, ImageObject::PictureFile)),
                                            CustomTableItem(new ImageObject(2, QString(), 5, ImageObject::CardPicture))});
        auto *action = window.findChild<QAction *>(QStringLiteral("contrastAction"));
        QVERIFY(action);
        for (int row : {0, 1}) {
            window.form().tableView->setCurrentIndex(window.pictureModel()->index(row, 0));
            bool opened = false;
            onNextPopup([&](QWidget *menu) {
                opened = qobject_cast<QMenu *>(menu) != nullptr;
                menu->close();
            });
            window.onTableViewMenuRequested(QPoint());
            QVERIFY(opened);
            QCOMPARE(action->isEnabled(), row == 0);
        }
    }

    void contrastIsOfferedExceptForCardPictures_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("offered");
        QTest::newRow("file") << int(ImageObject::PictureFile) << true;
        QTest::newRow("video frame") << int(ImageObject::VideoFrame) << true;
        QTest::newRow("diy") << int(ImageObject::DiyPicture) << true;
        QTest::newRow("gif frame") << int(ImageObject::GifFrame) << true;
        QTest::newRow("card picture") << int(ImageObject::CardPicture) << false;
    }

    void contrastIsOfferedExceptForCardPictures()
    {
        QFETCH(int, type);
        QFETCH(bool, offered);
        QCOMPARE(ContrastAdjuster::canAdjust(type), offered);
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
