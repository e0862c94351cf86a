#include "TmpfsMount.h"

#include "LogCapture.h"
#include "card/MountTable.h"
#include "card/VolumeSource.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray mountLine(int id, const QByteArray &device, const QByteArray &mountPoint, const QByteArray &source,
                     const QByteArray &root = "/")
{
    return QByteArray::number(id) + " 1 " + device + ' ' + root + ' ' + mountPoint
           + " rw,nosuid,nodev,relatime shared:" + QByteArray::number(id) + " - vfat " + source
           + " rw,fmask=0022\n";
}

// A sysfs tree with a USB stick (8:16, partition 8:17), a card reader with
// the removable flag (179:0, partition 179:1), an unpartitioned removable
// disk (8:32) and a fixed SATA disk (8:0, partition 8:1).
class FakeSysfs
{
public:
    explicit FakeSysfs(const QString &root) : sys(root)
    {
        const QString usb = QStringLiteral("devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb");
        const QString reader = QStringLiteral("devices/platform/soc/mmc0/mmc_host/mmc0/mmc0:0001/block/mmcblk0");
        const QString floppy = QStringLiteral("devices/pci0000:00/0000:00:1f.2/ata3/host2/target2:0:0/2:0:0:0/block/sdc");
        const QString sata = QStringLiteral("devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0/block/sda");
        disk(usb, "0", QStringLiteral("8:16"));
        partition(usb, QStringLiteral("sdb1"), QStringLiteral("8:17"));
        disk(reader, "1", QStringLiteral("179:0"));
        partition(reader, QStringLiteral("mmcblk0p1"), QStringLiteral("179:1"));
        disk(floppy, "1", QStringLiteral("8:32"));
        disk(sata, "0", QStringLiteral("8:0"));
        partition(sata, QStringLiteral("sda1"), QStringLiteral("8:1"));
    }
    QString root() const { return sys; }

private:
    void disk(const QString &path, const QByteArray &removable, const QString &majorMinor)
    {
        writeFile(sys + QLatin1Char('/') + path + QLatin1String("/removable"), removable + '\n');
        link(path, majorMinor);
    }
    void partition(const QString &diskPath, const QString &name, const QString &majorMinor)
    {
        const QString path = diskPath + QLatin1Char('/') + name;
        writeFile(sys + QLatin1Char('/') + path + QLatin1String("/partition"), "1\n");
        link(path, majorMinor);
    }
    void link(const QString &path, const QString &majorMinor)
    {
        QDir().mkpath(sys + QLatin1String("/dev/block"));
        QDir().mkpath(sys + QLatin1String("/class/block"));
        QFile::link(QLatin1String("../../") + path, sys + QLatin1String("/dev/block/") + majorMinor);
        QFile::link(QLatin1String("../../") + path, sys + QLatin1String("/class/block/") + QFileInfo(path).fileName());
    }
    QString sys;
};

} // namespace

class TestVolumeSource : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void unescape_data();
    void unescape();
    void parseSkipsBrokenLines();
    void listsOnlySticks_data();
    void listsOnlySticks();
    void mountAndUnmountAreReported();
    void unchangedTableReportsNothing();
    void stickSwappedAtTheSamePath();
    void sharedMountPointStaysWhileAnyVolumeIsThere();
    void unreadableTableKeepsTheList();
    void kernelReportsRealMounts();
    void queryDiskSpace();

private:
    QString tablePath() const { return dir->filePath(QStringLiteral("mountinfo")); }
    QScopedPointer<QTemporaryDir> dir;
    QScopedPointer<FakeSysfs> sysfs;
    const QByteArray baseTable = mountLine(20, "8:1", "/", "/dev/sda1")
                                 + "21 20 0:21 / /proc rw,relatime - proc proc rw\n";
};

void TestVolumeSource::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    sysfs.reset(new FakeSysfs(dir->filePath(QStringLiteral("sys"))));
}

void TestVolumeSource::unescape_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << QByteArray("/media/ann/STICK") << QStringLiteral("/media/ann/STICK");
    QTest::newRow("space") << QByteArray("/media/ann/MY\\040STICK") << QStringLiteral("/media/ann/MY STICK");
    QTest::newRow("tab and newline") << QByteArray("/mnt/a\\011b\\012c") << QStringLiteral("/mnt/a\tb\nc");
    QTest::newRow("backslash") << QByteArray("/mnt/a\\134b") << QStringLiteral("/mnt/a\\b");
    QTest::newRow("utf-8 bytes") << QByteArray("/media/\xe5\xb1\x95") << QStringLiteral("/media/\u5c55");
    QTest::newRow("not an escape") << QByteArray("/mnt/a\\9b\\04") << QStringLiteral("/mnt/a\\9b\\04");
}

void TestVolumeSource::unescape()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, path);
    QCOMPARE(MountTable::unescape(field), path);
}

void TestVolumeSource::parseSkipsBrokenLines()
{
    const QByteArray text = "garbage\n"
                            "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue\n"
                            "37 35 98:1 / /no/separator rw\n"
                            "38 35 8:17 / /media/a\\040b rw - vfat /dev/sdb1 rw\n";
    const QList<MountTable::Entry> entries = MountTable::parse(text);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].device, QStringLiteral("98:0"));
    QCOMPARE(entries[0].root, QStringLiteral("/mnt1"));
    QCOMPARE(entries[0].mountPoint, QStringLiteral("/mnt2"));
    QCOMPARE(entries[0].fileSystem, QStringLiteral("ext3"));
    QCOMPARE(entries[0].source, QStringLiteral("/dev/root"));
    QCOMPARE(entries[1].mountPoint, QStringLiteral("/media/a b"));
    QCOMPARE(entries[1].source, QStringLiteral("/dev/sdb1"));
}

void TestVolumeSource::listsOnlySticks_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("expected");
    const QStringList none;
    QTest::newRow("usb partition") << mountLine(30, "8:17", "/mnt/usb", "/dev/sdb1") << QStringList{"/mnt/usb"};
    QTest::newRow("usb found by device name") << mountLine(30, "253:7", "/mnt/usb", "/dev/sdb1")
                                              << QStringList{"/mnt/usb"};
    QTest::newRow("unknown device") << mountLine(30, "253:8", "/mnt/x", "/dev/mapper/x") << none;
    QTest::newRow("card reader partition") << mountLine(30, "179:1", "/mnt/sd", "/dev/mmcblk0p1") << QStringList{"/mnt/sd"};
    QTest::newRow("removable whole disk") << mountLine(30, "8:32", "/mnt/disk", "/dev/sdc") << QStringList{"/mnt/disk"};
    QTest::newRow("fixed disk") << mountLine(30, "8:1", "/home", "/dev/sda1") << none;
    QTest::newRow("fixed disk under /media") << mountLine(30, "8:1", "/media/ann/DATA", "/dev/sda1")
                                             << QStringList{"/media/ann/DATA"};
    QTest::newRow("anything under /run/media") << mountLine(30, "0:55", "/run/media/ann/X", "fuse")
                                               << QStringList{"/run/media/ann/X"};
    QTest::newRow("not /media itself") << mountLine(30, "8:1", "/mediastore", "/dev/sda1") << none;
    QTest::newRow("escaped path") << mountLine(30, "8:17", "/media/ann/MY\\040STICK", "/dev/sdb1")
                                  << QStringList{"/media/ann/MY STICK"};
    QTest::newRow("folder of a stick bound elsewhere") << mountLine(30, "8:17", "/srv/shows", "/dev/sdb1", "/shows")
                                                       << none;
    QTest::newRow("same line twice") << mountLine(30, "8:17", "/mnt/usb", "/dev/sdb1") + mountLine(31, "8:17", "/mnt/usb", "/dev/sdb1")
                                     << QStringList{"/mnt/usb"};
}

void TestVolumeSource::listsOnlySticks()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, expected);
    QVERIFY(writeFile(tablePath(), baseTable + line));
    const VolumeSource source(tablePath(), sysfs->root(), VolumeSource::defaultDesktopMountRoots());
    QCOMPARE(source.volumes(), expected);
}

void TestVolumeSource::mountAndUnmountAreReported()
{
    QVERIFY(writeFile(tablePath(), baseTable + mountLine(30, "179:1", "/media/ann/SD", "/dev/mmcblk0p1")));
    VolumeSource source(tablePath(), sysfs->root(), {});
    QSignalSpy mounted(&source, &VolumeSource::volumeMounted);
    QSignalSpy unmounted(&source, &VolumeSource::volumeUnmounted);
    QCOMPARE(source.volumes(), QStringList{"/media/ann/SD"}); // found at start, not announced

    QVERIFY(writeFile(tablePath(), baseTable + mountLine(30, "179:1", "/media/ann/SD", "/dev/mmcblk0p1")
                                       + mountLine(31, "8:17", "/media/ann/STICK", "/dev/sdb1")));
    source.rescan();
    QCOMPARE(mounted.size(), 1);
    QCOMPARE(mounted[0][0].toString(), QStringLiteral("/media/ann/STICK"));
    QCOMPARE(unmounted.size(), 0);

    QVERIFY(writeFile(tablePath(), baseTable + mountLine(31, "8:17", "/media/ann/STICK", "/dev/sdb1")));
    source.rescan();
    QCOMPARE(mounted.size(), 1);
    QCOMPARE(unmounted.size(), 1);
    QCOMPARE(unmounted[0][0].toString(), QStringLiteral("/media/ann/SD"));
    QCOMPARE(source.volumes(), QStringList{"/media/ann/STICK"});
}

void TestVolumeSource::unchangedTableReportsNothing()
{
    const QByteArray table = baseTable + mountLine(31, "8:17", "/media/ann/STICK", "/dev/sdb1");
    QVERIFY(writeFile(tablePath(), table));
    VolumeSource source(tablePath(), sysfs->root(), {});
    QSignalSpy mounted(&source, &VolumeSource::volumeMounted);
    QSignalSpy unmounted(&source, &VolumeSource::volumeUnmounted);
    // Another mount elsewhere changes the table but not the sticks.
    QVERIFY(writeFile(tablePath(), table + "40 20 0:40 / /tmp rw - tmpfs tmpfs rw\n"));
    source.rescan();
    source.rescan();
    QCOMPARE(mounted.size() + unmounted.size(), 0);
    QCOMPARE(source.volumes(), QStringList{"/media/ann/STICK"});
}

void TestVolumeSource::stickSwappedAtTheSamePath()
{
    QVERIFY(writeFile(tablePath(), baseTable + mountLine(31, "8:17", "/mnt/stick", "/dev/sdb1")));
    VolumeSource source(tablePath(), sysfs->root(), {});
    QSignalSpy mounted(&source, &VolumeSource::volumeMounted);
    QSignalSpy unmounted(&source, &VolumeSource::volumeUnmounted);
    QVERIFY(writeFile(tablePath(), baseTable + mountLine(32, "179:1", "/mnt/stick", "/dev/mmcblk0p1")));
    source.rescan();
    QCOMPARE(unmounted.size(), 1);
    QCOMPARE(mounted.size(), 1);
    QCOMPARE(mounted[0][0].toString(), QStringLiteral("/mnt/stick"));
}

void TestVolumeSource::sharedMountPointStaysWhileAnyVolumeIsThere()
{
    const QByteArray first = mountLine(31, "8:17", "/mnt/stick", "/dev/sdb1");
    const QByteArray second = mountLine(32, "179:1", "/mnt/stick", "/dev/mmcblk0p1");
    QVERIFY(writeFile(tablePath(), baseTable + first + second));
    VolumeSource source(tablePath(), sysfs->root(), {});
    QCOMPARE(source.volumes(), QStringList{"/mnt/stick"});
    QSignalSpy mounted(&source, &VolumeSource::volumeMounted);
    QSignalSpy unmounted(&source, &VolumeSource::volumeUnmounted);

    QVERIFY(writeFile(tablePath(), baseTable + first)); // the upper one goes
    source.rescan();
    QCOMPARE(unmounted.size(), 0);
    QCOMPARE(source.volumes(), QStringList{"/mnt/stick"});
    QVERIFY(writeFile(tablePath(), baseTable + first + second)); // and comes back on top
    source.rescan();
    QCOMPARE(mounted.size(), 0);
    QCOMPARE(source.identify(QStringLiteral("/mnt/stick")).device(), QStringLiteral("179:1"));

    QVERIFY(writeFile(tablePath(), baseTable));
    source.rescan();
    QCOMPARE(unmounted.size(), 1);
    QVERIFY(source.volumes().isEmpty());
}

void TestVolumeSource::unreadableTableKeepsTheList()
{
    QVERIFY(writeFile(tablePath(), baseTable + mountLine(31, "8:17", "/mnt/stick", "/dev/sdb1")));
    VolumeSource source(tablePath(), sysfs->root(), {});
    QSignalSpy unmounted(&source, &VolumeSource::volumeUnmounted);
    QVERIFY(QFile::remove(tablePath()));
    source.rescan();
    QCOMPARE(unmounted.size(), 0);
    QCOMPARE(source.volumes(), QStringList{"/mnt/stick"});
}

void TestVolumeSource::kernelReportsRealMounts()
{
    const QString mediaRoot = dir->filePath(QStringLiteral("media"));
    const QString stickPath = mediaRoot + QLatin1String("/ann/MY STICK");
    QVERIFY(QDir().mkpath(stickPath));
    VolumeSource source(VolumeSource::defaultMountInfoPath(), VolumeSource::defaultSysRoot(), {mediaRoot});
    QSignalSpy mounted(&source, &VolumeSource::volumeMounted);
    QSignalSpy unmounted(&source, &VolumeSource::volumeUnmounted);

    TmpfsMount stick(stickPath, 1 << 20);
    if (!stick.isMounted())
        QSKIP(qPrintable(QStringLiteral("Cannot mount a test file system here: ") + stick.error()));
    QVERIFY(mounted.wait(5000)); // nobody calls rescan(): the kernel's notice must arrive
    QCOMPARE(mounted[0][0].toString(), stickPath);
    QVERIFY(source.volumes().contains(stickPath));

    QVERIFY(stick.unmount());
    QVERIFY(unmounted.wait(5000));
    QCOMPARE(unmounted[0][0].toString(), stickPath);
    QVERIFY(!source.volumes().contains(stickPath));
}

void TestVolumeSource::queryDiskSpace()
{
    UsbDiskInfo root{QStringLiteral("/"), 0, 0};
    QVERIFY(VolumeSource::queryDiskSpace(root));
    QVERIFY(root.totalGb > 0);
    QVERIFY(root.freeGb >= 0 && root.freeGb <= root.totalGb);

    const QString stickPath = dir->filePath(QStringLiteral("stick"));
    QVERIFY(QDir().mkpath(stickPath));
    TmpfsMount stick(stickPath, qint64(64) << 20);
    if (stick.isMounted()) {
        UsbDiskInfo disk{stickPath, 0, 0};
        QVERIFY(VolumeSource::queryDiskSpace(disk));
        QCOMPARE(disk.totalGb, 64.0f / 1024);
        QCOMPARE(disk.freeGb, 64.0f / 1024);
        stick.unmount();
    }

    // Pulled: the folder is gone, or left behind on another file system.
    for (const QString &path : {dir->filePath(QStringLiteral("gone")), stickPath}) {
        UsbDiskInfo disk{path, 1.5f, 0.5f};
        LogCapture log;
        QVERIFY(!VolumeSource::queryDiskSpace(disk));
        QCOMPARE(log.count(QStringLiteral("ERROR: Call to GetDiskFreeSpaceEx() failed.")), 1);
        QCOMPARE(disk.path, path);
        QCOMPARE(disk.totalGb, 1.5f);
    }
}

QTEST_GUILESS_MAIN(TestVolumeSource)
#include "tst_volumesource.moc"
