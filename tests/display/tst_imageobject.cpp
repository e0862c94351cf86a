// The picture record's scratch files: thumbnail at construction, preview and
// buffer file after conversion, read back from disk, all three removed with
// the record; and what happens when the temp directory cannot be written.
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"

#include "LogCapture.h"
#include "TestWorkDir.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

namespace {

QImage gradient(int w, int h)
{
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    }
    return picture;
}

QImage black()
{
    QImage picture(450, 450, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

QStringList scratchFiles(const QString &tempDir)
{
    return QDir(tempDir).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestImageObject : public QObject
{
    Q_OBJECT

private slots:
    void scratchFileLife_data();
    void scratchFileLife();
    void consecutiveIdsNeverShareFiles();
    void missingSourceGivesNoThumbnail();
    void emptyDataWritesNoBuffer();
    void unwritableTempKeepsDataInMemory();
    void unreadableBufferGivesEmptyData();
    void scratchSourceGoesWithTheRecord_data();
    void scratchSourceGoesWithTheRecord();
};

// The program's own copy of a source goes with its record; a user's file never.
void TestImageObject::scratchSourceGoesWithTheRecord_data()
{
    QTest::addColumn<bool>("inScratchFolder");
    QTest::addColumn<bool>("markedScratch");
    QTest::addColumn<bool>("removed");
    QTest::newRow("our copy") << true << true << true;
    QTest::newRow("unmarked file in the scratch folder") << true << false << false;
    QTest::newRow("marked, but the user's file") << false << true << false;
}

void TestImageObject::scratchSourceGoesWithTheRecord()
{
    QFETCH(bool, inScratchFolder);
    QFETCH(bool, markedScratch);
    QFETCH(bool, removed);
    TestWorkDir work;
    QVERIFY(WorkDirectory::ensureTempDir());
    const QString source = (inScratchFolder ? WorkDirectory::tempDir() : work.path() + QLatin1Char('/'))
                           + QStringLiteral("image_1.png");
    QVERIFY(gradient(40, 30).save(source));
    {
        ImageObject record(1, source, 5, ImageObject::PictureFile);
        record.setSourceIsScratch(markedScratch);
    }
    QCOMPARE(QFile::exists(source), !removed);
}

void TestImageObject::scratchFileLife_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("crop");
    QTest::addColumn<bool>("decodedByCaller");
    QTest::newRow("1000 x 500 from the file") << QSize(1000, 500) << QRect(QPoint(250, 0), QPoint(749, 499)) << false;
    QTest::newRow("1000 x 500 decoded by the caller") << QSize(1000, 500) << QRect(QPoint(250, 0), QPoint(749, 499)) << true;
    QTest::newRow("300 x 400") << QSize(300, 400) << QRect(QPoint(0, 50), QPoint(299, 349)) << false;
}

void TestImageObject::scratchFileLife()
{
    QFETCH(QSize, size);
    QFETCH(QRect, crop);
    QFETCH(bool, decodedByCaller);
    TestWorkDir work;
    QVERIFY(work.isValid());
    const QString source = work.filePath("source.png");
    const QImage picture = gradient(size.width(), size.height());
    QVERIFY(picture.save(source));

    LogCapture log;
    auto record = decodedByCaller ? std::make_unique<ImageObject>(0, source, 5.0, ImageObject::PictureFile, picture)
                                  : std::make_unique<ImageObject>(0, source, 5.0, ImageObject::PictureFile);
    const QString id = QString::number(record->id());
    const QString temp = work.tempDir();
    QCOMPARE(record->cropRect(), crop);
    QCOMPARE(scratchFiles(temp), QStringList{id + "_1.png"});
    QCOMPARE(record->thumbnail().size(), QSize(60, 60));

    PolarSampling::imageToLedData(picture, record.get());
    QCOMPARE(scratchFiles(temp), QStringList({id + ".buf", id + "_1.png", id + "_2.png"}));
    QCOMPARE(record->bufferPath(), temp + id + ".buf");
    QCOMPARE(record->memoryLedDataLength(), 0);
    QCOMPARE(record->ledDataLength(), 114688);
    QFile buffer(record->bufferPath());
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const QByteArray onDisk = buffer.readAll();
    QCOMPARE(onDisk, PolarSampling::ledDataOf(picture, 112, 450));
    QCOMPARE(record->ledData(), onDisk);
    const QImage preview = record->previewImage();
    QCOMPARE(preview.size(), QSize(450, 450));
    QCOMPARE(preview.pixel(0, 0), qRgb(0, 0, 0));

    record.reset();
    QCOMPARE(scratchFiles(temp), QStringList());
    QCOMPARE(log.count("#ImageObject# delete."), 1);
}

void TestImageObject::consecutiveIdsNeverShareFiles()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    ImageObject first(1, QString(), 5.0, ImageObject::DiyPicture);
    ImageObject second(2, QString(), 5.0, ImageObject::DiyPicture);
    QCOMPARE(second.id(), first.id() + 1);
    QCOMPARE(ImageObject::peekNextId(), second.id() + 1);
    PolarSampling::imageToLedData(black(), &first);
    PolarSampling::imageToLedData(black(), &second);
    QVERIFY(first.bufferPath() != second.bufferPath());
    QVERIFY(first.previewPath() != second.previewPath());
    QVERIFY(first.thumbnailPath() != second.thumbnailPath());
    QCOMPARE(scratchFiles(work.tempDir()).size(), 4);
}

void TestImageObject::missingSourceGivesNoThumbnail()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    QVERIFY(QFile(work.filePath("broken.jpg")).open(QIODevice::WriteOnly)); // empty: not a picture
    const QString paths[] = {work.filePath("missing.png"), work.filePath("broken.jpg")};
    for (const QString &path : paths) {
        ImageObject record(0, path, 5.0, ImageObject::PictureFile);
        QVERIFY(record.cropRect().isNull());
        QVERIFY(record.thumbnail().isNull());
        QCOMPARE(record.setThumbnail(QImage()), -1);
        QCOMPARE(record.setPreviewImage(QImage()), -1);
    }
    QCOMPARE(scratchFiles(work.tempDir()), QStringList());
}

void TestImageObject::emptyDataWritesNoBuffer()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    ImageObject record(0, QString(), 5.0, ImageObject::PictureFile);
    record.saveLedData();
    QVERIFY(record.bufferPath().isEmpty());
    QVERIFY(record.ledData().isEmpty());
    QCOMPARE(scratchFiles(work.tempDir()), QStringList());
}

void TestImageObject::unwritableTempKeepsDataInMemory()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    // A file where the temp folder should be: nothing can be created inside.
    QFile blocker(work.path() + "/temp");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    ImageObject record(0, QString(), 5.0, ImageObject::PictureFile);
    QCOMPARE(record.setThumbnail(black()), 1);
    QCOMPARE(record.setPreviewImage(black()), 1);
    const QByteArray data(114688, '\x5A');
    record.setLedData(data);
    record.saveLedData();
    QCOMPARE(record.memoryLedDataLength(), 114688);
    QCOMPARE(record.ledData(), data);
    QVERIFY(record.thumbnail().isNull());
    QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"temp"});
}

void TestImageObject::unreadableBufferGivesEmptyData()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    ImageObject record(0, QString(), 5.0, ImageObject::PictureFile);
    PolarSampling::imageToLedData(black(), &record);
    QVERIFY(QFile::remove(record.bufferPath()));
    QVERIFY(record.ledData().isEmpty());
}

QTEST_GUILESS_MAIN(TestImageObject)
#include "tst_imageobject.moc"
