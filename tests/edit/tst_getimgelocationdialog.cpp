#include "edit/CropSelection.h"
#include "edit/GetImgeLocationDialog.h"
#include "edit/RingTexture.h"
#include "edit/RoundAreaWidget.h"

#include "LogCapture.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

QImage picture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

QWidget *imageWidget(GetImgeLocationDialog &dialog)
{
    return dialog.findChild<QWidget *>(QStringLiteral("imageWidget"));
}

RoundAreaWidget *roundArea(GetImgeLocationDialog &dialog)
{
    return dialog.findChild<RoundAreaWidget *>();
}

// The circle's place in the coordinates of the (scaled) picture.
QPoint circleAt(GetImgeLocationDialog &dialog)
{
    return roundArea(dialog)->pos() - imageWidget(dialog)->pos();
}

void click(GetImgeLocationDialog &dialog, const char *button, int times)
{
    auto *b = dialog.findChild<QPushButton *>(QLatin1String(button));
    QVERIFY(b);
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestGetImgeLocationDialog : public QObject
{
    Q_OBJECT
private slots:
    void formKeepsItsObjectNames();
    void placesPictureAndCentresCircle_data();
    void placesPictureAndCentresCircle();
    void secondPictureKeepsOneCircle();
    void shownPictureIsCentredOrScrolled_data();
    void shownPictureIsCentredOrScrolled();
    void zoomFollowsTheRule_data();
    void zoomFollowsTheRule();
    void oversizedSourceComesBackToLevelZero();
    void circleOfASmallPictureIsVisibleAndDraggable();
    void escapeAndCloseReject_data();
    void escapeAndCloseReject();
    void refusedStepWritesOnlyTheFirstLine();
    void untouchedDialogReturnsCentredSquare_data();
    void untouchedDialogReturnsCentredSquare();
    void dragMovesCircleWithLeftButtonOnly_data();
    void dragMovesCircleWithLeftButtonOnly();
    void zoomStepRecentresAfterDrag();
};

void TestGetImgeLocationDialog::formKeepsItsObjectNames()
{
    GetImgeLocationDialog dialog;
    QCOMPARE(dialog.size(), QSize(800, 600));
    for (const char *name : {"verticalLayout", "scrollArea", "scrollAreaWidgetContents", "imageWidget", "groupBox",
                             "horizontalLayout", "horizontalLayout_2", "btnZoomIn", "btnZoomOut", "btnOk"})
        QVERIFY2(dialog.findChild<QObject *>(QLatin1String(name)), name);
    QVERIFY(!roundArea(dialog)); // created by setImage
}

void TestGetImgeLocationDialog::placesPictureAndCentresCircle_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("circle");

    QTest::newRow("300 x 200, smaller than the circle") << QSize(300, 200) << QPoint(-75, -125);
    QTest::newRow("1000 x 800, larger than the scroll area") << QSize(1000, 800) << QPoint(275, 175);
    QTest::newRow("odd sizes truncate toward zero") << QSize(451, 449) << QPoint(0, 0);
    QTest::newRow("no picture") << QSize(0, 0) << QPoint(-225, -225);
}

void TestGetImgeLocationDialog::placesPictureAndCentresCircle()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, circle);

    GetImgeLocationDialog dialog;
    dialog.setImage(size.isEmpty() ? QImage() : picture(size));

    QCOMPARE(imageWidget(dialog)->size(), size);
    QCOMPARE(dialog.scaledImageSize(), size);
    QCOMPARE(dialog.zoomLevel(), 0);
    RoundAreaWidget *area = roundArea(dialog);
    QVERIFY(area);
    QCOMPARE(area->parentWidget(), imageWidget(dialog)->parentWidget()); // over the picture, not clipped by it
    QCOMPARE(area->size(), QSize(450, 450));
    QCOMPARE(circleAt(dialog), circle);
    QCOMPARE(dialog.selectionRect(), QRect(circle, QSize(450, 450)));
    QCOMPARE(area->palette().brush(QPalette::Window).textureImage(), RingTexture::make());
    if (!size.isEmpty())
        QCOMPARE(imageWidget(dialog)->palette().brush(QPalette::Window).textureImage().size(), size);
}

void TestGetImgeLocationDialog::secondPictureKeepsOneCircle()
{
    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(1000, 800)));
    dialog.setImage(picture(QSize(600, 500)));
    QCOMPARE(dialog.findChildren<RoundAreaWidget *>().size(), 1);
    QCOMPARE(dialog.selectionRect(), QRect(75, 25, 450, 450));
    QCOMPARE(dialog.scaledImageSize(), QSize(600, 500));
}

void TestGetImgeLocationDialog::shownPictureIsCentredOrScrolled_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("smaller than the view: centred") << QSize(300, 200) << false;
    QTest::newRow("larger than the view: from the origin") << QSize(1000, 800) << true;
}

void TestGetImgeLocationDialog::shownPictureIsCentredOrScrolled()
{
    QFETCH(QSize, size);
    QFETCH(bool, scrolls);

    GetImgeLocationDialog dialog;
    dialog.setImage(picture(size));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::processEvents();

    auto *scroll = dialog.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    const QRect shown = imageWidget(dialog)->geometry();
    QCOMPARE(shown.size(), size);
    if (scrolls) {
        QCOMPARE(shown.topLeft(), QPoint(0, 0));
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    } else {
        const QPoint offCentre = shown.center() - scroll->viewport()->rect().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QStringLiteral("at %1,%2").arg(shown.x()).arg(shown.y())));
    }
}

void TestGetImgeLocationDialog::zoomFollowsTheRule_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<int>("zoomIns");
    QTest::addColumn<int>("zoomOuts");
    QTest::addColumn<int>("level");
    QTest::addColumn<QSize>("scaled");

    QTest::newRow("level 3 is 130 %") << QSize(400, 300) << 3 << 0 << 3 << QSize(520, 390);
    QTest::newRow("level -4 is 60 %") << QSize(400, 300) << 0 << 4 << -4 << QSize(240, 180);
    QTest::newRow("level 10 doubles") << QSize(400, 300) << 10 << 0 << 10 << QSize(800, 600);
    QTest::newRow("steps count from the source") << QSize(400, 300) << 3 << 5 << -2 << QSize(320, 240);
    QTest::newRow("level -10 is empty") << QSize(400, 300) << 0 << 10 << -10 << QSize(0, 0);
    QTest::newRow("an eleventh zoom out is undone") << QSize(400, 300) << 0 << 11 << -10 << QSize(0, 0);
    QTest::newRow("odd size, zoom in") << QSize(333, 200) << 3 << 0 << 3 << QSize(432, 260);
    QTest::newRow("odd size, negative step truncates toward zero") << QSize(333, 200) << 0 << 4 << -4 << QSize(200, 120);
    QTest::newRow("zoom in stops below 8193 pixels") << QSize(4000, 10) << 11 << 0 << 10 << QSize(8000, 20);
    QTest::newRow("zoom out after the bound") << QSize(4000, 10) << 11 << 1 << 9 << QSize(7600, 19);
    QTest::newRow("oversized source cannot grow") << QSize(9000, 10) << 1 << 0 << 0 << QSize(9000, 10);
    QTest::newRow("oversized source can shrink") << QSize(9000, 10) << 0 << 1 << -1 << QSize(8100, 9);
}

void TestGetImgeLocationDialog::oversizedSourceComesBackToLevelZero()
{
    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(9000, 10)));
    click(dialog, "btnZoomOut", 1);
    click(dialog, "btnZoomIn", 1);
    QCOMPARE(dialog.zoomLevel(), 0);
    QCOMPARE(dialog.scaledImageSize(), QSize(9000, 10));
    click(dialog, "btnZoomIn", 1); // beyond its own size: refused
    QCOMPARE(dialog.zoomLevel(), 0);
}

void TestGetImgeLocationDialog::zoomFollowsTheRule()
{
    QFETCH(QSize, source);
    QFETCH(int, zoomIns);
    QFETCH(int, zoomOuts);
    QFETCH(int, level);
    QFETCH(QSize, scaled);

    GetImgeLocationDialog dialog;
    dialog.setImage(picture(source));
    click(dialog, "btnZoomIn", zoomIns);
    click(dialog, "btnZoomOut", zoomOuts);

    QCOMPARE(dialog.zoomLevel(), level);
    QCOMPARE(dialog.scaledImageSize(), scaled);
    QCOMPARE(imageWidget(dialog)->size(), scaled);
    QCOMPARE(dialog.selectionRect(), CropSelection::centred(scaled));
}

void TestGetImgeLocationDialog::refusedStepWritesOnlyTheFirstLine()
{
    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(400, 300)));
    click(dialog, "btnZoomOut", 10);

    LogCapture log;
    click(dialog, "btnZoomOut", 1);
    QCOMPARE(log.lines(), QStringList{"#GetImgeLocationDialog# zoomOut() -11, 400, 300"});

    log.clear();
    click(dialog, "btnZoomIn", 1);
    QCOMPARE(log.lines().size(), 3);
    QCOMPARE(log.lines().at(0), QStringLiteral("#GetImgeLocationDialog# zoomIn() -9, 400, 300"));
    QCOMPARE(log.lines().at(1), QStringLiteral("#GetImgeLocationDialog# zoomIn() -9, 40, 30"));
}

void TestGetImgeLocationDialog::untouchedDialogReturnsCentredSquare_data()
{
    QTest::addColumn<bool>("closeByFrame");
    QTest::newRow("OK") << false;
    QTest::newRow("closed by the window frame") << true;
}

void TestGetImgeLocationDialog::untouchedDialogReturnsCentredSquare()
{
    QFETCH(bool, closeByFrame);

    GetImgeLocationDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Tip"));
    dialog.setImage(picture(QSize(600, 500)));
    QTimer::singleShot(0, &dialog, [&] {
        if (closeByFrame)
            dialog.close();
        else
            click(dialog, "btnOk", 1);
    });
    const int result = dialog.exec();

    QCOMPARE(result, closeByFrame ? int(QDialog::Rejected) : int(QDialog::Accepted));
    QCOMPARE(dialog.selectionRect(), QRect(75, 25, 450, 450));
    QCOMPARE(dialog.scaledImageSize(), QSize(600, 500));
}

void TestGetImgeLocationDialog::dragMovesCircleWithLeftButtonOnly_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("circle");

    QTest::newRow("left button drags") << Qt::LeftButton << QPoint(275 + 50, 175 - 120);
    QTest::newRow("right button does not") << Qt::RightButton << QPoint(275, 175);
}

void TestGetImgeLocationDialog::dragMovesCircleWithLeftButtonOnly()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, circle);

    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(1000, 800)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RoundAreaWidget *area = roundArea(dialog);
    QCOMPARE(circleAt(dialog), QPoint(275, 175));

    QTest::mousePress(area, button, {}, QPoint(200, 200));
    QTest::mouseMove(area, QPoint(250, 80));
    QTest::mouseRelease(area, button, {}, QPoint(250, 80));
    QCOMPARE(circleAt(dialog), circle);
    QCOMPARE(dialog.selectionRect(), QRect(circle, QSize(450, 450)));
}

void TestGetImgeLocationDialog::zoomStepRecentresAfterDrag()
{
    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(1000, 800)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RoundAreaWidget *area = roundArea(dialog);

    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(area, QPoint(-400, -300)); // off the picture: no bounds
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(-400, -300));
    QCOMPARE(circleAt(dialog), QPoint(275 - 410, 175 - 310));

    click(dialog, "btnZoomIn", 1);
    QCOMPARE(dialog.scaledImageSize(), QSize(1100, 880));
    QCOMPARE(dialog.selectionRect(), QRect(325, 215, 450, 450));
}

void TestGetImgeLocationDialog::circleOfASmallPictureIsVisibleAndDraggable()
{
    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(300, 300)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RoundAreaWidget *area = roundArea(dialog);
    QCOMPARE(circleAt(dialog), QPoint(-75, -75));
    // The whole ring shows, not just the part over the picture.
    QCOMPARE(area->visibleRegion().boundingRect(), QRect(0, 0, 450, 450));

    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(225, 225));
    QTest::mouseMove(area, QPoint(245, 215));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(245, 215));
    QCOMPARE(dialog.selectionRect(), QRect(-55, -85, 450, 450));
}

void TestGetImgeLocationDialog::escapeAndCloseReject_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape") << true;
    QTest::newRow("title-bar close") << false;
}

void TestGetImgeLocationDialog::escapeAndCloseReject()
{
    QFETCH(bool, escape);
    GetImgeLocationDialog dialog;
    dialog.setImage(picture(QSize(600, 500)));
    QTimer::singleShot(0, &dialog, [&] {
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.selectionRect(), QRect(75, 25, 450, 450)); // still readable
}

QTEST_MAIN(TestGetImgeLocationDialog)
#include "tst_getimgelocationdialog.moc"
