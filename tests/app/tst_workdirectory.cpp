// Start-up choice of the temp root and of this run's scratch folder in it:
// only a folder that carries our marker is ever written into, and only the
// folders of runs that have ended are removed.
#include "app/WorkDirectory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum class Layout {
    NoTemp,          // the work directory has no "temp"
    OurTemp,         // "temp" carries our marker and holds nested scratch files
    ForeignTemp,     // "temp" is somebody else's folder
    TempIsFile,      // "temp" is a regular file
    TempIsLink,      // "temp" links to a marked folder elsewhere
    ForeignBoth,     // foreign "temp" and a foreign folder at the fallback place
};

enum class Expected { WorkTemp, Fallback, LastResort };

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// Every entry below a folder with its content, to prove it was left alone.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        const bool readable = it.fileInfo().isFile() && f.open(QIODevice::ReadOnly);
        entries.insert(QDir(root).relativeFilePath(path), readable ? f.readAll() : QByteArray("<dir>"));
    }
    return entries;
}

void fillWithScratch(const QString &dir)
{
    QVERIFY(writeFile(dir + "/1_1.png", "thumb"));
    QVERIFY(writeFile(dir + "/1.buf", "buffer"));
    QVERIFY(writeFile(dir + "/nested/deeper/image_3.png", "deep"));
    QVERIFY(writeFile(dir + "/nested/loadGif_2.png", "gif"));
    QVERIFY(QDir().mkpath(dir + "/empty/folder"));
}

void mark(const QString &dir)
{
    QVERIFY(writeFile(dir + "/" + WorkDirectory::markerFileName(), "ours"));
}

} // namespace

class TestWorkDirectory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startUpChoosesTemp_data();
    void startUpChoosesTemp();
    void secondStartInOneProcessEndsTheFirstRun();
    void removingARunRemovesLinksNotTheirTargets();
    void workDirIsTheCurrentDirectory();
    void cleanUpOfMissingFolderDoesNothing();
    void anInstalledProgramKeepsToTheUsersFolders();
    void theBuildTreeIsToldApart();

private:
    QString fallback() const { return home.path() + "/cache/rotavue/temp"; }

    QTemporaryDir home;      // HOME, XDG_CACHE_HOME and TMPDIR point in here
    std::unique_ptr<QTemporaryDir> work;
};

void TestWorkDirectory::initTestCase()
{
    QVERIFY(home.isValid());
    // Never the real home or cache: the fallback lives under these.
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + "/cache"));
    QVERIFY(QDir().mkpath(home.path() + "/tmp"));
    qputenv("TMPDIR", QFile::encodeName(home.path() + "/tmp"));
    QCOMPARE(WorkDirectory::fallbackTempDir(), fallback());
}

void TestWorkDirectory::init()
{
    work = std::make_unique<QTemporaryDir>(home.path() + "/work-XXXXXX");
    QVERIFY(work->isValid());
    QDir(home.path() + "/cache").removeRecursively();
    QDir(home.path() + "/tmp").removeRecursively();
    QVERIFY(QDir().mkpath(home.path() + "/tmp"));
}

void TestWorkDirectory::startUpChoosesTemp_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<Expected>("expected");

    QTest::newRow("no temp folder") << Layout::NoTemp << Expected::WorkTemp;
    QTest::newRow("our temp with nested folders") << Layout::OurTemp << Expected::WorkTemp;
    QTest::newRow("foreign temp folder") << Layout::ForeignTemp << Expected::Fallback;
    QTest::newRow("temp is a file") << Layout::TempIsFile << Expected::Fallback;
    QTest::newRow("temp is a link to a marked folder") << Layout::TempIsLink << Expected::Fallback;
    QTest::newRow("foreign temp and foreign fallback") << Layout::ForeignBoth << Expected::LastResort;
}

void TestWorkDirectory::startUpChoosesTemp()
{
    QFETCH(Layout, layout);
    QFETCH(Expected, expected);

    const QString temp = work->path() + "/temp";
    const QString elsewhere = home.path() + "/elsewhere";
    switch (layout) {
    case Layout::NoTemp:
        break;
    case Layout::OurTemp:
        fillWithScratch(temp);
        mark(temp);
        break;
    case Layout::ForeignTemp:
        fillWithScratch(temp);
        break;
    case Layout::TempIsFile:
        QVERIFY(writeFile(temp, "not a folder"));
        break;
    case Layout::TempIsLink:
        fillWithScratch(elsewhere);
        mark(elsewhere);
        QVERIFY(QFile::link(elsewhere, temp));
        break;
    case Layout::ForeignBoth:
        fillWithScratch(temp);
        fillWithScratch(fallback());
        break;
    }
    // A leftover of an earlier run in a marked fallback is ours to wipe.
    if (layout == Layout::ForeignTemp) {
        mark(fallback());
        QVERIFY(writeFile(fallback() + "/old/9.buf", "old run"));
    }
    const QMap<QString, QByteArray> workBefore = snapshot(work->path());
    const QMap<QString, QByteArray> elsewhereBefore = snapshot(elsewhere);
    const QMap<QString, QByteArray> fallbackBefore = snapshot(fallback());

    WorkDirectory::init(work->path());

    const QString chosen = WorkDirectory::tempRoot();
    const QString run = WorkDirectory::tempDir();
    QVERIFY2(run.startsWith(chosen + "/run-") && run.endsWith('/'), qPrintable(run));
    QVERIFY(QFileInfo(run).isDir());
    QVERIFY(QFileInfo::exists(run.chopped(1) + ".lock"));
    switch (expected) {
    case Expected::WorkTemp:
        QCOMPARE(chosen, temp);
        if (layout == Layout::OurTemp) // what is there is not a run's: left alone
            QVERIFY(QFileInfo::exists(temp + "/nested/loadGif_2.png"));
        break;
    case Expected::Fallback:
        QCOMPARE(chosen, fallback());
        QCOMPARE(snapshot(work->path()), workBefore);
        if (layout == Layout::ForeignTemp) // what is there is not a run's: left alone
            QVERIFY(QFileInfo::exists(fallback() + "/old/9.buf"));
        break;
    case Expected::LastResort:
        QVERIFY2(chosen.startsWith(home.path() + "/tmp/rotavue-temp-"), qPrintable(chosen));
        QCOMPARE(snapshot(work->path()), workBefore);
        QCOMPARE(snapshot(fallback()), fallbackBefore);
        break;
    }
    QCOMPARE(snapshot(elsewhere), elsewhereBefore);

    // Scratch files go to this run's folder only, in a root marked as ours.
    QVERIFY(WorkDirectory::ensureTempDir());
    QVERIFY(writeFile(run + "5.buf", "scratch"));
    QVERIFY(WorkDirectory::isOurs(chosen));
    if (expected != Expected::WorkTemp)
        QCOMPARE(snapshot(work->path()), workBefore);
    QCOMPARE(snapshot(elsewhere), elsewhereBefore);
}

void TestWorkDirectory::secondStartInOneProcessEndsTheFirstRun()
{
    WorkDirectory::init(work->path());
    QVERIFY(WorkDirectory::ensureTempDir());
    const QString first = WorkDirectory::tempDir();
    fillWithScratch(first);

    WorkDirectory::init(work->path());

    QVERIFY(WorkDirectory::tempDir() != first);
    QVERIFY(!QFileInfo::exists(first));
    QVERIFY(!QFileInfo::exists(first.chopped(1) + ".lock"));
}

void TestWorkDirectory::removingARunRemovesLinksNotTheirTargets()
{
    const QString precious = home.path() + "/precious";
    QVERIFY(writeFile(precious + "/photo.jpg", "keep me"));
    WorkDirectory::init(work->path());
    const QString run = WorkDirectory::tempDir();
    fillWithScratch(run);
    QVERIFY(QFile::link(precious, run + "nested/folder-link"));
    QVERIFY(QFile::link(precious + "/photo.jpg", run + "file-link"));
    const QMap<QString, QByteArray> preciousBefore = snapshot(precious);

    WorkDirectory::init(work->path()); // ends the run above

    QVERIFY(!QFileInfo::exists(run));
    QCOMPARE(snapshot(precious), preciousBefore);
}

void TestWorkDirectory::workDirIsTheCurrentDirectory()
{
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work->path()));
    WorkDirectory::init(QDir::currentPath());
    QVERIFY(QDir::setCurrent(saved));

    const QString expected = QDir(work->path()).canonicalPath();
    QCOMPARE(QDir(WorkDirectory::workDir()).canonicalPath(), expected);
    QVERIFY(!WorkDirectory::workDir().endsWith('/'));
    QCOMPARE(WorkDirectory::lastUsedFolder(), WorkDirectory::workDir());
    QCOMPARE(WorkDirectory::tempRoot(), WorkDirectory::workDir() + "/temp");
}

void TestWorkDirectory::anInstalledProgramKeepsToTheUsersFolders()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work->path())); // started from the desktop, in some folder
    WorkDirectory::initInstalled();
    QVERIFY(QDir::setCurrent(saved));
    QCOMPARE(WorkDirectory::workDir(), home.path() + "/data/rotavue");
    QVERIFY(QFileInfo(WorkDirectory::workDir()).isDir());
    QVERIFY2(WorkDirectory::tempDir().startsWith(fallback() + '/'), qPrintable(WorkDirectory::tempDir()));
    QCOMPARE(WorkDirectory::lastUsedFolder(), QDir::homePath());
    QVERIFY(WorkDirectory::ensureTempDir());
    // Nothing was made where it was started.
    QCOMPARE(QDir(work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    WorkDirectory::endRun();
    qunsetenv("XDG_DATA_HOME");
}

void TestWorkDirectory::theBuildTreeIsToldApart()
{
    QVERIFY(QDir().mkpath(work->path() + "/build/src"));
    QVERIFY(QDir().mkpath(work->path() + "/usr/bin"));
    QFile cache(work->path() + "/build/CMakeCache.txt");
    QVERIFY(cache.open(QIODevice::WriteOnly));
    cache.close();
    QVERIFY(WorkDirectory::runsFromBuildTree(work->path() + "/build/src"));
    QVERIFY(!WorkDirectory::runsFromBuildTree(work->path() + "/usr/bin"));
    QVERIFY(!WorkDirectory::runsFromBuildTree(work->path() + "/build")); // the cache file is one folder up only
}

void TestWorkDirectory::cleanUpOfMissingFolderDoesNothing()
{
    const QMap<QString, QByteArray> before = snapshot(work->path());
    WorkDirectory::cleanUp(work->path() + "/missing");
    QCOMPARE(snapshot(work->path()), before);
}

QTEST_GUILESS_MAIN(TestWorkDirectory)
#include "tst_workdirectory.moc"
