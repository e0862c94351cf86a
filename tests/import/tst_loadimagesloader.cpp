// Reading one picture file for the import: the centred square, and a clear
// reason for every file that cannot be read as a picture.
#include "import/PictureLoader.h"

#include "EncodedPicture.h"
#include "TestWorkDir.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Every pixel tells where it came from.
QRgb coordinateColour(int x, int y)
{
    return qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

QImage coordinatePicture(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, coordinateColour(x, y));
    }
    return picture;
}

QByteArray smallJpeg()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    return encodedPicture(picture, "JPG");
}

// A JPEG whose header claims 20000 x 20000 pixels.
QByteArray hugeJpegHeader()
{
    QByteArray jpeg = smallJpeg();
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    for (int i = 5; i <= 8; ++i)
        jpeg[frame + i] = char(i % 2 ? 0x4E : 0x20); // 0x4E20 = 20000, height then width
    return jpeg;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace

class TestLoadImagesLoader : public QObject
{
    Q_OBJECT
private slots:
    void cutsLargestCentredSquare_data();
    void cutsLargestCentredSquare();
    void contentDecidesFormat_data();
    void contentDecidesFormat();
    void unreadableFileSaysWhy_data();
    void unreadableFileSaysWhy();
};

void TestLoadImagesLoader::cutsLargestCentredSquare_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("square");

    QTest::newRow("400 x 300") << QSize(400, 300) << QRect(50, 0, 300, 300);
    QTest::newRow("300 x 400") << QSize(300, 400) << QRect(0, 50, 300, 300);
    QTest::newRow("square used whole") << QSize(300, 300) << QRect(0, 0, 300, 300);
    QTest::newRow("odd difference rounds down") << QSize(301, 200) << QRect(50, 0, 200, 200);
    QTest::newRow("one row") << QSize(600, 1) << QRect(299, 0, 1, 1);
}

void TestLoadImagesLoader::cutsLargestCentredSquare()
{
    QFETCH(QSize, size);
    QFETCH(QRect, square);

    TestWorkDir work;
    const QString path = writeFile(work.filePath("picture.png"), encodedPicture(coordinatePicture(size), "PNG"));
    QVERIFY(!path.isEmpty());

    const PictureLoader loader(path);
    QVERIFY2(loader.isLoaded(), qPrintable(loader.reason()));
    QCOMPARE(loader.picture().size(), size); // the whole picture, not the square
    QCOMPARE(loader.squareRect(), square);

    const QImage cut = loader.square();
    QCOMPARE(cut.size(), square.size());
    QCOMPARE(cut.pixel(0, 0), coordinateColour(square.left(), square.top()));
    QCOMPARE(cut.pixel(cut.width() - 1, cut.height() - 1), coordinateColour(square.right(), square.bottom()));

    const QImage preview = loader.preview();
    QCOMPARE(preview.size(), QSize(300, 300));
    QCOMPARE(preview.pixel(0, 0), coordinateColour(square.left(), square.top()));
}

void TestLoadImagesLoader::contentDecidesFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QTest::newRow("PNG named .jpg") << "photo.jpg" << encodedPicture(picture, "PNG");
    QTest::newRow("JPEG named .png") << "photo.png" << encodedPicture(picture, "JPG");
    QTest::newRow("no suffix") << "photo" << encodedPicture(picture, "PNG");
}

void TestLoadImagesLoader::contentDecidesFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    TestWorkDir work;
    const PictureLoader loader(writeFile(work.filePath(name), bytes));
    QVERIFY2(loader.isLoaded(), qPrintable(loader.reason()));
    QCOMPARE(loader.picture().size(), QSize(40, 30));
    QVERIFY(loader.reason().isEmpty());
}

void TestLoadImagesLoader::unreadableFileSaysWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // nothing written when null; a name ending in '/' is made a folder
    QTest::addColumn<QString>("reason");

    const QByteArray png = encodedPicture(coordinatePicture(QSize(60, 40)), "PNG");
    const QByteArray jpeg = smallJpeg();
    QTest::newRow("missing") << "gone.png" << QByteArray() << "the file does not exist.";
    QTest::newRow("folder") << "album.png/" << QByteArray() << "it is a folder, not a picture file.";
    QTest::newRow("empty") << "empty.png" << QByteArray("") << "the file is empty.";
    QTest::newRow("text renamed") << "notes.png" << QByteArray("shopping list\n") << "it is not a picture Rotavue can read.";
    const QString pngCut = "the file is damaged: the PNG data stops before its end chunk, so the file was cut short.";
    const QString jpegCut = "the file is damaged: the JPEG data stops before its end marker, so the file was cut short.";
    const QByteArray photo = encodedPicture(coordinatePicture(QSize(400, 300)), "JPG");
    QByteArray flipped = png;
    flipped[png.size() / 2] = char(flipped.at(png.size() / 2) ^ 0x20);
    QTest::newRow("PNG cut short") << "short.png" << png.left(png.size() - 30) << pngCut;
    QTest::newRow("PNG without its last byte") << "last.png" << png.left(png.size() - 1) << pngCut;
    QTest::newRow("PNG with a flipped bit")
        << "flip.png" << flipped << "the file is damaged: the PNG data is damaged: the checksum of its IDAT chunk does not match.";
    QTest::newRow("JPEG cut in half") << "half.jpg" << jpeg.left(jpeg.size() / 2) << jpegCut;
    // Qt's reader decodes these with a warning only: mostly grey pictures.
    QTest::newRow("photo cut at 25 %") << "quarter.jpg" << photo.left(photo.size() / 4) << jpegCut;
    QTest::newRow("photo cut at 75 %") << "most.jpg" << photo.left(photo.size() * 3 / 4) << jpegCut;
    QTest::newRow("photo without its end marker") << "noend.jpg" << photo.left(photo.size() - 2) << jpegCut;
    // Special files: refused before opening, so nothing blocks.
    QTest::newRow("named pipe") << "pipe.png|" << QByteArray() << "it is a named pipe (FIFO), not a file.";
    QTest::newRow("device") << "zero.png@/dev/zero" << QByteArray() << "it is a device, not a file.";
    QTest::newRow("zero-size picture") << "zero.png" << QByteArray("P6\n0 0\n255\n") << "the file is damaged or incomplete.";
    QTest::newRow("huge picture") << "huge.jpg" << hugeJpegHeader() << "the picture is too large (20000 x 20000 pixels).";
}

void TestLoadImagesLoader::unreadableFileSaysWhy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    TestWorkDir work;
    const QString path = work.filePath(name.section(QLatin1Char('@'), 0, 0).remove(QLatin1Char('|')));
    if (name.endsWith(QLatin1Char('/')))
        QVERIFY(QDir().mkpath(path));
    else if (name.endsWith(QLatin1Char('|')))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (name.contains(QLatin1Char('@')))
        QVERIFY(QFile::link(name.section(QLatin1Char('@'), 1), path));
    else if (!bytes.isNull())
        QVERIFY(!writeFile(path, bytes).isEmpty());

    const PictureLoader loader(path);
    QVERIFY(!loader.isLoaded());
    QCOMPARE(loader.reason(), reason);
    QVERIFY(loader.picture().isNull());
    QVERIFY(loader.preview().isNull());
}

QTEST_GUILESS_MAIN(TestLoadImagesLoader)
#include "tst_loadimagesloader.moc"
