// The list of sticks: each path once, in the order found, with news of changes.
#include "LogCapture.h"
#include "card/StickList.h"

#include <QSignalSpy>
#include <QTest>

class TestStickList : public QObject
{
    Q_OBJECT
private slots:
    void addAndDelete_data();
    void addAndDelete();
};

void TestStickList::addAndDelete_data()
{
    // Operations: "+path" adds, "-path" deletes.
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("mountNews");
    QTest::addColumn<int>("unmountNews");
    QTest::newRow("in the order found") << QStringList{"+/m/b", "+/m/a"} << QStringList{"/m/b", "/m/a"} << 2 << 0;
    QTest::newRow("a listed stick again changes nothing") << QStringList{"+/m/a", "+/m/a"} << QStringList{"/m/a"}
                                                          << 1 << 0;
    QTest::newRow("an unlisted stick removed changes nothing") << QStringList{"+/m/a", "-/m/x"}
                                                               << QStringList{"/m/a"} << 1 << 0;
    QTest::newRow("later sticks move up") << QStringList{"+/m/a", "+/m/b", "+/m/c", "-/m/a"}
                                          << QStringList{"/m/b", "/m/c"} << 3 << 1;
    QTest::newRow("paths compare exactly") << QStringList{"+/m/A", "+/m/a", "-/m/A"} << QStringList{"/m/a"} << 2 << 1;
}

void TestStickList::addAndDelete()
{
    QFETCH(QStringList, operations);
    QFETCH(QStringList, listed);
    QFETCH(int, mountNews);
    QFETCH(int, unmountNews);

    StickList sticks;
    QSignalSpy mounted(&sticks, &StickList::usbMountEvent);
    QSignalSpy unmounted(&sticks, &StickList::usbUMountEvent);
    LogCapture log;
    for (const QString &op : operations) {
        if (op.startsWith(QLatin1Char('+')))
            sticks.AddDisk(op.mid(1));
        else
            sticks.DeleteDisk(op.mid(1));
    }
    QStringList paths;
    for (const UsbDiskInfo &disk : sticks.disks())
        paths << disk.path;
    QCOMPARE(paths, listed);
    QCOMPARE(mounted.size(), mountNews);
    QCOMPARE(unmounted.size(), unmountNews);
    int index = -1;
    QVERIFY(sticks.findDisk(listed.last(), index));
    QCOMPARE(index, listed.size() - 1);
    QVERIFY(log.contains(QStringLiteral("#MainWindow# AddDisk ")));
}

QTEST_GUILESS_MAIN(TestStickList)
#include "tst_sticklist.moc"
