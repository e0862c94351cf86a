#include "import/GifFrameSource.h"

#include "GifWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray threeFrames()
{
    GifWriter writer;
    for (int i = 0; i < 3; ++i)
        writer.addFrame(GifWriter::solidFrame(QSize(20, 20), qRgb(80 * i, 10, 200)));
    return writer.toByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray pngBytes()
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Logical screen and one image of 30000 x 30000: far beyond the reader's memory limit.
QByteArray hugeGif()
{
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) {
        gif.append(char(v & 0xFF));
        gif.append(char(v >> 8));
    };
    word(30000);
    word(30000);
    gif.append(3, '\0');
    gif.append(char(0x2C));
    word(0);
    word(0);
    word(30000);
    word(30000);
    gif.append('\0');
    gif.append("\x02\x02\x44\x01\x00\x3B", 6);
    return gif;
}

} // namespace

class TestLoadGifSource : public QObject
{
    Q_OBJECT
private slots:
    void checkFileNamesFileAndReason_data();
    void checkFileNamesFileAndReason();
    void stepsThroughEveryFrameOnce_data();
    void stepsThroughEveryFrameOnce();

private:
    QTemporaryDir dir;
};

void TestLoadGifSource::checkFileNamesFileAndReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    QTest::newRow("good GIF") << "good.gif" << threeFrames() << QString();
    QTest::newRow("missing") << "missing.gif" << QByteArray() << "the file does not exist.";
    QTest::newRow("folder") << "folder.gif" << QByteArray() << "it is a folder.";
    QTest::newRow("empty") << "empty.gif" << QByteArray("") << "the file is empty.";
    QTest::newRow("PNG renamed") << "photo.gif" << pngBytes() << "it is not a GIF picture.";
    QTest::newRow("text renamed") << "notes.gif" << QByteArray("hello, this is text\n") << "it is not a GIF picture.";
    QTest::newRow("header only") << "header.gif" << threeFrames().left(30)
                                 << "the file is damaged: the file ends before its first frame.";
    QTest::newRow("garbage after header") << "garbage.gif" << QByteArray("GIF89a\x10\x00\x10\x00garbagegarbage", 25)
                                          << "the file is damaged: the GIF data is damaged before its first frame.";
    QTest::newRow("cut inside the first frame") << "cut.gif" << GifWriter::truncatedInFrame(threeFrames(), 0)
                                                << "the file is damaged: the file ends inside frame 1.";
    QTest::newRow("named pipe") << "pipe.gif|" << QByteArray() << "it is a named pipe (FIFO), not a file.";
    QTest::newRow("too large") << "huge.gif" << hugeGif() << "its pictures are too large (30000 x 30000 pixels).";
}

void TestLoadGifSource::checkFileNamesFileAndReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    const QString path = dir.filePath(QString(name).remove(QLatin1Char('|')));
    if (name == QLatin1String("folder.gif"))
        QVERIFY(QDir(dir.path()).mkpath(name));
    else if (name.endsWith(QLatin1Char('|')))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!bytes.isNull())
        QVERIFY(writeFile(path, bytes));

    const QString message = GifFrameSource::checkFile(path);
    const GifFrameSource source(path);
    if (reason.isEmpty()) {
        QCOMPARE(message, QString());
        QCOMPARE(source.currentFrameNumber(), 0);
    } else {
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.endsWith(reason), qPrintable(message));
        // What the check refuses, the reader does not read either.
        QCOMPARE(source.currentFrameNumber(), -1);
        QVERIFY(source.currentImage().isNull());
    }
}

void TestLoadGifSource::stepsThroughEveryFrameOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QString>("damage"); // what the user is told; empty for a whole file

    GifWriter one;
    one.addFrame(GifWriter::solidFrame(QSize(20, 20), qRgb(0, 10, 200)));
    QTest::newRow("three frames") << threeFrames() << 3 << QString();
    QTest::newRow("one frame") << one.toByteArray() << 1 << QString();
    // The reader counts frames whose pixels are missing, and decodes a cut
    // frame in part: only whole frames are given, and the damage is said.
    QTest::newRow("third frame cut off") << GifWriter::truncatedInFrame(threeFrames(), 2) << 2
                                         << "the file ends inside frame 3. Only its first 2 frames can be read.";
    QTest::newRow("second frame cut off") << GifWriter::truncatedInFrame(threeFrames(), 1) << 1
                                          << "the file ends inside frame 2. Only its first frame can be read.";
    QTest::newRow("end marker missing") << threeFrames().chopped(1) << 3
                                        << "the file ends after frame 3 without its end marker. "
                                           "Only its first 3 frames can be read.";
}

void TestLoadGifSource::stepsThroughEveryFrameOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, frames);
    QFETCH(QString, damage);

    const QString path = dir.filePath(QStringLiteral("steps.gif"));
    QVERIFY(writeFile(path, bytes));
    ImageIntegrity::Finding found;
    QCOMPARE(GifFrameSource::checkFile(path, &found), QString());
    QCOMPARE(found.damaged, !damage.isEmpty());
    if (found.damaged) {
        QCOMPARE(found.wholeFrames, frames);
        const QString message = GifFrameSource::damageMessage(path, found);
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)) && message.endsWith(damage), qPrintable(message));
    }

    GifFrameSource source(path);
    QList<int> numbers;
    QList<QRgb> colours;
    for (int guard = 0; guard < 10; ++guard) {
        numbers.append(source.currentFrameNumber());
        colours.append(source.currentImage().pixel(5, 5));
        if (source.isLastFrame() || !source.jumpToNextFrame())
            break;
    }

    QList<int> expectedNumbers;
    QList<QRgb> expectedColours;
    for (int i = 0; i < frames; ++i) {
        expectedNumbers.append(i);
        expectedColours.append(qRgb(80 * i, 10, 200));
    }
    QCOMPARE(numbers, expectedNumbers);
    QCOMPARE(colours, expectedColours);
}

QTEST_GUILESS_MAIN(TestLoadGifSource)
#include "tst_loadgifsource.moc"
