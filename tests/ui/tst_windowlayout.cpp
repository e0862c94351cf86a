#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "import/ProgressCount.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"
#include "ui/PreviewGeometry.h"
#include "ui/RowToolTip.h"

#include "TestWorkDir.h"

#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolBox>

namespace {

ImageObject *picture(int index, QRgb colour = 0xFF224466u)
{
    auto *image = new ImageObject(index, QString(), 5, ImageObject::PictureFile);
    QImage preview(450, 450, QImage::Format_ARGB32);
    preview.fill(colour);
    image->setPreviewImage(preview);
    return image;
}

MediaObject *sequence()
{
    auto *media = new MediaObject(0, QStringLiteral("/clips/waves.gif"));
    for (int i = 1; i <= 3; ++i)
        media->appendFrame(picture(i, 0xFF00FF00u));
    return media;
}

QRect inWindow(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

QRgb previewCentre(const MainWindow &window)
{
    return window.form().previewWidget->palette().brush(QPalette::Window).textureImage().pixel(225, 225);
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

private slots:
    void previewFits_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("centred");
        QTest::newRow("the smallest window") << QSize(470, 480) << 375 << false;
        QTest::newRow("a wide area") << QSize(1060, 880) << 864 << true;
        QTest::newRow("a tall area") << QSize(600, 1200) << 505 << false;
        QTest::newRow("huge") << QSize(3000, 2000) << PreviewGeometry::maximumSide << true;
        QTest::newRow("too small for the minimum") << QSize(100, 100) << PreviewGeometry::minimumSide << false;
    }

    void previewFits()
    {
        QFETCH(QSize, area);
        QFETCH(int, side);
        QFETCH(bool, centred);
        const QSize control(71, 71);
        const PreviewGeometry geometry = PreviewGeometry::fit(area, control);
        QCOMPARE(geometry.preview.width(), geometry.preview.height());
        QCOMPARE(geometry.preview.width(), side);
        QVERIFY(!geometry.preview.intersects(geometry.control));
        QCOMPARE(geometry.control.size(), control);
        QCOMPARE(geometry.control.center().y(), geometry.preview.center().y());
        QCOMPARE(qAbs(geometry.preview.center().x() - area.width() / 2) <= 1, centred);
        if (side > PreviewGeometry::minimumSide) // room enough: nothing leaves the area
            QVERIFY(QRect(QPoint(0, 0), area).contains(geometry.preview.united(geometry.control)));
    }

    void nothingOverlaps_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800 x 600") << QSize(800, 600);
        QTest::newRow("1600 x 1000") << QSize(1600, 1000);
    }

    void nothingOverlaps()
    {
        QFETCH(QSize, size);
        MainWindow window;
        window.sequenceModel()->appendItems({CustomTableItem(sequence())});
        window.form().toolBox->setCurrentIndex(1);
        window.form().tableViewMedia->setCurrentIndex(window.sequenceModel()->index(0, 0));
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.size(), size);
        const MainWindowForm &ui = window.form();
        QVERIFY(ui.btnPlay->isVisible());
        const QList<const QWidget *> parts{window.menuBar(), ui.toolBar,  ui.previewWidget, ui.btnPlay,
                                           ui.toolBox,       ui.statusBar};
        for (int i = 0; i < parts.size(); ++i) {
            const QRect a = inWindow(parts[i], &window);
            QVERIFY2(window.rect().contains(a), qPrintable(parts[i]->objectName()));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!a.intersects(inWindow(parts[j], &window)),
                         qPrintable(parts[i]->objectName() + QLatin1String(" / ") + parts[j]->objectName()));
        }
        const QRect preview = inWindow(ui.previewWidget, &window);
        QCOMPARE(preview.width(), preview.height());
        QVERIFY(preview.width() >= 300);
        // Both sides grew with the window.
        if (size.width() >= 1600) {
            QVERIFY(preview.width() > 450);
            QVERIFY(ui.toolBox->width() > 400);
            const QRect area = inWindow(ui.widget, &window);
            // Centred, or moved left no more than the play control needs.
            QVERIFY2(qAbs(preview.center().x() - area.center().x()) <= (PreviewGeometry::gap + ui.btnPlay->width()) / 2,
                     qPrintable(QStringLiteral("%1 %2 %3").arg(preview.x()).arg(preview.width()).arg(area.width())));
        }
    }

    void thePreviewFollowsTheListShown()
    {
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(picture(1, 0xFF123456u))});
        window.sequenceModel()->appendItems({CustomTableItem(sequence())});
        const MainWindowForm &ui = window.form();
        ui.toolBox->setCurrentIndex(1);
        ui.tableViewMedia->setCurrentIndex(window.sequenceModel()->index(0, 0));
        QVERIFY(!ui.btnPlay->isHidden());
        QCOMPARE(previewCentre(window), QRgb(0xFF00FF00u));
        ui.toolBox->setCurrentIndex(0); // nothing chosen there yet
        QVERIFY(ui.btnPlay->isHidden());
        QVERIFY(ui.btnStop->isHidden());
        QCOMPARE(previewCentre(window), QRgb(0xFFFFFFFFu));
        ui.tableView->setCurrentIndex(window.pictureModel()->index(0, 0));
        QCOMPARE(previewCentre(window), QRgb(0xFF123456u));
        ui.toolBox->setCurrentIndex(1);
        QVERIFY(!ui.btnPlay->isHidden());
        window.onBtnPlayClick();
        QVERIFY(window.playing());
        ui.toolBox->setCurrentIndex(0); // leaving the list ends its playing
        QVERIFY(!window.playing());
        QCOMPARE(previewCentre(window), QRgb(0xFF123456u));
    }

    void theRingStaysAfterADelete()
    {
        MainWindow window;
        const QImage start = window.form().previewWidget->palette().brush(QPalette::Window).textureImage();
        window.sequenceModel()->appendItems({CustomTableItem(sequence())});
        window.form().toolBox->setCurrentIndex(1);
        window.form().tableViewMedia->setCurrentIndex(window.sequenceModel()->index(0, 0));
        window.onBtnDelMedia();
        const QImage shown = window.form().previewWidget->palette().brush(QPalette::Window).textureImage();
        QCOMPARE(shown, start);
        QCOMPARE(shown, MainWindowForm::blankPreview());
        // The red ring of the display area is on it.
        int red = 0;
        for (int x = 0; x < 450; ++x)
            red += shown.pixel(x, 224) == qRgb(255, 0, 0) ? 1 : 0;
        QVERIFY(red >= 2); // where the ring crosses the middle row
    }

    void thePositionBoxOffersThePositionsThatExist()
    {
        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(picture(1)), CustomTableItem(picture(2))});
        QTableView *table = window.form().tableView;
        table->openPersistentEditor(window.pictureModel()->index(0, 0));
        QWidget *editor = table->indexWidget(window.pictureModel()->index(0, 0));
        QVERIFY(editor);
        auto *box = editor->findChild<QComboBox *>(QStringLiteral("positionBox"));
        QCOMPARE(box->count(), 2);
        window.pictureModel()->appendItems({CustomTableItem(picture(3))});
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->currentIndex(), 0);
        window.pictureModel()->delRow(2, 1);
        QCOMPARE(box->count(), 2);
    }

    void rowsNameTheirFile()
    {
        auto *imported = picture(1);
        imported->setOriginPath(QStringLiteral("/photos/IMG_0042.JPG"));
        QCOMPARE(RowToolTip::of(imported), QStringLiteral("IMG_0042.JPG"));
        auto *drawn = new ImageObject(2, QStringLiteral("/tmp/diy_1.png"), 5, ImageObject::DiyPicture);
        QVERIFY(!RowToolTip::of(drawn).isEmpty());
        QVERIFY(!RowToolTip::of(drawn).contains(QLatin1String("diy_1")));
        auto *scratch = new ImageObject(3, QStringLiteral("/tmp/image_7.png"), 5, ImageObject::PictureFile);
        QVERIFY(RowToolTip::of(scratch).isEmpty()); // a scratch copy's name says nothing
        MediaObject *clip = sequence();
        QCOMPARE(RowToolTip::of(clip), QStringLiteral("waves.gif"));
        QVERIFY(RowToolTip::of(nullptr).isEmpty());

        MainWindow window;
        window.pictureModel()->appendItems({CustomTableItem(imported), CustomTableItem(drawn), CustomTableItem(scratch)});
        window.form().tableView->openPersistentEditor(window.pictureModel()->index(0, 0));
        QWidget *editor = window.form().tableView->indexWidget(window.pictureModel()->index(0, 0));
        QVERIFY(editor);
        QCOMPARE(editor->toolTip(), QStringLiteral("IMG_0042.JPG"));
        delete clip;
    }

    void busyCounts_data()
    {
        QTest::addColumn<int>("done");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("some") << 3 << 10 << "3 of 10";
        QTest::newRow("all") << 10 << 10 << "10 of 10";
        QTest::newRow("total unknown") << 4 << 0 << "4";
    }

    void busyCounts()
    {
        QFETCH(int, done);
        QFETCH(int, total);
        QFETCH(QString, text);
        ProgressCount count;
        QVERIFY(count.isHidden()); // until the job says how far it is
        count.setCount(done, total);
        QCOMPARE(count.text(), text);
        QVERIFY(!count.isHidden());
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
