#include "app/WorkDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QMutex g_lock; // guards the strings below; the temp directory is read by worker threads
QString g_workDir;
QString g_lastUsedFolder;
QString g_tempDir;

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

QString chooseTempDir(const QString &workDir)
{
    const QString inWorkDir = QDir::cleanPath(workDir + QLatin1String("/temp"));
    if (usable(inWorkDir)) {
        WorkDirectory::wipeIfOurs(inWorkDir);
        return inWorkDir;
    }
    const QString fallback = WorkDirectory::fallbackTempDir();
    QDir().mkpath(QFileInfo(fallback).absolutePath());
    if (usable(fallback)) {
        WorkDirectory::wipeIfOurs(fallback);
        return fallback;
    }
    return lastResortTempDir(); // fresh: nothing to wipe
}

void setTempDir(const QString &dir)
{
    QMutexLocker locker(&g_lock);
    g_tempDir = QDir::cleanPath(dir) + QLatin1Char('/');
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
    setTempDir(chooseTempDir(work));
}

void WorkDirectory::initPrivate(const QString &ownedDir)
{
    const QString work = QDir::cleanPath(ownedDir);
    {
        QMutexLocker locker(&g_lock);
        g_workDir = work;
        g_lastUsedFolder = work;
    }
    setTempDir(work + QLatin1String("/temp"));
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

void WorkDirectory::wipeIfOurs(const QString &dirPath)
{
    if (!isOurs(dirPath))
        return;
    cleanUp(dirPath); // hidden entries stay, our marker among them
    QDir dir(dirPath);
    const QStringList left = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (left == QStringList{QLatin1String(markerFileName())}) {
        dir.remove(QLatin1String(markerFileName()));
        QDir().rmdir(dir.absolutePath());
    }
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
