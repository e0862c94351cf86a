#include "edit/DiyDrawing.h"
#include "edit/DiyFontFallback.h"
#include "edit/DiyTextLayout.h"
#include "edit/DiyToolPanels.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    return font;
}

int inkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

class TestDiyTextLayout : public QObject
{
    Q_OBJECT
private slots:
    void wideCellsAreTheCjkBlock_data();
    void wideCellsAreTheCjkBlock();
    void roundTextStandsOnTheCircle();
    void roundTextOfNoCharactersStillHasItsBox();
    void verticalTextUsesTwoCellWidths();
    void horizontalTextKeepsItsDescenders();
    void textBeyondTheCanvasIsCut();
    void unknownStyleDrawsNothing();
    void missingFamilyFallsBackToBoldSans();
    void installedFamilyIsKept();
    void panelsFollowTheTool_data();
    void panelsFollowTheTool();
    void shapeBoxGrowsByThePenWidth();
};

void TestDiyTextLayout::wideCellsAreTheCjkBlock_data()
{
    QTest::addColumn<uint>("codePoint");
    QTest::addColumn<bool>("wide");
    QTest::newRow("first ideograph") << 0x4E00u << true;
    QTest::newRow("国") << 0x56FDu << true;
    QTest::newRow("last ideograph") << 0x9FA5u << true;
    QTest::newRow("just before") << 0x4DFFu << false;
    QTest::newRow("just after") << 0x9FA6u << false;
    QTest::newRow("Latin A") << uint('A') << false;
    QTest::newRow("digit") << uint('7') << false;
    QTest::newRow("full-width comma") << 0xFF0Cu << false;
}

void TestDiyTextLayout::wideCellsAreTheCjkBlock()
{
    QFETCH(uint, codePoint);
    QFETCH(bool, wide);
    QCOMPARE(DiyTextLayout::isWide(char32_t(codePoint)), wide);
}

void TestDiyTextLayout::roundTextStandsOnTheCircle()
{
    const QFont font = testFont();
    const QFontMetrics metrics(font);
    const DiyTextLayout layout(QStringLiteral("ABCD"), DiyTextStyle::Round, 150, font);
    QVERIFY(layout.isValid());
    QCOMPARE(layout.boxSize(),
             QSize(metrics.horizontalAdvance(QStringLiteral("国")) + 300, 300 + metrics.height()));
    QCOMPARE(layout.pieces().size(), 4);

    // Top, left, bottom, right: counter-clockwise from 12 o'clock, 149 px out.
    const QPointF centre(150, 150 + metrics.ascent());
    const QPointF expected[] = {{150, 1}, {1, 150}, {150, 299}, {299, 150}};
    for (int i = 0; i < 4; ++i) {
        const QPointF at = layout.pieces()[i].baseline;
        QCOMPARE(layout.pieces()[i].text, QString(QChar('A' + i)));
        QVERIFY2(std::abs(at.x() - expected[i].x()) < 0.01, qPrintable(QString::number(at.x())));
        QVERIFY2(std::abs(at.y() - metrics.ascent() - expected[i].y()) < 0.01, qPrintable(QString::number(at.y())));
        QVERIFY(std::abs(QLineF(centre, at).length() - 149) < 0.01);
    }
}

void TestDiyTextLayout::roundTextOfNoCharactersStillHasItsBox()
{
    const DiyTextLayout layout(QString(), DiyTextStyle::Round, 40, testFont());
    QVERIFY(layout.pieces().isEmpty());
    QVERIFY(!layout.boxSize().isEmpty());
    QCOMPARE(inkPixels(layout.render(Qt::black, QPoint(0, 0), QSize(500, 500))), 0);
}

void TestDiyTextLayout::verticalTextUsesTwoCellWidths()
{
    const QFont font = testFont();
    const QFontMetrics metrics(font);
    const int wide = metrics.horizontalAdvance(QStringLiteral("国"));
    const int narrow = metrics.horizontalAdvance(QStringLiteral("A"));
    QVERIFY(wide != narrow);
    const DiyTextLayout layout(QStringLiteral("国A1,"), DiyTextStyle::Vertical, 0, font);
    const int line = metrics.height();
    QCOMPARE(layout.boxSize(), QSize(wide, 4 * line));
    const int widths[] = {wide, narrow, narrow, narrow};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(layout.pieces()[i].cell, QRect(0, i * line, widths[i], line));

    const DiyTextLayout empty(QString(), DiyTextStyle::Vertical, 0, font);
    QVERIFY(empty.boxSize().isEmpty());
}

void TestDiyTextLayout::horizontalTextKeepsItsDescenders()
{
    // Everything the font draws of "gyp" lies inside the box.
    const QFont font = testFont();
    const DiyTextLayout layout(QStringLiteral("gyp"), DiyTextStyle::Horizontal, 0, font);
    const QImage inBox = layout.render(Qt::black, QPoint(100, 100), QSize(1000, 1000));
    QCOMPARE(inBox.size(), layout.boxSize());

    QImage free = DiyDrawing::clearPicture(QSize(400, 200));
    QPainter painter(&free);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(50, 100), QStringLiteral("gyp"));
    painter.end();
    QCOMPARE(inkPixels(inBox), inkPixels(free));
}

void TestDiyTextLayout::textBeyondTheCanvasIsCut()
{
    const DiyTextLayout layout(QStringLiteral("MMMM"), DiyTextStyle::Horizontal, 0, testFont());
    const QImage whole = layout.render(Qt::black, QPoint(0, 0), QSize(1000, 1000));
    const int half = layout.boxSize().width() / 2;
    const QImage cut = layout.render(Qt::black, QPoint(0, 0), QSize(half, 1000));
    QVERIFY(inkPixels(cut) > 0);
    QVERIFY(inkPixels(cut) < inkPixels(whole));
    for (int y = 0; y < cut.height(); ++y)
        for (int x = half; x < cut.width(); ++x)
            QCOMPARE(qAlpha(cut.pixel(x, y)), 0);
}

void TestDiyTextLayout::unknownStyleDrawsNothing()
{
    const DiyTextLayout layout(QStringLiteral("abc"), 3, 150, testFont());
    QVERIFY(!layout.isValid());
    QVERIFY(layout.render(Qt::black, QPoint(0, 0), QSize(100, 100)).isNull());
}

void TestDiyTextLayout::missingFamilyFallsBackToBoldSans()
{
    const QFont wanted(QStringLiteral("Airal Black"), 100);
    QVERIFY(!DiyFontFallback::isInstalled(wanted.family()));
    const QFont drawn = DiyFontFallback::resolve(wanted);
    QCOMPARE(drawn.family(), QStringLiteral("Airal Black"));
    QCOMPARE(drawn.pointSize(), 100);
    QVERIFY(drawn.bold());
    const QFontInfo info(drawn);
    QVERIFY2(DiyFontFallback::fallbackFamilies().contains(info.family()), qPrintable(info.family()));
    QVERIFY(info.bold());
    // A CJK family is among the fallbacks, so Chinese text gets real glyphs.
    QVERIFY(QFontMetrics(drawn).inFontUcs4(0x56FD));
    QVERIFY(QFontMetrics(DiyFontFallback::resolve(QFont(QStringLiteral("黑体"), 100))).inFontUcs4(0x56FD));
}

void TestDiyTextLayout::installedFamilyIsKept()
{
    const QFont font(QStringLiteral("DejaVu Serif"), 30);
    QVERIFY(DiyFontFallback::isInstalled(font.family()));
    QCOMPARE(DiyFontFallback::resolve(font), font);
}

void TestDiyTextLayout::panelsFollowTheTool_data()
{
    using P = DiyToolPanels;
    QTest::addColumn<int>("tool");
    QTest::addColumn<int>("pen");
    QTest::addColumn<int>("brush");
    QTest::addColumn<int>("text");
    QTest::newRow("pen") << int(DiyTool::Pen) << int(P::Shown) << int(P::Hidden) << int(P::Hidden);
    QTest::newRow("line") << int(DiyTool::Line) << int(P::Shown) << int(P::Shown) << int(P::Hidden);
    QTest::newRow("rect") << int(DiyTool::Rect) << int(P::Shown) << int(P::Shown) << int(P::Hidden);
    QTest::newRow("round rect") << int(DiyTool::RoundRect) << int(P::Shown) << int(P::Shown) << int(P::Hidden);
    QTest::newRow("ellipse") << int(DiyTool::Ellipse) << int(P::Shown) << int(P::Shown) << int(P::Hidden);
    QTest::newRow("text") << int(DiyTool::Text) << int(P::Hidden) << int(P::Hidden) << int(P::Shown);
    QTest::newRow("move") << int(DiyTool::Move) << int(P::Unchanged) << int(P::Hidden) << int(P::Unchanged);
    QTest::newRow("erase") << int(DiyTool::Erase) << int(P::Hidden) << int(P::Hidden) << int(P::Hidden);
}

void TestDiyTextLayout::panelsFollowTheTool()
{
    QFETCH(int, tool);
    QFETCH(int, pen);
    QFETCH(int, brush);
    QFETCH(int, text);
    const DiyToolPanels panels = DiyToolPanels::forTool(tool);
    QCOMPARE(int(panels.penType), pen);
    QCOMPARE(int(panels.brush), brush);
    QCOMPARE(int(panels.textType), text);
}

void TestDiyTextLayout::shapeBoxGrowsByThePenWidth()
{
    QCOMPARE(DiyDrawing::boundingBox(QPoint(100, 100), QPoint(200, 150), 6), QRect(94, 94, 112, 62));
    QCOMPARE(DiyDrawing::boundingBox(QPoint(200, 150), QPoint(100, 100), 6), QRect(94, 94, 112, 62));
}

QTEST_MAIN(TestDiyTextLayout)
#include "tst_diytextlayout.moc"
