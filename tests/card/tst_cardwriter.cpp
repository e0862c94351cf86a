#include "FailingWriteSteps.h"
#include "PlaylistFixture.h"
#include "TmpfsMount.h"

#include "LogCapture.h"
#include "TestWorkDir.h"
#include "card/CardTableOfContents.h"
#include "card/CardWriter.h"
#include "card/StagedFile.h"
#include "card/ChosenStick.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PolarSampling.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int defaultBlock = PolarSampling::minimumLength; // 114688

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Every record's data as it was, to show that a download changed nothing.
QList<QByteArray> snapshot(const PlaylistFixture &playlist)
{
    QList<QByteArray> data;
    for (ImageObject *picture : playlist.pictures)
        data.append(picture->ledData());
    for (MediaObject *sequence : playlist.sequences) {
        for (ImageObject *frame : sequence->frames())
            data.append(frame->ledData());
    }
    return data;
}

CardWriter writerWithFreeSpace(qint64 bytes)
{
    CardWriter writer;
    writer.setFreeSpaceQuery([bytes](const QString &) { return bytes; });
    return writer;
}

} // namespace

class TestCardWriter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void workedExampleWritesEveryBlockInOrder();
    void emptyPlaylistIsTheTableAlone();
    void moreThan500EntriesStillWritesEveryBlock();
    void replacesAnOldCardFile();
    void unwritableTarget_data();
    void unwritableTarget();
    void freeSpaceIsCheckedFirst_data();
    void freeSpaceIsCheckedFirst();
    void sizeOfAVolumeWithoutTotalIsUnknown_data();
    void sizeOfAVolumeWithoutTotalIsUnknown();
    void pulledStickWritesNothing_data();
    void pulledStickWritesNothing();
    void smallStickIsRefusedByItsOwnFreeSpace();
    void stickFillingUpMidwayLeavesOldCardIntact();
    void injectedFaultIsToldTruthfully_data();
    void injectedFaultIsToldTruthfully();
    void stickUnmountedMidWrite();
    void partialCardsOfKilledDownloadsAreRemoved();
    void unreadableRecordGetsAZeroBlock_data();
    void unreadableRecordGetsAZeroBlock();

private:
    TestWorkDir work;
    QScopedPointer<QTemporaryDir> target;
};

void TestCardWriter::init()
{
    target.reset(new QTemporaryDir);
    QVERIFY(target->isValid());
}

void TestCardWriter::workedExampleWritesEveryBlockInOrder()
{
    PlaylistFixture playlist;
    playlist.addPicture(5, defaultBlock);
    playlist.addPicture(2.5, defaultBlock);
    playlist.addSequence(30, 3, defaultBlock);
    const QString path = target->filePath(QStringLiteral("show.bin"));

    LogCapture log;
    const CardWriteResult result = CardWriter().write(playlist.pictures, playlist.sequences, path);
    QVERIFY2(result.complete(), qPrintable(result.message));
    QCOMPARE(result.path, path);

    const QByteArray card = readAll(path);
    QCOMPARE(card.size(), 3674112);
    QCOMPARE(card.left(4096), CardTableOfContents::build(playlist.pictures, playlist.sequences));
    QCOMPARE(card.mid(8, 2), QByteArray::fromHex("0020"));
    const QList<QByteArray> blocks = snapshot(playlist);
    QCOMPARE(blocks.size(), 32);
    for (int i = 0; i < blocks.size(); ++i)
        QVERIFY2(card.mid(4096 + qsizetype(i) * defaultBlock, defaultBlock) == blocks[i], qPrintable(QString::number(i + 1)));
    QCOMPARE(folderEntries(target->path()), QStringList{QStringLiteral("show.bin")}); // no temporary left

    QVERIFY(log.contains(QStringLiteral("#MainWindow# downToUsb2 bytes length =  4096")));
    QCOMPARE(log.count(QStringLiteral("#MainWindow# downToUsb2 image bytes length =  0")), 32);
}

void TestCardWriter::emptyPlaylistIsTheTableAlone()
{
    const QString path = target->filePath(QStringLiteral(".bin"));
    const CardWriteResult result = CardWriter().write({}, {}, path);
    QVERIFY2(result.complete(), qPrintable(result.message));
    const QByteArray card = readAll(path);
    QCOMPARE(card.size(), 4096);
    QCOMPARE(card, CardTableOfContents::build({}, {}));
}

void TestCardWriter::moreThan500EntriesStillWritesEveryBlock()
{
    PlaylistFixture playlist;
    for (int i = 0; i < 501; ++i)
        playlist.addPicture(1, 16);
    playlist.addSequence(2, 1, 16);
    const QString path = target->filePath(QStringLiteral("many.bin"));

    const CardWriteResult result = CardWriter().write(playlist.pictures, playlist.sequences, path);
    QVERIFY2(result.complete(), qPrintable(result.message));
    const QByteArray card = readAll(path);
    QCOMPARE(card.size(), 4096 + 503 * 16);
    QCOMPARE(card.mid(8, 2), QByteArray::fromHex("01f7"));
    QCOMPARE(card.right(16), playlist.sequences[0]->frame(1)->ledData());
}

void TestCardWriter::replacesAnOldCardFile()
{
    const QString path = target->filePath(QStringLiteral("show.bin"));
    QVERIFY(writeFile(path, QByteArray(100000, 'x')));
    PlaylistFixture playlist;
    playlist.addPicture(5, 64);

    const CardWriteResult result = CardWriter().write(playlist.pictures, {}, path);
    QVERIFY2(result.complete(), qPrintable(result.message));
    QCOMPARE(readAll(path).size(), 4096 + 64);
    QCOMPARE(folderEntries(target->path()), QStringList{QStringLiteral("show.bin")});
}

void TestCardWriter::unwritableTarget_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << QStringLiteral("missing") << QStringLiteral("No such file or directory");
    QTest::newRow("folder is a file") << QStringLiteral("file") << QStringLiteral("Not a directory");
    QTest::newRow("folder read-only") << QStringLiteral("mode") << QStringLiteral("Permission denied");
    QTest::newRow("read-only stick") << QStringLiteral("mount") << QStringLiteral("Read-only file system");
}

void TestCardWriter::unwritableTarget()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString folder = target->filePath(QStringLiteral("stick"));
    QScopedPointer<TmpfsMount> stick;
    auto restoreMode = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (kind == QLatin1String("file")) {
        QVERIFY(writeFile(folder, "not a folder"));
    } else if (kind == QLatin1String("mode")) {
        if (::geteuid() == 0)
            QSKIP("Running as root, which writes into read-only folders anyway.");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    } else if (kind == QLatin1String("mount")) {
        stick.reset(new TmpfsMount(folder, 1 << 20, TmpfsMount::ReadOnly));
        if (!stick->isMounted())
            QSKIP(qPrintable(QStringLiteral("Cannot mount a test file system here: ") + stick->error()));
    }
    PlaylistFixture playlist;
    playlist.addPicture(5, 64);
    const QList<QByteArray> before = snapshot(playlist);
    const QString path = folder + QLatin1String("/show.bin");

    const CardWriteResult result = CardWriter().write(playlist.pictures, {}, path);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(path) && result.message.contains(reason), qPrintable(result.message));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(snapshot(playlist), before);
}

void TestCardWriter::freeSpaceIsCheckedFirst_data()
{
    const qint64 needed = 4096 + 3 * 64;
    const qint64 oldCard = 21;
    const int beside = int(CardWriter::Replace::Beside);
    const int makeRoom = int(CardWriter::Replace::MakeRoomIfNeeded);
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<int>("replace");
    QTest::addColumn<bool>("written");
    QTest::newRow("one byte short") << needed - 1 << beside << false;
    QTest::newRow("exactly enough") << needed << beside << true;
    QTest::newRow("unknown") << qint64(-1) << beside << true;
    QTest::newRow("fits in the old card's place") << needed - oldCard << makeRoom << true;
    QTest::newRow("short even with the old card's place") << needed - oldCard - 1 << makeRoom << false;
}

void TestCardWriter::freeSpaceIsCheckedFirst()
{
    QFETCH(qint64, freeBytes);
    QFETCH(int, replace);
    QFETCH(bool, written);
    PlaylistFixture playlist;
    playlist.addPicture(5, 64);
    playlist.addSequence(2, 1, 64);
    const QString path = target->filePath(QStringLiteral("show.bin"));
    const QByteArray oldCard("the card of last week");
    QVERIFY(writeFile(path, oldCard));

    QString askedFolder;
    CardWriter writer;
    writer.setFreeSpaceQuery([&](const QString &folder) {
        askedFolder = folder;
        return freeBytes;
    });
    const CardWriteResult result = writer.write(playlist.pictures, playlist.sequences, path, ChosenStick(),
                                                CardWriter::Replace(replace));
    QCOMPARE(askedFolder, target->path());
    QCOMPARE(result.ok, written);
    if (written) {
        QCOMPARE(readAll(path).size(), 4096 + 3 * 64);
        return;
    }
    QVERIFY2(result.message.contains(path) && result.message.contains(QLatin1String("Not enough space")),
             qPrintable(result.message));
    QCOMPARE(readAll(path), oldCard);
}

void TestCardWriter::sizeOfAVolumeWithoutTotalIsUnknown_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("available");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("ordinary") << qint64(1000) << qint64(300) << qint64(300);
    QTest::newRow("full") << qint64(1000) << qint64(0) << qint64(0);
    QTest::newRow("driver reports no size") << qint64(0) << qint64(0) << qint64(-1);
}

void TestCardWriter::sizeOfAVolumeWithoutTotalIsUnknown()
{
    QFETCH(qint64, total);
    QFETCH(qint64, available);
    QFETCH(qint64, expected);
    QCOMPARE(CardWriter::usableSpace(total, available), expected);
}

void TestCardWriter::pulledStickWritesNothing_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("between choosing and writing") << QStringLiteral("before");
    QTest::newRow("between writing and renaming") << QStringLiteral("while");
    QTest::newRow("another volume mounted in its place") << QStringLiteral("swapped");
}

void TestCardWriter::pulledStickWritesNothing()
{
    QFETCH(QString, when);
    const QString table = target->filePath(QStringLiteral("mountinfo"));
    const QString mountPoint = target->filePath(QStringLiteral("STICK"));
    QVERIFY(QDir().mkpath(mountPoint));
    auto writeTable = [&](const QByteArray &device) {
        QByteArray text = "20 1 8:1 / / rw - ext4 /dev/sda1 rw\n";
        if (!device.isEmpty())
            text += "31 20 " + device + " / " + mountPoint.toUtf8() + " rw - vfat /dev/sdb1 rw\n";
        return writeFile(table, text);
    };
    QVERIFY(writeTable("8:17"));
    const ChosenStick stick(mountPoint, ChosenStick::visibleDevice(table, mountPoint), table);
    QCOMPARE(stick.device(), QStringLiteral("8:17"));
    QVERIFY(stick.problem().isEmpty());

    PlaylistFixture playlist;
    playlist.addPicture(5, 64);
    CardWriter writer;
    if (when == QLatin1String("before"))
        QVERIFY(writeTable(QByteArray()));
    else if (when == QLatin1String("swapped"))
        QVERIFY(writeTable("8:33"));
    else // the free-space query runs once the writer has begun
        writer.setFreeSpaceQuery([&](const QString &) { writeTable(QByteArray()); return qint64(-1); });

    const QString path = mountPoint + QLatin1String("/show.bin");
    const CardWriteResult result = writer.write(playlist.pictures, {}, path, stick);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(QLatin1String("no longer there")) && result.message.contains(path),
             qPrintable(result.message));
    QCOMPARE(folderEntries(mountPoint), QStringList());
}

void TestCardWriter::smallStickIsRefusedByItsOwnFreeSpace()
{
    const QString folder = target->filePath(QStringLiteral("stick"));
    TmpfsMount stick(folder, 256 * 1024);
    if (!stick.isMounted())
        QSKIP(qPrintable(QStringLiteral("Cannot mount a test file system here: ") + stick.error()));
    PlaylistFixture playlist;
    for (int i = 0; i < 4; ++i)
        playlist.addPicture(5, defaultBlock);

    const CardWriteResult result = CardWriter().write(playlist.pictures, {}, folder + QLatin1String("/show.bin"));
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(QLatin1String("Not enough space")), qPrintable(result.message));
    QVERIFY(folderEntries(folder).isEmpty());
}

void TestCardWriter::stickFillingUpMidwayLeavesOldCardIntact()
{
    const QString folder = target->filePath(QStringLiteral("stick"));
    TmpfsMount stick(folder, 1024 * 1024);
    if (!stick.isMounted())
        QSKIP(qPrintable(QStringLiteral("Cannot mount a test file system here: ") + stick.error()));
    const QString path = folder + QLatin1String("/show.bin");
    const QByteArray oldCard = PlaylistFixture::pattern(7, 300000);
    QVERIFY(writeFile(path, oldCard));
    PlaylistFixture playlist;
    for (int i = 0; i < 8; ++i)
        playlist.addPicture(5, defaultBlock);
    const QList<QByteArray> before = snapshot(playlist);

    // The stick claims room it does not have: the writing itself must fail.
    const CardWriteResult result = writerWithFreeSpace(qint64(1) << 40).write(playlist.pictures, {}, path);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(path) && result.message.contains(QLatin1String("No space left")),
             qPrintable(result.message));
    QCOMPARE(readAll(path), oldCard);
    QCOMPARE(folderEntries(folder), QStringList{QStringLiteral("show.bin")});
    QCOMPARE(snapshot(playlist), before);
}

// Faults injected through the writer's system calls: each ends with a message
// that names the card and the step's own reason, the old card as it was and no
// partial card beside it. Only a folder that does not confirm the rename
// leaves the new card in place, and says so.
void TestCardWriter::injectedFaultIsToldTruthfully_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("failAt"); // write number: 1 is the table, k + 1 block k
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("newCardInPlace");

    const QString failed = "Writing the card file %1 failed: ";
    QTest::newRow("write error at block 1") << int(FailingWriteSteps::Write) << EIO << 2
                                            << failed + "writing failed: Input/output error." << false;
    QTest::newRow("write error at block 4") << int(FailingWriteSteps::Write) << EIO << 5
                                            << failed + "writing failed: Input/output error." << false;
    QTest::newRow("stick full at block 3") << int(FailingWriteSteps::Write) << ENOSPC << 4
                                           << failed + "writing failed: No space left on device." << false;
    // errno still holds an old, unrelated reason: it must not be the one told.
    QTest::newRow("a write takes nothing") << int(FailingWriteSteps::WriteNothing) << EACCES << 3
                                           << failed + "the device took no more data; it may be full." << false;
    QTest::newRow("failed flush") << int(FailingWriteSteps::Sync) << EIO << 0
                                  << failed + "the data could not be flushed to the device: Input/output error."
                                  << false;
    QTest::newRow("failed close") << int(FailingWriteSteps::Close) << EIO << 0
                                  << failed + "closing the file failed: Input/output error." << false;
    QTest::newRow("failed rename") << int(FailingWriteSteps::Rename) << EACCES << 0
                                   << "The card file %1 could not be saved: the finished file could not replace %1: "
                                      "Permission denied." << false;
    QTest::newRow("folder does not confirm") << int(FailingWriteSteps::SyncFolder) << EIO << 0
                                             << "The card file %1 was written, but the stick did not confirm it: "
                                                "Input/output error." << true;
}

void TestCardWriter::injectedFaultIsToldTruthfully()
{
    QFETCH(int, step);
    QFETCH(int, error);
    QFETCH(int, failAt);
    QFETCH(QString, reason);
    QFETCH(bool, newCardInPlace);

    const QString path = target->filePath(QStringLiteral("show.bin"));
    const QByteArray oldCard = PlaylistFixture::pattern(9, 5000);
    QVERIFY(writeFile(path, oldCard));
    PlaylistFixture playlist;
    for (int i = 0; i < 5; ++i)
        playlist.addPicture(5, 4096);

    FailingWriteSteps steps(FailingWriteSteps::Step(step), error, failAt);
    CardWriter writer;
    writer.setWriteSteps(&steps);
    const CardWriteResult result = writer.write(playlist.pictures, {}, path);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.startsWith(QString(reason).replace(QLatin1String("%1"), path)), qPrintable(result.message));
    QCOMPARE(readAll(path).size(), newCardInPlace ? 4096 + 5 * 4096 : oldCard.size());
    if (!newCardInPlace)
        QCOMPARE(readAll(path), oldCard);
    QCOMPARE(folderEntries(target->path()), QStringList{QStringLiteral("show.bin")});
}

// The stick is unmounted (lazily, as a pulled stick is) while block 2 is
// written: the download says the stick is gone, nothing appears under the
// card's name in the folder left behind, and the old card on the stick is
// as it was.
void TestCardWriter::stickUnmountedMidWrite()
{
    const QString folder = target->filePath(QStringLiteral("stick"));
    TmpfsMount mount(folder, 4 * 1024 * 1024);
    if (!mount.isMounted())
        QSKIP(qPrintable(QStringLiteral("Cannot mount a test file system here: ") + mount.error()));
    const QString path = folder + QLatin1String("/show.bin");
    const QByteArray oldCard = PlaylistFixture::pattern(3, 20000);
    QVERIFY(writeFile(path, oldCard));
    const QString mountInfo = QStringLiteral("/proc/self/mountinfo");
    const ChosenStick stick(folder, ChosenStick::visibleDevice(mountInfo, folder), mountInfo);
    QVERIFY(!stick.device().isEmpty());
    // The stick's own root, reachable after the unmount through this handle only.
    const int stickRoot = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(stickRoot >= 0);
    const auto closeRoot = qScopeGuard([stickRoot] { ::close(stickRoot); });

    PlaylistFixture playlist;
    for (int i = 0; i < 4; ++i)
        playlist.addPicture(5, defaultBlock);
    FailingWriteSteps steps(FailingWriteSteps::None, 0);
    steps.setBeforeWrite(3, [&mount] { QVERIFY(mount.unmount()); });
    CardWriter writer;
    writer.setWriteSteps(&steps);
    const CardWriteResult result = writer.write(playlist.pictures, {}, path, stick);

    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(QLatin1String("no longer there")) && result.message.contains(path),
             qPrintable(result.message));
    QVERIFY(!mount.isMounted());
    QCOMPARE(folderEntries(folder), QStringList()); // nothing under the card's name where the stick was
    const QString onStick = QStringLiteral("/proc/self/fd/%1").arg(stickRoot);
    QCOMPARE(readAll(onStick + QLatin1String("/show.bin")), oldCard);
    for (const QString &name : folderEntries(onStick))
        QVERIFY2(name == QLatin1String("show.bin") || StagedFile::isPartialName(name), qPrintable(name));
}

// A download killed mid-write leaves its partial card; the next download to
// that stick removes it, and nothing else.
void TestCardWriter::partialCardsOfKilledDownloadsAreRemoved()
{
    const QStringList others{"notes.txt", "show.bin.rotavue-partial-notes.txt", "old.bin.XyZ123"};
    for (const QString &name : others + QStringList{"show.bin.rotavue-partial-k1ll3d"})
        QVERIFY(writeFile(target->filePath(name), "x"));
    PlaylistFixture playlist;
    playlist.addPicture(5, 64);
    const CardWriteResult result = CardWriter().write(playlist.pictures, {}, target->filePath(QStringLiteral("show.bin")));
    QVERIFY2(result.complete(), qPrintable(result.message));
    QStringList expected = others + QStringList{"show.bin"};
    expected.sort();
    QCOMPARE(folderEntries(target->path()), expected);
}

void TestCardWriter::unreadableRecordGetsAZeroBlock_data()
{
    QTest::addColumn<int>("brokenBlock");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("neverConverted");
    QTest::newRow("picture") << 2 << QStringLiteral("picture 2") << false;
    QTest::newRow("frame") << 5 << QStringLiteral("frame 2 of sequence 1") << false;
    QTest::newRow("picture never converted") << 3 << QStringLiteral("picture 3") << true;
}

void TestCardWriter::unreadableRecordGetsAZeroBlock()
{
    QFETCH(int, brokenBlock);
    QFETCH(QString, name);
    QFETCH(bool, neverConverted);
    PlaylistFixture playlist;
    playlist.addPicture(5, defaultBlock);
    playlist.addPicture(5, defaultBlock);
    if (neverConverted)
        playlist.pictures.append(new ImageObject(3, QString(), 5, ImageObject::PictureFile));
    else
        playlist.addPicture(5, defaultBlock);
    playlist.addSequence(3, 1, defaultBlock);
    const QList<QByteArray> before = snapshot(playlist);
    ImageObject *broken = brokenBlock <= 3 ? playlist.pictures[brokenBlock - 1]
                                           : playlist.sequences[0]->frame(brokenBlock - 4);
    if (!neverConverted)
        QVERIFY(QFile::remove(broken->bufferPath()));
    const QString path = target->filePath(QStringLiteral("show.bin"));

    const CardWriteResult result = CardWriter().write(playlist.pictures, playlist.sequences, path);
    QVERIFY(result.ok);
    QVERIFY(!result.complete());
    QCOMPARE(result.problemNames, QStringList{name});
    QCOMPARE(result.problemBlocks, QList<int>{brokenBlock});
    QVERIFY2(result.message.contains(path) && result.message.contains(name), qPrintable(result.message));

    const QByteArray card = readAll(path);
    QCOMPARE(card.size(), 4096 + 6 * defaultBlock);
    for (int block = 1; block <= 6; ++block) {
        const QByteArray written = card.mid(4096 + qsizetype(block - 1) * defaultBlock, defaultBlock);
        if (block == brokenBlock)
            QCOMPARE(written, QByteArray(defaultBlock, '\0'));
        else
            QCOMPARE(written, before[block - 1]);
    }
}

QTEST_GUILESS_MAIN(TestCardWriter)
#include "tst_cardwriter.moc"
