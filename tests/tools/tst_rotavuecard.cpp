#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "import/GifFrameCutter.h"
#include "import/GifFrameSource.h"
#include "import/PictureLoader.h"

#include "GifWriter.h"
#include "EncodedPicture.h"
#include "TestWorkDir.h"
#include "TmpfsMount.h"
#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

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

// The files the bad-input table refers to as "@name", made once per row.
struct BadInputFixture {
    explicit BadInputFixture(const TestWorkDir &work) : work(work)
    {
        const QString good = writePicture(path("good.png"), QSize(100, 100), 3);
        writePicture(path("other.png"), QSize(80, 80), 4);
        writeBytes("notes.png", "shopping list\n");
        writeBytes("empty.jpg", QByteArray());
        writeBytes("broken.gif", QByteArray("GIF89a\x10\x00", 8));
        writeBytes("old.bin", "the card from yesterday");
        QImage photo(400, 300, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        const QByteArray jpeg = encodedPicture(photo, "JPG");
        for (int percent : {25, 50, 75})
            writeBytes(QStringLiteral("cut%1.jpg").arg(percent), jpeg.left(jpeg.size() * percent / 100));
        writeBytes("noend.jpg", jpeg.chopped(2));
        QByteArray png = encodedPicture(photo, "PNG");
        png[png.size() / 2] = char(png.at(png.size() / 2) ^ 0x01);
        writeBytes("flipped.png", png);
        const QByteArray gif = QFile::exists(path("four.gif")) ? readFile(path("four.gif"))
                                                               : readFile(writeGif(path("four.gif"), 4));
        for (int frame : {1, 2, 3})
            writeBytes(QStringLiteral("cutframe%1.gif").arg(frame), GifWriter::truncatedInFrame(gif, frame));
        writeBytes("notrailer.gif", gif.chopped(1));
        ready = ::mkfifo(QFile::encodeName(path("pipe.png")).constData(), 0600) == 0
                && QFile::link(good, path("link.png")) && QDir().mkpath(path("album"));
        for (const QString &name : regularFiles())
            before.insert(name, readFile(path(name)));
    }
    ~BadInputFixture()
    {
        QFile::remove(path("pipe.png"));
        QFile::remove(path("link.png"));
        QDir(path("album")).removeRecursively();
    }

    QString path(const QString &name) const { return work.filePath(name); }
    // Also hidden and special ones, less the FIFO and the link of the fixture.
    QStringList regularFiles() const
    {
        QStringList names = QDir(work.path()).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
        names.removeAll(QStringLiteral("pipe.png"));
        names.removeAll(QStringLiteral("link.png"));
        return names;
    }
    void writeBytes(const QString &name, const QByteArray &bytes) const { writeFile(path(name), bytes); }
    QStringList expand(QStringList arguments) const
    {
        for (QString &argument : arguments) {
            if (argument.startsWith(QLatin1Char('@')))
                argument = path(argument.mid(1));
        }
        return arguments;
    }
    // Every input, the old card and the special files are as they were; no
    // temporary file of the run is left beside them.
    void verifyUntouched() const
    {
        QCOMPARE(regularFiles(), QStringList(before.keys()));
        for (auto file = before.cbegin(); file != before.cend(); ++file)
            QVERIFY2(readFile(path(file.key())) == file.value(), qPrintable(file.key()));
        QVERIFY(QFileInfo(path("pipe.png")).exists() && !QFileInfo(path("pipe.png")).isFile());
        QVERIFY(QFileInfo(path("link.png")).isSymLink());
    }

    const TestWorkDir &work;
    QMap<QString, QByteArray> before;
    bool ready = false;
};

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

    QString scratchRoot() const { return work.filePath(QStringLiteral("cache/rotavue/temp")); }
    QStringList runsLeft() const
    {
        return QDir(scratchRoot()).entryList({QStringLiteral("run-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
    }

private slots:
    void initTestCase() { setToolCacheHome(work.filePath(QStringLiteral("cache"))); }
    void cleanup() { DisplayParameters::resetToDefaults(); }

    // A finished run leaves nothing; a killed run's scratch folder goes at the next start.
    void scratchFoldersOfEndedRuns()
    {
        const QString good = writePicture(work.filePath(QStringLiteral("small.png")), QSize(50, 50), 2);
        QCOMPARE(runTool({"led", good, "-o", work.filePath(QStringLiteral("small.led"))}).exitCode, 0);
        QCOMPARE(runsLeft(), QStringList());

        const QString gif = writeGif(work.filePath(QStringLiteral("long.gif")), 60);
        QProcess killed;
        killed.setProcessEnvironment(toolEnvironment());
        killed.start(toolBinary(), {"build", "-o", work.filePath("long.bin"), gif});
        QVERIFY(killed.waitForStarted());
        // Killed once its scratch folder holds converted frames.
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(scratchRoot()).entryList({QStringLiteral("run-*")}, QDir::Dirs).isEmpty()
                                     && !QDir(scratchRoot() + QLatin1Char('/')
                                              + QDir(scratchRoot()).entryList({QStringLiteral("run-*")}, QDir::Dirs).first())
                                             .entryList({QStringLiteral("*.buf")}, QDir::Files).isEmpty(),
                                 60000);
        killed.kill();
        QVERIFY(killed.waitForFinished());
        QVERIFY(!runsLeft().isEmpty());
        QVERIFY(!QFile::exists(work.filePath("long.bin")));

        QCOMPARE(runTool({"led", good, "-o", work.filePath(QStringLiteral("small.led"))}).exitCode, 0);
        QCOMPARE(runsLeft(), QStringList());
    }

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
        // Numbers are read strictly: finite, and whole where a count is asked.
        QTest::newRow("time nan") << QStringList{"build", "-o", "c.bin", "-t", "nan", "x.png"};
        QTest::newRow("time inf") << QStringList{"build", "-o", "c.bin", "-t", "inf", "x.png"};
        QTest::newRow("time with spaces") << QStringList{"build", "-o", "c.bin", "-t", " 2", "x.png"};
        QTest::newRow("LED count nan") << QStringList{"led", "x.png", "-o", "y", "--leds", "nan"};
        QTest::newRow("LED count 5.0") << QStringList{"led", "x.png", "-o", "y", "--leds", "5.0"};
        QTest::newRow("line count 1e2") << QStringList{"info", "c.bin", "--lines", "1e2"};
        QTest::newRow("loop count huge") << QStringList{"build", "-o", "c.bin", "-r", "4294967297", "x.gif"};
        QTest::newRow("loop count empty") << QStringList{"build", "-o", "c.bin", "-r", "", "x.gif"};
    }

    void badUsage()
    {
        QFETCH(QStringList, arguments);
        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith(QLatin1String("rotavue-card: ")));
    }

    // Every class of bad input: special files, outputs that would destroy
    // something, cut or damaged pictures and GIFs, failing writes. "@name"
    // stands for a file of the fixture; each run must fail with exit 1, name
    // the file, leave the old card and every input as they were, and leave
    // nothing under the output's name.
    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fileInMessage");
        QTest::addColumn<QString>("reason");

        const QString cutJpeg = "the JPEG data stops before its end marker, so the file was cut short.";
        QTest::newRow("missing picture") << QStringList{"led", "@missing.png", "-o", "@out.led"} << "missing.png"
                                         << "the file does not exist.";
        QTest::newRow("text named .png") << QStringList{"led", "@notes.png", "-o", "@out.led"} << "notes.png"
                                         << "it is not a picture Rotavue can read.";
        QTest::newRow("empty picture in a build") << QStringList{"build", "-o", "@old.bin", "@good.png", "@empty.jpg"}
                                                  << "empty.jpg" << "the file is empty.";
        QTest::newRow("broken GIF in a build") << QStringList{"build", "-o", "@old.bin", "@good.png", "@broken.gif"}
                                               << "broken.gif" << "the file ends before its first frame.";
        QTest::newRow("unwritable output") << QStringList{"led", "@good.png", "-o", "@no-such-folder/out.led"}
                                           << "no-such-folder" << "No such file or directory";
        QTest::newRow("not a card") << QStringList{"info", "@notes.png"} << "notes.png"
                                    << "not a card file";
        // Special files are refused without being opened: none of these may block.
        QTest::newRow("FIFO as picture") << QStringList{"led", "@pipe.png", "-o", "@out.led"} << "pipe.png"
                                         << "it is a named pipe (FIFO), not a file.";
        QTest::newRow("FIFO in a build") << QStringList{"build", "-o", "@old.bin", "@good.png", "@pipe.png"}
                                         << "pipe.png" << "it is a named pipe (FIFO), not a file.";
        QTest::newRow("FIFO as card") << QStringList{"info", "@pipe.png"} << "pipe.png"
                                      << "it is a named pipe (FIFO), not a file.";
        QTest::newRow("device as picture") << QStringList{"led", "/dev/zero", "-o", "@out.led"} << "/dev/zero"
                                           << "it is a device, not a file.";
        QTest::newRow("folder as picture") << QStringList{"led", "@album", "-o", "@out.led"} << "album"
                                           << "it is a folder, not a picture file.";
        // Outputs that would destroy what they replace.
        QTest::newRow("led output is its input") << QStringList{"led", "@good.png", "-o", "@good.png"} << "good.png"
                                                 << "it is also an input";
        QTest::newRow("build output is an input") << QStringList{"build", "-o", "@good.png", "@other.png", "@good.png"}
                                                  << "good.png" << "it is also an input";
        QTest::newRow("output is a link to the input") << QStringList{"led", "@good.png", "-o", "@link.png"}
                                                       << "link.png" << "it is also an input";
        QTest::newRow("output is a device") << QStringList{"led", "@good.png", "-o", "/dev/null"} << "/dev/null"
                                            << "it is a device, not a file.";
        QTest::newRow("output is a FIFO") << QStringList{"build", "-o", "@pipe.png", "@good.png"} << "pipe.png"
                                          << "it is a named pipe (FIFO), not a file.";
        QTest::newRow("output is a folder") << QStringList{"led", "@good.png", "-o", "@album"} << "album"
                                            << "it is a folder.";
        // Cut and damaged data, which the decoders pass with a warning at most.
        for (int percent : {25, 50, 75})
            QTest::addRow("JPEG cut at %d %%", percent)
                << QStringList{"build", "-o", "@old.bin", QStringLiteral("@cut%1.jpg").arg(percent)}
                << QStringLiteral("cut%1.jpg").arg(percent) << cutJpeg;
        QTest::newRow("JPEG without end marker") << QStringList{"led", "@noend.jpg", "-o", "@out.led"} << "noend.jpg"
                                                 << cutJpeg;
        QTest::newRow("PNG with a bad checksum") << QStringList{"led", "@flipped.png", "-o", "@out.led"}
                                                 << "flipped.png" << "does not match";
        for (int frame : {1, 2, 3})
            QTest::addRow("GIF cut in frame %d of 4", frame + 1)
                << QStringList{"build", "-o", "@old.bin", "@good.png", QStringLiteral("@cutframe%1.gif").arg(frame)}
                << QStringLiteral("cutframe%1.gif").arg(frame)
                << QStringLiteral("the file ends inside frame %1.").arg(frame + 1);
        QTest::newRow("GIF without trailer") << QStringList{"build", "-o", "@old.bin", "@notrailer.gif"}
                                             << "notrailer.gif" << "without its end marker";
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fileInMessage);
        QFETCH(QString, reason);
        const BadInputFixture fixture(work);
        QVERIFY(fixture.ready);

        const Run run = runTool(fixture.expand(arguments));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(fileInMessage), qPrintable(run.err));
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("out.led"))));
        fixture.verifyUntouched();
    }

    // Told to keep damaged input, a build converts what can be read and says so.
    void keepDamagedConvertsWhatCanBeRead_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("blocks");
        QTest::newRow("JPEG cut at 50 %") << "@cut50.jpg" << 1;
        QTest::newRow("GIF cut in frame 3 of 4") << "@cutframe2.gif" << 2;
        QTest::newRow("GIF without trailer") << "@notrailer.gif" << 4;
    }

    void keepDamagedConvertsWhatCanBeRead()
    {
        QFETCH(QString, input);
        QFETCH(int, blocks);
        const BadInputFixture fixture(work);
        QVERIFY(fixture.ready);
        const QString card = work.filePath(QStringLiteral("kept.bin"));
        const Run run = runTool(fixture.expand({"build", "--keep-damaged", "-o", card, input}));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("warning: ")) && run.err.contains(input.mid(1)), qPrintable(run.err));
        QCOMPARE(QFileInfo(card).size(), 4096 + blocks * qint64(PolarSampling::minimumLength));
    }

    // The card keeps the format, and the user hears that the display plays only 500 items.
    void moreThan500ItemsAreSaid()
    {
        const QString good = writePicture(work.filePath(QStringLiteral("tiny.png")), QSize(8, 8), 1);
        const QString card = work.filePath(QStringLiteral("many.bin"));
        QStringList arguments{"build", "-o", card, "--leds", "1", "--lines", "1"};
        for (int i = 0; i < 501; ++i)
            arguments.append(good);
        const Run run = runTool(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("warning: The playlist has 501 items, but the display plays only "
                                                "the first 500")),
                 qPrintable(run.err));
        const QByteArray bytes = readFile(card);
        QCOMPARE(bytes.mid(8, 2), QByteArray::fromHex("01f5")); // all 501 blocks counted and written
        QCOMPARE(bytes.size(), 4096 + 501 * PolarSampling::ledDataLength(1, 1));
    }

    // A stick that fills up mid-write: the reason is the device's, and nothing
    // is left under the output's name or beside it.
    void fullDevice()
    {
        const QString mountPoint = work.filePath(QStringLiteral("stick"));
        TmpfsMount stick(mountPoint, 64 * 1024);
        if (!stick.isMounted())
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here: ") + stick.error()));
        const QString good = writePicture(work.filePath(QStringLiteral("good.png")), QSize(100, 100), 3);
        const Run run = runTool({"led", good, "-o", mountPoint + QStringLiteral("/out.led")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("out.led: writing failed: No space left on device")), qPrintable(run.err));
        QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(TestRotavueCard)
#include "tst_rotavuecard.moc"
