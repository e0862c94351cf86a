#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "import/GifFrameCutter.h"
#include "import/GifFrameSource.h"
#include "import/PictureLoader.h"

#include "GifWriter.h"
#include "TestWorkDir.h"
#include "ToolRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTest>

namespace {

using Run = ToolRun;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString writePicture(const QString &path, QSize size, int seed)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 3 + seed * 40) % 256, (y * 5 + seed * 90) % 256, ((x + y) * 7) % 256));
    QPainter(&picture).fillRect(size.width() / 3, size.height() / 4, size.width() / 4, size.height() / 3, Qt::white);
    picture.save(path);
    return path;
}

// What the picture import stores in the buffer file of this picture.
QByteArray importedLedData(const QString &path)
{
    const PictureLoader loader(path);
    ImageObject record(0, path, 5, ImageObject::PictureFile, loader.picture());
    PolarSampling::imageToLedData(loader.picture(), &record);
    return readFile(record.bufferPath());
}

// What the GIF import stores for each frame when its crop dialog is left untouched.
QList<QByteArray> gifLedData(const QString &path)
{
    QList<QByteArray> blocks;
    GifFrameSource source(path);
    const GifFrameCutter cutter = GifFrameCutter::forUntouchedDialog(source.currentImage().size());
    do {
        ImageObject frame(source.currentFrameNumber() + 1, QString(), 10, ImageObject::GifFrame);
        PolarSampling::imageToLedData(cutter.cut(source.currentImage()), &frame);
        blocks.append(frame.ledData());
    } while (!source.isLastFrame() && source.jumpToNextFrame());
    return blocks;
}

QString writeGif(const QString &path, int frames)
{
    GifWriter gif;
    for (int i = 0; i < frames; ++i) {
        QImage frame = GifWriter::solidFrame(QSize(600, 400), qRgb(20 * (i % 12), 255 - 8 * i, 90));
        QPainter(&frame).fillRect(20 * i, 100, 80, 80, Qt::white);
        gif.addFrame(frame);
    }
    gif.save(path);
    return path;
}

} // namespace

class TestRotavueCard : public QObject
{
    Q_OBJECT

private:
    TestWorkDir work;

    void useParameters(int leds, int lines)
    {
        DisplayParameters::setLedCount(leds);
        DisplayParameters::setLineCount(lines);
    }

private slots:
    void cleanup() { DisplayParameters::resetToDefaults(); }

    void helpAndVersion()
    {
        const Run help = runTool({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QLatin1String("rotavue-card build -o CARD")));
        const Run version = runTool({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith(QLatin1String("rotavue-card ")));
    }

    void ledMatchesTheImport_data()
    {
        QTest::addColumn<int>("leds");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QSize>("size");
        QTest::newRow("defaults, landscape") << 112 << 450 << QSize(640, 480);
        QTest::newRow("6 LEDs, 360 lines, portrait") << 6 << 360 << QSize(300, 500);
        QTest::newRow("500 LEDs") << 500 << 450 << QSize(451, 451);
    }

    void ledMatchesTheImport()
    {
        QFETCH(int, leds);
        QFETCH(int, lines);
        QFETCH(QSize, size);
        const QString picture = writePicture(work.filePath(QStringLiteral("led.png")), size, leds);
        const QString output = work.filePath(QStringLiteral("led.bin"));
        const Run run = runTool({"led", picture, "-o", output, "--leds", QString::number(leds), "--lines",
                                 QString::number(lines)});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        useParameters(leds, lines);
        const QByteArray expected = importedLedData(picture);
        QCOMPARE(expected.size(), PolarSampling::ledDataLength(leds, lines));
        QCOMPARE(readFile(output), expected);
    }

    void buildWritesTheWorkedExample()
    {
        const QString a = writePicture(work.filePath(QStringLiteral("a.jpg")), QSize(800, 600), 1);
        const QString b = writePicture(work.filePath(QStringLiteral("b.png")), QSize(200, 300), 2);
        const QString gif = writeGif(work.filePath(QStringLiteral("thirty.gif")), 30);
        const QString card = work.filePath(QStringLiteral("card.bin"));
        // The GIF given first still comes after the pictures.
        const Run run = runTool({"build", "-o", card, "-r", "3", gif, a, "-t", "2.5", b});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));

        const QByteArray bytes = readFile(card);
        QCOMPARE(bytes.size(), 3674112);
        QCOMPARE(bytes.left(10), QByteArray::fromHex("22112233445566770020"));
        QCOMPARE(bytes.mid(16, 18), QByteArray::fromHex("000100013201" "000200021901" "000300200103"));
        QCOMPARE(bytes.mid(34, 3016 - 34).count('\0'), 3016 - 34);
        QCOMPARE(bytes.mid(3024, 8), QByteArray::fromHex("7766554433221100"));
        const int block = PolarSampling::minimumLength;
        QCOMPARE(bytes.mid(4096, block), importedLedData(a));
        QCOMPARE(bytes.mid(4096 + block, block), importedLedData(b));
        const QList<QByteArray> frames = gifLedData(gif);
        QCOMPARE(frames.size(), 30);
        for (int i = 0; i < frames.size(); ++i)
            QCOMPARE(bytes.mid(4096 + (2 + i) * block, block), frames.at(i));

        const Run info = runTool({"info", card});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject toc = QJsonDocument::fromJson(info.out.toUtf8()).object();
        QCOMPARE(toc.value("blocks").toInt(), 32);
        QCOMPARE(toc.value("fileSize").toInteger(), 3674112);
        QVERIFY(toc.value("sizeMatches").toBool());
        const QJsonArray entries = toc.value("entries").toArray();
        QCOMPARE(entries.size(), 3);
        const QJsonObject sequence = entries.at(2).toObject();
        QCOMPARE(sequence.value("firstBlock").toInt(), 3);
        QCOMPARE(sequence.value("lastBlock").toInt(), 32);
        QCOMPARE(sequence.value("time").toInt(), 1);
        QCOMPARE(sequence.value("repeat").toInt(), 3);
        QCOMPARE(entries.at(1).toObject().value("time").toInt(), 25);

        const Run otherSize = runTool({"info", card, "--leds", "500"}); // 1125-byte lines
        QCOMPARE(otherSize.exitCode, 0);
        QVERIFY(!QJsonDocument::fromJson(otherSize.out.toUtf8()).object().value("sizeMatches").toBool());
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"burn", "x.png"};
        QTest::newRow("led without output") << QStringList{"led", "x.png"};
        QTest::newRow("build without output") << QStringList{"build", "x.png"};
        QTest::newRow("LED count zero") << QStringList{"led", "x.png", "-o", "y", "--leds", "0"};
        QTest::newRow("LED count not a number") << QStringList{"led", "x.png", "-o", "y", "--leds", "many"};
        QTest::newRow("too many lines") << QStringList{"info", "c.bin", "--lines", "601"};
        QTest::newRow("negative time") << QStringList{"build", "-o", "c.bin", "-t", "-1", "x.png"};
        QTest::newRow("loop count too high") << QStringList{"build", "-o", "c.bin", "-r", "300", "x.gif"};
        QTest::newRow("unknown option") << QStringList{"info", "c.bin", "--fast"};
    }

    void badUsage()
    {
        QFETCH(QStringList, arguments);
        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith(QLatin1String("rotavue-card: ")));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fileInMessage");
        QTest::newRow("missing picture") << "led missing" << "missing.png";
        QTest::newRow("text named .png") << "led text" << "notes.png";
        QTest::newRow("empty picture in a build") << "build empty" << "empty.jpg";
        QTest::newRow("broken GIF in a build") << "build gif" << "broken.gif";
        QTest::newRow("unwritable output") << "led unwritable" << "no-such-folder";
        QTest::newRow("not a card") << "info text" << "notes.png";
    }

    void badInput()
    {
        QFETCH(QString, command);
        QFETCH(QString, fileInMessage);
        const QString good = writePicture(work.filePath(QStringLiteral("good.png")), QSize(100, 100), 3);
        writeFile(work.filePath(QStringLiteral("notes.png")), "shopping list\n");
        writeFile(work.filePath(QStringLiteral("empty.jpg")), QByteArray());
        writeFile(work.filePath(QStringLiteral("broken.gif")), "GIF89a\x10\x00");
        const QString card = work.filePath(QStringLiteral("old.bin"));
        writeFile(card, "the card from yesterday");

        QStringList arguments;
        if (command == QLatin1String("led missing"))
            arguments = {"led", work.filePath("missing.png"), "-o", work.filePath("out.led")};
        else if (command == QLatin1String("led text"))
            arguments = {"led", work.filePath("notes.png"), "-o", work.filePath("out.led")};
        else if (command == QLatin1String("build empty"))
            arguments = {"build", "-o", card, good, work.filePath("empty.jpg")};
        else if (command == QLatin1String("build gif"))
            arguments = {"build", "-o", card, good, work.filePath("broken.gif")};
        else if (command == QLatin1String("led unwritable"))
            arguments = {"led", good, "-o", work.filePath("no-such-folder/out.led")};
        else
            arguments = {"info", work.filePath("notes.png")};

        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(fileInMessage), qPrintable(run.err));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("out.led"))));
        QCOMPARE(readFile(card), QByteArray("the card from yesterday")); // never half-written
    }
};

QTEST_MAIN(TestRotavueCard)
#include "tst_rotavuecard.moc"
