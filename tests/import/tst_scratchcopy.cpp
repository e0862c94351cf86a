// The program's own copies of imported files: named by a run counter and the
// source's complete suffix, and never replacing the source when they fail.
#include "TestWorkDir.h"
#include "import/ScratchCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestScratchCopy : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void copiesIntoTheRunsFolder();
};

void TestScratchCopy::names_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("name");
    QTest::newRow("first copy") << 1 << "/photos/shop.jpg" << "image_1.jpg";
    QTest::newRow("two dots: all behind the first") << 2 << "/photos/sale.2024.png" << "image_2.2024.png";
    QTest::newRow("no suffix") << 3 << "/photos/README" << "image_3.";
}

void TestScratchCopy::names()
{
    QFETCH(int, n);
    QFETCH(QString, source);
    QFETCH(QString, name);
    QCOMPARE(ScratchCopy::pictureName(n, source), name);
}

void TestScratchCopy::copiesIntoTheRunsFolder()
{
    TestWorkDir work;
    const QString source = work.filePath(QStringLiteral("shop.jpg"));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("jpeg bytes") == 10);
    file.close();

    const QString copy = ScratchCopy::copyPicture(source);
    QVERIFY2(copy.startsWith(work.tempDir() + QStringLiteral("image_")) && copy.endsWith(QStringLiteral(".jpg")),
             qPrintable(copy));
    QFile copied(copy);
    QVERIFY(copied.open(QIODevice::ReadOnly));
    QCOMPARE(copied.readAll(), QByteArray("jpeg bytes"));
    QVERIFY(ScratchCopy::copyPicture(source) != copy); // the counter moves on

    const QString missing = work.filePath(QStringLiteral("gone.png"));
    QCOMPARE(ScratchCopy::copyPicture(missing), missing); // no copy: the original path stays
}

QTEST_GUILESS_MAIN(TestScratchCopy)
#include "tst_scratchcopy.moc"
