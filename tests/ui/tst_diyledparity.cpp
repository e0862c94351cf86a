// A DIY picture added to the playlist carries the LED line data that
// rotavue-card makes of the PNG the editor saved. Kept apart from the flow's
// other tests: it starts a process, and those run the looper thread.
#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "edit/DiyDrawing.h"
#include "edit/DiyPainter.h"
#include "ui/CustomTableItem.h"
#include "ui/CustomTableModel.h"
#include "ui/DiyPictureFlow.h"

#include "TestWorkDir.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestDiyLedParity : public QObject
{
    Q_OBJECT
private slots:
    void ledDataIsTheToolsOfTheSavedPng();

private:
    TestWorkDir work;
};

void TestDiyLedParity::ledDataIsTheToolsOfTheSavedPng()
{
    DisplayParameters::setLedCount(112);
    DisplayParameters::setLineCount(450);

    // A drawing with a shape, a stroke and a transparent left part.
    DiyPainter canvas{QString()};
    canvas.setBackgroundColor(QColor(20, 40, 200));
    canvas.setPenWidth(8);
    canvas.setPenColor(Qt::yellow);
    canvas.setBrushColor(Qt::red);
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(120, 120));
    QMouseEvent move(QEvent::MouseMove, QPointF(330, 300), QPointF(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(330, 300));
    canvas.enterAreaMoveMode();
    canvas.findChild<QWidget *>(QStringLiteral("roundArea"))->move(-60, 0);
    const QImage square = canvas.getImage();

    CustomTableModel model({}, 1);
    QWidget window;
    DiyPictureFlow flow(&model, &window, {});
    ImageObject *picture = flow.addPicture(square);
    QVERIFY(picture);

    QProcess tool;
    const QString output = work.filePath(QStringLiteral("diy.led"));
    tool.start(QStringLiteral(ROTAVUE_CARD_BINARY),
               {QStringLiteral("led"), picture->sourcePath(), QStringLiteral("-o"), output});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    QFile led(output);
    QVERIFY(led.open(QIODevice::ReadOnly));
    const QByteArray expected = led.readAll();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(picture->ledData(), expected);
    model.delRow(0, model.rowCount());
}

QTEST_MAIN(TestDiyLedParity)
#include "tst_diyledparity.moc"
