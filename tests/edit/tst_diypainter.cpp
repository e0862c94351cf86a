#include "edit/DiyDrawing.h"
#include "edit/DiyPainter.h"
#include "edit/DiyShape.h"
#include "edit/DiyTextLayout.h"
#include "edit/HistoryObject.h"
#include "edit/RingTexture.h"
#include "edit/RoundAreaWidget.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRgb opaqueBlack = qRgb(0, 0, 0);

DiyShape *shape(DiyPainter &canvas)
{
    return canvas.findChild<DiyShape *>(QStringLiteral("floatingShape"));
}

QLineEdit *editor(DiyPainter &canvas)
{
    return canvas.findChild<QLineEdit *>(QStringLiteral("textEditor"));
}

void drag(QWidget *widget, const QPoint &from, const QPoint &to, int steps = 4)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= steps; ++i) {
        QMouseEvent move(QEvent::MouseMove, QPointF(from + (to - from) * i / steps), QPointF(),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

void click(QWidget *widget, const QPoint &at)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// A shape drawn and merged by the click after it.
void drawAndMerge(DiyPainter &canvas, int i)
{
    drag(&canvas, QPoint(10 + i % 50, 10), QPoint(60 + i % 50, 40));
    click(&canvas, QPoint(400, 400));
}

QString writePicture(const QString &path, const QImage &picture)
{
    if (!picture.save(path))
        return QString();
    return path;
}

void type(DiyPainter &canvas, const QPoint &at, const QString &text)
{
    canvas.setShapeType(DiyTool::Text);
    click(&canvas, at);
    QLineEdit *field = editor(canvas);
    QVERIFY(!field->isHidden());
    // Key events carrying the text, as an input method delivers Chinese.
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class TestDiyPainter : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void blankCanvasIsTheRoundArea();
    void loadedPictureCentresTheArea();
    void rectangleFloatsInItsBox();
    void shapesDrawByTool_data();
    void shapesDrawByTool();
    void clickOnCanvasOnlyMerges();
    void elevenUndosAfterTenMerges();
    void historyKeepsTheHundredNewest();
    void strokeLeavesOneSnapshot();
    void eraserPaintsTheBackground();
    void undoDropsTypedTextThenFloatingShape();
    void verticalTextOfMixedWidths();
    void roundTextBoxAroundTheCircle();
    void roundAreaMovedLeftGivesTransparentPart();
    void zoomOutToNothingAndRefusedStep();
    void zoomInStopsAtTheSideLimit();
    void zoomRecentresTheRoundArea();
    void reRenderedShapeBeyond1024x768Stays();
    void palettePictureCanBeDrawnOn_data();
    void palettePictureCanBeDrawnOn();
    void saveWritesTheCanvasAndClearsModified();
    void saveFailureSaysWhyAndKeepsModified();

private:
    QTemporaryDir dir;
};

void TestDiyPainter::init()
{
    QVERIFY(dir.isValid());
}

void TestDiyPainter::blankCanvasIsTheRoundArea()
{
    DiyPainter canvas{QString()};
    QCOMPARE(canvas.size(), QSize(450, 450));
    QCOMPARE(canvas.minimumSize(), QSize(450, 450));
    QCOMPARE(canvas.maximumSize(), QSize(450, 450));
    QCOMPARE(canvas.roundAreaRect(), QRect(0, 0, 450, 450));
    QCOMPARE(canvas.history().size(), 1);
    QCOMPARE(canvas.canvasImage().format(), QImage::Format_ARGB32);
    QCOMPARE(canvas.canvasImage().pixel(10, 10), qRgba(255, 255, 255, 0));
    QVERIFY(!canvas.isModified());

    canvas.setBackgroundColor(QColor(10, 20, 30));
    const QImage square = canvas.getImage();
    QCOMPARE(square.size(), QSize(450, 450));
    for (const QPoint p : {QPoint(0, 0), QPoint(224, 224), QPoint(449, 449), QPoint(0, 449)})
        QCOMPARE(square.pixel(p), qRgb(10, 20, 30)); // the ring is not part of it
}

void TestDiyPainter::loadedPictureCentresTheArea()
{
    QImage picture(1000, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    DiyPainter canvas(writePicture(dir.filePath(QStringLiteral("wide.png")), picture));
    QCOMPARE(canvas.size(), QSize(1000, 600));
    QCOMPARE(canvas.roundAreaRect(), QRect(275, 75, 450, 450));

    DiyPainter small(writePicture(dir.filePath(QStringLiteral("small.png")), picture.scaled(300, 200)));
    QCOMPARE(small.roundAreaRect().topLeft(), QPoint(0, 0)); // clamped when the picture is smaller

    DiyPainter broken(dir.filePath(QStringLiteral("missing.png")));
    QCOMPARE(broken.size(), QSize(450, 450));
}

void TestDiyPainter::rectangleFloatsInItsBox()
{
    DiyPainter canvas{QString()};
    canvas.setPenWidth(6);
    canvas.setPenColor(Qt::red);
    canvas.setBrushColor(Qt::blue);
    drag(&canvas, QPoint(100, 100), QPoint(200, 150));

    DiyShape *floating = shape(canvas);
    QVERIFY(!floating->isHidden());
    QCOMPARE(floating->pos(), QPoint(94, 94));
    QCOMPARE(floating->size(), QSize(112, 62));
    QCOMPARE(floating->currentImage().size(), QSize(112, 62));
    QVERIFY(canvas.isModified());
    QVERIFY(!canvas.isPreviewShown());
    // Red edge on the rectangle's outline, blue inside, clear outside.
    const QImage picture = floating->currentImage();
    QCOMPARE(picture.pixel(6, 30), qRgb(255, 0, 0));
    QCOMPARE(picture.pixel(56, 30), qRgb(0, 0, 255));
    QCOMPARE(qAlpha(picture.pixel(1, 1)), 0);
    // The canvas itself is untouched until the merge.
    QCOMPARE(canvas.canvasImage().pixel(100, 100), qRgba(255, 255, 255, 0));
}

void TestDiyPainter::shapesDrawByTool_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QPoint>("inked"); // in the box, for a 0-width pen: only the fill shows
    QTest::addColumn<QPoint>("clear");
    QTest::newRow("rectangle fills its corner") << int(DiyTool::Rect) << QPoint(1, 1) << QPoint(-1, -1);
    QTest::newRow("ellipse leaves the corner") << int(DiyTool::Ellipse) << QPoint(50, 25) << QPoint(2, 2);
    QTest::newRow("rounded rectangle rounds the corner") << int(DiyTool::RoundRect) << QPoint(50, 2) << QPoint(1, 1);
    QTest::newRow("line runs corner to corner") << int(DiyTool::Line) << QPoint(49, 24) << QPoint(90, 5);
}

void TestDiyPainter::shapesDrawByTool()
{
    QFETCH(int, tool);
    QFETCH(QPoint, inked);
    QFETCH(QPoint, clear);
    DiyPainter canvas{QString()};
    canvas.setShapeType(tool);
    canvas.setPenWidth(tool == DiyTool::Line ? 2 : 0);
    canvas.setPenColor(Qt::green);
    canvas.setBrushColor(Qt::green);
    drag(&canvas, QPoint(100, 100), QPoint(200, 150));
    const QImage picture = shape(canvas)->currentImage();
    const int margin = tool == DiyTool::Line ? 2 : 0;
    QCOMPARE(picture.pixel(inked + QPoint(margin, margin)), qRgb(0, 255, 0));
    if (picture.rect().contains(clear + QPoint(margin, margin)))
        QCOMPARE(qAlpha(picture.pixel(clear + QPoint(margin, margin))), 0);
}

void TestDiyPainter::clickOnCanvasOnlyMerges()
{
    DiyPainter canvas{QString()};
    canvas.setPenColor(Qt::black);
    drag(&canvas, QPoint(100, 100), QPoint(200, 150));
    QVERIFY(shape(canvas)->isVisible() || !shape(canvas)->isHidden());

    // The click merges and starts nothing: dragging from it afterwards draws no shape.
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(350, 350), QPointF(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(350, 350));
    QVERIFY(shape(canvas)->isHidden());
    QCOMPARE(canvas.history().size(), 2);
    QCOMPARE(canvas.canvasImage().pixel(100, 120), opaqueBlack);

    drag(&canvas, QPoint(300, 300), QPoint(350, 350)); // a second click starts a new shape
    QVERIFY(!shape(canvas)->isHidden());
    QCOMPARE(shape(canvas)->pos(), QPoint(299, 299));
}

void TestDiyPainter::elevenUndosAfterTenMerges()
{
    DiyPainter canvas{QString()};
    const QImage initial = canvas.canvasImage();
    for (int i = 0; i < 10; ++i)
        drawAndMerge(canvas, i);
    QCOMPARE(canvas.history().size(), 11);
    QVERIFY(canvas.canvasImage() != initial);
    for (int i = 0; i < 10; ++i)
        canvas.revokeCancel();
    QCOMPARE(canvas.canvasImage(), initial);
    canvas.revokeCancel();
    QCOMPARE(canvas.history().size(), 1);
    QCOMPARE(canvas.canvasImage(), initial);
}

void TestDiyPainter::historyKeepsTheHundredNewest()
{
    DiyPainter canvas{QString()};
    const QImage initial = canvas.canvasImage();
    drawAndMerge(canvas, 0);
    const QImage afterFirst = canvas.canvasImage();
    for (int i = 1; i < 100; ++i)
        drawAndMerge(canvas, i);
    QCOMPARE(canvas.history().size(), 100);
    for (int i = 0; i < 120; ++i)
        canvas.revokeCancel();
    QCOMPARE(canvas.canvasImage(), afterFirst);
    QVERIFY(canvas.canvasImage() != initial);
}

void TestDiyPainter::strokeLeavesOneSnapshot()
{
    DiyPainter canvas{QString()};
    canvas.setShapeType(DiyTool::Pen);
    canvas.setPenWidth(3);
    canvas.setPenColor(Qt::magenta);
    drag(&canvas, QPoint(20, 20), QPoint(220, 20), 20);
    QCOMPARE(canvas.history().size(), 2);
    QVERIFY(shape(canvas)->isHidden()); // strokes go straight onto the canvas
    QCOMPARE(canvas.canvasImage().pixel(120, 20), qRgb(255, 0, 255));
    // The snapshot holds the whole stroke, not only its first segment.
    QCOMPARE(canvas.history().newest()->picture(), canvas.canvasImage());

    drag(&canvas, QPoint(20, 60), QPoint(220, 60), 20);
    QCOMPARE(canvas.history().size(), 3);
    canvas.revokeCancel();
    QCOMPARE(canvas.canvasImage().pixel(120, 20), qRgb(255, 0, 255));
    QCOMPARE(qAlpha(canvas.canvasImage().pixel(120, 60)), 0);
}

void TestDiyPainter::eraserPaintsTheBackground()
{
    DiyPainter canvas{QString()};
    canvas.setPenWidth(10);
    canvas.setShapeType(DiyTool::Pen);
    drag(&canvas, QPoint(20, 100), QPoint(300, 100), 10);
    canvas.setBackgroundColor(QColor(0, 128, 0));
    canvas.setShapeType(DiyTool::Erase);
    drag(&canvas, QPoint(150, 60), QPoint(150, 140), 10);
    QCOMPARE(canvas.canvasImage().pixel(150, 100), qRgb(0, 128, 0));
    QCOMPARE(canvas.canvasImage().pixel(60, 100), opaqueBlack);
}

void TestDiyPainter::undoDropsTypedTextThenFloatingShape()
{
    DiyPainter canvas{QString()};
    canvas.setTextFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    canvas.setShapeType(DiyTool::Text);
    click(&canvas, QPoint(50, 50));
    QTest::keyClicks(editor(canvas), QStringLiteral("Hi"));
    canvas.revokeCancel();
    QVERIFY(editor(canvas)->isHidden());
    QVERIFY(shape(canvas)->isHidden());

    type(canvas, QPoint(50, 50), QStringLiteral("Hi"));
    QVERIFY(!shape(canvas)->isHidden());
    canvas.revokeCancel();
    QVERIFY(shape(canvas)->isHidden());
    QCOMPARE(canvas.history().size(), 1);
}

void TestDiyPainter::verticalTextOfMixedWidths()
{
    DiyPainter canvas{QString()};
    const QFont font(QStringLiteral("DejaVu Sans"), 20);
    canvas.setTextFont(font);
    canvas.setTextStyle(DiyTextStyle::Vertical);
    type(canvas, QPoint(40, 30), QStringLiteral("国A"));

    const QFontMetrics metrics(canvas.textFont());
    DiyShape *floating = shape(canvas);
    QVERIFY(!floating->isHidden());
    QVERIFY(editor(canvas)->isHidden());
    QCOMPARE(floating->pos(), QPoint(40, 30));
    QCOMPARE(floating->size(), QSize(metrics.horizontalAdvance(QStringLiteral("国")), 2 * metrics.height()));
    QVERIFY(canvas.isModified());
}

void TestDiyPainter::roundTextBoxAroundTheCircle()
{
    DiyPainter canvas{QString()};
    canvas.setTextFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    canvas.setTextStyle(DiyTextStyle::Round);
    canvas.setTextRadius(150);
    canvas.setTextColor(Qt::blue);
    type(canvas, QPoint(10, 10), QStringLiteral("ABCD"));

    const QFontMetrics metrics(canvas.textFont());
    const QImage picture = shape(canvas)->currentImage();
    QCOMPARE(picture.size(), QSize(metrics.horizontalAdvance(QStringLiteral("国")) + 300, 300 + metrics.height()));
    // Ink near the top, left, bottom and right of the circle, none at its centre.
    auto inkNear = [&](QRect area) {
        area = area.intersected(picture.rect());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qAlpha(picture.pixel(x, y)) > 0)
                    return true;
        return false;
    };
    const int a = metrics.ascent();
    QVERIFY(inkNear(QRect(150, a + 1 - metrics.ascent(), 20, metrics.ascent())));
    QVERIFY(inkNear(QRect(1, a + 150 - metrics.ascent(), 20, metrics.ascent())));
    QVERIFY(inkNear(QRect(150, a + 299 - metrics.ascent(), 20, metrics.ascent())));
    QVERIFY(inkNear(QRect(299, a + 150 - metrics.ascent(), 20, metrics.ascent())));
    QVERIFY(!inkNear(QRect(130, 130, 40, 40)));

    // Editing a setting re-renders the text where the shape stands.
    canvas.setTextRadius(40);
    canvas.repaintShape();
    QCOMPARE(shape(canvas)->currentImage().width(), metrics.horizontalAdvance(QStringLiteral("国")) + 80);
}

void TestDiyPainter::roundAreaMovedLeftGivesTransparentPart()
{
    DiyPainter canvas{QString()};
    canvas.setBackgroundColor(Qt::white);
    canvas.enterAreaMoveMode();
    auto *area = canvas.findChild<RoundAreaWidget *>(QStringLiteral("roundArea"));
    QVERIFY(!area->isHidden());
    // The canvas ignores the mouse in this mode: no shape starts.
    drag(&canvas, QPoint(10, 10), QPoint(60, 60));
    QVERIFY(shape(canvas)->isHidden());

    area->move(-100, 0);
    const QImage square = canvas.getImage();
    QVERIFY(!canvas.isAreaMoveMode());
    QVERIFY(area->isHidden());
    QCOMPARE(canvas.roundAreaRect(), QRect(-100, 0, 450, 450));
    QCOMPARE(square.pixel(50, 200), qRgba(0, 0, 0, 0));
    QCOMPARE(square.pixel(99, 200), qRgba(0, 0, 0, 0));
    QCOMPARE(square.pixel(100, 200), qRgb(255, 255, 255));
    QCOMPARE(square.pixel(449, 449), qRgb(255, 255, 255));
}

void TestDiyPainter::zoomOutToNothingAndRefusedStep()
{
    DiyPainter canvas{QString()};
    for (int i = 1; i <= 10; ++i) {
        QVERIFY(canvas.zoomOut());
        QCOMPARE(canvas.zoomLevel(), -i);
        QCOMPARE(canvas.size(), QSize(450 - 45 * i, 450 - 45 * i));
    }
    QVERIFY(canvas.canvasImage().isNull());
    QVERIFY(!canvas.zoomOut());
    QCOMPARE(canvas.zoomLevel(), -10);
    QCOMPARE(canvas.size(), QSize(0, 0));
    QVERIFY(canvas.zoomIn());
    QCOMPARE(canvas.size(), QSize(45, 45));
}

void TestDiyPainter::zoomInStopsAtTheSideLimit()
{
    // 8000 px wide: one step would make 8800, beyond the 8192 px bound.
    QImage strip(8000, 10, QImage::Format_RGB32);
    strip.fill(Qt::gray);
    DiyPainter canvas(writePicture(dir.filePath(QStringLiteral("strip.png")), strip));
    const int snapshots = canvas.history().size();
    QVERIFY(!canvas.zoomIn());
    QCOMPARE(canvas.zoomLevel(), 0);
    QCOMPARE(canvas.size(), QSize(8000, 10));
    QCOMPARE(canvas.history().size(), snapshots);
    QVERIFY(canvas.zoomOut());
    QCOMPARE(canvas.size(), QSize(7200, 9));
    QVERIFY(canvas.zoomIn());
    QCOMPARE(canvas.size(), QSize(8000, 10));
    QVERIFY(!canvas.zoomIn());
}

void TestDiyPainter::zoomRecentresTheRoundArea()
{
    DiyPainter canvas{QString()};
    canvas.enterAreaMoveMode();
    canvas.findChild<RoundAreaWidget *>(QStringLiteral("roundArea"))->move(30, 40);
    QVERIFY(canvas.zoomIn());
    QVERIFY(!canvas.isAreaMoveMode());
    QCOMPARE(canvas.size(), QSize(495, 495));
    QCOMPARE(canvas.roundAreaRect(), QRect(22, 22, 450, 450));
    QCOMPARE(canvas.history().size(), 2);
    QCOMPARE(canvas.history().newest()->level(), 0); // the level before the step
    canvas.revokeCancel();
    QCOMPARE(canvas.size(), QSize(450, 450));
}

void TestDiyPainter::reRenderedShapeBeyond1024x768Stays()
{
    QImage large(2000, 1500, QImage::Format_ARGB32);
    large.fill(Qt::white);
    DiyPainter canvas(writePicture(dir.filePath(QStringLiteral("large.png")), large));
    canvas.setPenWidth(4);
    canvas.setPenColor(Qt::black);
    drag(&canvas, QPoint(1500, 1200), QPoint(1600, 1300));
    QCOMPARE(shape(canvas)->pos(), QPoint(1496, 1196));

    canvas.setPenColor(Qt::red);
    canvas.repaintShape();
    const QImage picture = shape(canvas)->currentImage();
    QCOMPARE(picture.size(), QSize(108, 108));
    QCOMPARE(picture.pixel(4, 50), qRgb(255, 0, 0));
    canvas.enterDiyShape();
    QCOMPARE(canvas.canvasImage().pixel(1500, 1250), qRgb(255, 0, 0));
}

void TestDiyPainter::palettePictureCanBeDrawnOn_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("palette") << int(QImage::Format_Indexed8);
    QTest::newRow("grey") << int(QImage::Format_Grayscale8);
    QTest::newRow("one bit") << int(QImage::Format_Mono);
}

void TestDiyPainter::palettePictureCanBeDrawnOn()
{
    QFETCH(int, format);
    QImage source(500, 500, QImage::Format_RGB32);
    source.fill(Qt::white);
    const QString path = writePicture(dir.filePath(QStringLiteral("limited.png")),
                                      source.convertToFormat(QImage::Format(format)));
    QVERIFY(!path.isEmpty());
    DiyPainter canvas(path);
    QCOMPARE(canvas.canvasImage().format(), QImage::Format_ARGB32);
    canvas.setShapeType(DiyTool::Pen);
    canvas.setPenWidth(5);
    canvas.setPenColor(QColor(200, 30, 40));
    drag(&canvas, QPoint(20, 250), QPoint(480, 250), 10);
    QCOMPARE(canvas.canvasImage().pixel(250, 250), qRgb(200, 30, 40));
}

void TestDiyPainter::saveWritesTheCanvasAndClearsModified()
{
    DiyPainter canvas{QString()};
    canvas.setPenColor(Qt::black);
    drag(&canvas, QPoint(100, 100), QPoint(200, 150)); // still floating: saving merges it
    QVERIFY(canvas.isModified());
    const QString path = dir.filePath(QStringLiteral("saved.png"));
    QString error;
    QVERIFY2(canvas.saveImage(path, &error), qPrintable(error));
    QVERIFY(!canvas.isModified());
    const QImage saved(path);
    QCOMPARE(saved.size(), QSize(450, 450));
    QCOMPARE(saved.pixel(100, 120), opaqueBlack);
    QCOMPARE(qAlpha(saved.pixel(10, 10)), 0); // without the background colour
}

void TestDiyPainter::saveFailureSaysWhyAndKeepsModified()
{
    DiyPainter canvas{QString()};
    drag(&canvas, QPoint(100, 100), QPoint(200, 150));
    const QString path = dir.filePath(QStringLiteral("no-such-folder/saved.png"));
    QString error;
    QVERIFY(!canvas.saveImage(path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(canvas.isModified());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestDiyPainter)
#include "tst_diypainter.moc"
