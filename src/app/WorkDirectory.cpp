#include "app/WorkDirectory.h"

#include "app/AppLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>

namespace {

QMutex g_lock; // guards the strings below; the temp directory is read by worker threads
QString g_workDir;
QString g_lastUsedFolder;
QString g_tempDir;
QString g_tempRoot;
// This run's lock: kept until the process ends, so that the next start sees
// a run that is over (its pid is gone) and removes its folder.
QLockFile *g_runLock = nullptr;
QString g_runFolder;

bool writeMarker(const QString &dir)
{
    QFile marker(QDir(dir).filePath(QLatin1String(WorkDirectory::markerFileName())));
    if (marker.exists())
        return true;
    if (!marker.open(QIODevice::WriteOnly))
        return false;
    const bool written = marker.write("Rotavue scratch files. Rotavue empties this folder at every start.\n") > 0;
    marker.close();
    return written && marker.error() == QFileDevice::NoError;
}

// A folder we may use: missing with a writable parent (we create it), or carrying our marker.
bool usable(const QString &dir)
{
    const QFileInfo info(dir);
    if (info.isSymLink())
        return false;
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isWritable();
    return info.isDir() && WorkDirectory::isOurs(dir);
}

// In the shared system temp folder a fixed name could be taken or planted as a
// link by someone else: make a fresh folder there atomically instead.
QString lastResortTempDir()
{
    QTemporaryDir unique(QDir::tempPath() + QLatin1String("/rotavue-temp-XXXXXX"));
    unique.setAutoRemove(false);
    if (unique.isValid() && writeMarker(unique.path()))
        return unique.path();
    return QDir::tempPath() + QLatin1String("/rotavue-temp-")
           + QString::number(QCoreApplication::applicationPid());
}

// A usable folder, created and marked when missing; empty when it cannot be.
QString prepareRoot(const QString &dir)
{
    if (!usable(dir))
        return QString();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        return QString();
    return writeMarker(dir) ? dir : QString();
}

QString chooseTempRoot(const QString &workDir)
{
    const QString inWorkDir = prepareRoot(QDir::cleanPath(workDir + QLatin1String("/temp")));
    if (!inWorkDir.isEmpty())
        return inWorkDir;
    const QString fallback = WorkDirectory::fallbackTempDir();
    QDir().mkpath(QFileInfo(fallback).absolutePath());
    if (!prepareRoot(fallback).isEmpty())
        return fallback;
    return lastResortTempDir();
}

bool processRunning(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// This run's own folder in root, with its lock beside it.
QString startRun(const QString &root)
{
    QTemporaryDir run(root + QLatin1Char('/') + QLatin1String(WorkDirectory::runPrefix()) + QLatin1String("XXXXXX"));
    run.setAutoRemove(false);
    if (!run.isValid())
        return root; // the root is ours too; only a second run could disturb it
    auto *lock = new QLockFile(run.path() + QLatin1String(".lock"));
    lock->setStaleLockTime(0); // a long run is not a stale one
    if (!lock->tryLock(0))
        qCDebug(lcApp) << "#WorkDirectory# cannot lock" << run.path() << lock->error();
    // A second start-up in the same process leaves its earlier run behind.
    if (g_runLock) {
        delete g_runLock;
        WorkDirectory::cleanUp(g_runFolder);
    }
    g_runLock = lock;
    g_runFolder = run.path();
    return run.path();
}

void setTempDir(const QString &dir, const QString &root)
{
    QMutexLocker locker(&g_lock);
    g_tempDir = QDir::cleanPath(dir) + QLatin1Char('/');
    g_tempRoot = QDir::cleanPath(root);
}

} // namespace

void WorkDirectory::init(const QString &currentDir)
{
    const QString work = QDir::fromNativeSeparators(QDir::cleanPath(currentDir));
    {
        QMutexLocker locker(&g_lock);
        g_workDir = work;
        g_lastUsedFolder = work;
    }
    const QString root = chooseTempRoot(work);
    WorkDirectory::removeDeadRuns(root);
    // The command-line tool's runs live in the fallback root.
    if (QDir::cleanPath(fallbackTempDir()) != QDir::cleanPath(root))
        WorkDirectory::removeDeadRuns(fallbackTempDir());
    setTempDir(startRun(root), root);
}

void WorkDirectory::initForTool(const QString &currentDir)
{
    const QString work = QDir::fromNativeSeparators(QDir::cleanPath(currentDir));
    {
        QMutexLocker locker(&g_lock);
        g_workDir = work;
        g_lastUsedFolder = work;
    }
    const QString fallback = fallbackTempDir();
    QDir().mkpath(QFileInfo(fallback).absolutePath());
    QString root = prepareRoot(fallback);
    if (root.isEmpty())
        root = lastResortTempDir();
    removeDeadRuns(root);
    setTempDir(startRun(root), root);
}

void WorkDirectory::initInstalled()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QLatin1String("/.local/share");
    const QString work = data + QLatin1String("/rotavue");
    QDir().mkpath(work);
    initForTool(work);
    setLastUsedFolder(QDir::homePath());
}

bool WorkDirectory::runsFromBuildTree(const QString &programDir)
{
    // build/src/rotavue: the build tree's cache file is one folder up.
    return QFileInfo(QDir(programDir).filePath(QStringLiteral("../CMakeCache.txt"))).isFile();
}

void WorkDirectory::endRun()
{
    if (!g_runLock)
        return;
    cleanUp(g_runFolder);
    delete g_runLock; // unlocks and removes the lock file
    g_runLock = nullptr;
    g_runFolder.clear();
}

void WorkDirectory::initPrivate(const QString &ownedDir)
{
    const QString work = QDir::cleanPath(ownedDir);
    {
        QMutexLocker locker(&g_lock);
        g_workDir = work;
        g_lastUsedFolder = work;
    }
    setTempDir(work + QLatin1String("/temp"), work + QLatin1String("/temp"));
}

QString WorkDirectory::workDir()
{
    QMutexLocker locker(&g_lock);
    return g_workDir;
}

QString WorkDirectory::lastUsedFolder()
{
    QMutexLocker locker(&g_lock);
    return g_lastUsedFolder;
}

void WorkDirectory::setLastUsedFolder(const QString &folder)
{
    QMutexLocker locker(&g_lock);
    g_lastUsedFolder = folder;
}

QString WorkDirectory::tempDir()
{
    QMutexLocker locker(&g_lock);
    if (g_tempDir.isEmpty()) // used before start-up chose one (a library user): never the home folder
        g_tempDir = QDir::cleanPath(fallbackTempDir()) + QLatin1Char('/');
    return g_tempDir;
}

QString WorkDirectory::tempRoot()
{
    QMutexLocker locker(&g_lock);
    return g_tempRoot;
}

void WorkDirectory::removeDeadRuns(const QString &root)
{
    if (!isOurs(root))
        return; // never in a folder we did not make
    const QString host = QSysInfo::machineHostName();
    const QStringList locks = QDir(root).entryList({QLatin1String(runPrefix()) + QLatin1String("*.lock")},
                                                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : locks) {
        const QString lockPath = QDir(root).filePath(name);
        qint64 pid = 0;
        QString lockHost;
        QString app;
        // An unreadable lock may be one being written right now: leave it.
        if (QFileInfo(lockPath).isSymLink() || !QLockFile(lockPath).getLockInfo(&pid, &lockHost, &app))
            continue;
        if ((!lockHost.isEmpty() && lockHost != host) || processRunning(pid))
            continue;
        const QString folder = lockPath.chopped(int(qstrlen(".lock")));
        qCDebug(lcApp) << "#WorkDirectory# removing the scratch folder of an ended run" << folder << pid;
        cleanUp(folder);
        QFile::remove(lockPath);
    }
}

bool WorkDirectory::ensureTempDir()
{
    static QMutex creation;
    QMutexLocker locker(&creation);
    const QString dir = tempDir();
    if (QFileInfo(dir).isDir())
        return true;
    return QDir().mkpath(dir) && writeMarker(dir);
}

bool WorkDirectory::isOurs(const QString &dir)
{
    return QFileInfo(QDir(dir).filePath(QLatin1String(markerFileName()))).isFile();
}

void WorkDirectory::cleanUp(const QString &dirPath)
{
    const QString path = QDir::cleanPath(dirPath); // a trailing '/' would make the link check follow it
    if (QFileInfo(path).isSymLink())
        return; // never wipe what a link points to
    QDir dir(path);
    if (!dir.exists())
        return;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            QFile::remove(entry.absoluteFilePath()); // the link only, never what it points to
        else if (entry.isDir())
            cleanUp(entry.absoluteFilePath());
        else if (entry.isFile())
            QFile::remove(entry.absoluteFilePath());
    }
    QDir().rmdir(dir.absolutePath());
}

const char *WorkDirectory::markerFileName()
{
    return ".rotavue-temp";
}

QString WorkDirectory::fallbackTempDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QLatin1String("/.cache");
    return base + QLatin1String("/rotavue/temp");
}
