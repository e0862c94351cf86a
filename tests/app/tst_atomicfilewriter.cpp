// A file written through AtomicFileWriter is either wholly new or wholly old.
#include "app/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>


class AtomicFileWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void unwritableFolderIsReported();
};

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
}

void AtomicFileWriterTest::outcome_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<bool>("writeSucceeds");
    QTest::addColumn<int>("sync");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new file") << false << true << int(AtomicFileWriter::Sync::None) << QByteArray("new");
    QTest::newRow("replaces, synced") << true << true << int(AtomicFileWriter::Sync::ToDisk) << QByteArray("new");
    QTest::newRow("failed write keeps the old file") << true << false << int(AtomicFileWriter::Sync::None)
                                                     << QByteArray("old");
    QTest::newRow("failed write leaves no file") << false << false << int(AtomicFileWriter::Sync::None)
                                                 << QByteArray("<missing>");
}

void AtomicFileWriterTest::outcome()
{
    QFETCH(bool, oldFile);
    QFETCH(bool, writeSucceeds);
    QFETCH(int, sync);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.bin"));
    if (oldFile) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QString error;
    const bool written = AtomicFileWriter::write(
        path,
        [&](QIODevice &file) {
            file.write("ne"); // a partial write before the failure
            return writeSucceeds && file.write("w") == 1;
        },
        AtomicFileWriter::Sync(sync), &error);

    QCOMPARE(written, writeSucceeds);
    QCOMPARE(error.isEmpty(), writeSucceeds);
    QCOMPARE(contents(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), expected == "<missing>" ? 0 : 1);
}

void AtomicFileWriterTest::unwritableFolderIsReported()
{
    // A folder that is gone (a pulled stick, a removed temp folder): root cannot write there either.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/x.png"));
    QString error;
    QVERIFY(!AtomicFileWriter::write(path, [](QIODevice &) { return true; }, AtomicFileWriter::Sync::None, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(AtomicFileWriterTest)
#include "tst_atomicfilewriter.moc"
