#include "card/StagedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString randomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix.append(QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]));
    return suffix;
}

QByteArray nativeName(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

StagedFile::StagedFile(const QString &target, WriteSteps &steps) : finalPath(target), steps(steps)
{
}

StagedFile::~StagedFile()
{
    discard();
}

bool StagedFile::fail(const QString &why)
{
    problem = why;
    return false;
}

// File systems that cannot sync (some FUSE drivers) say so; that is not a failure.
bool StagedFile::syncUnsupported(int error)
{
    return error == EINVAL || error == ENOTSUP || error == ENOSYS || error == EROFS;
}

bool StagedFile::open()
{
    const QString folder = QFileInfo(finalPath).absolutePath();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = finalPath + QLatin1String(partialMarker) + randomSuffix();
        const int opened = steps.open(nativeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (opened >= 0) {
            fd = opened;
            partial = name;
            // Tells removeLeftovers() of another run that this file is being written.
            ::flock(fd, LOCK_EX | LOCK_NB);
            return true;
        }
        if (errno != EEXIST)
            return fail(tr("cannot create a file in %1: %2").arg(folder, qt_error_string(errno)));
    }
    return fail(tr("cannot create a file in %1: every temporary name is taken").arg(folder));
}

bool StagedFile::write(const QByteArray &bytes)
{
    return write(bytes.constData(), bytes.size());
}

bool StagedFile::write(const char *data, qint64 size)
{
    if (fd < 0)
        return fail(problem.isEmpty() ? tr("the file is not open") : problem);
    while (size > 0) {
        const ssize_t n = steps.write(fd, data, size_t(qMin<qint64>(size, 1 << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(tr("writing failed: %1").arg(qt_error_string(errno)));
        // A write that takes nothing sets no error: say what it means, not a stale errno.
        if (n == 0)
            return fail(tr("the device took no more data; it may be full"));
        data += n;
        size -= n;
    }
    return true;
}

QString StagedFile::syncFolder() const
{
    const QString folder = QFileInfo(finalPath).absolutePath();
    const int dir = steps.open(nativeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dir < 0)
        return qt_error_string(errno);
    QString why;
    if (steps.fsync(dir) != 0 && !syncUnsupported(errno))
        why = qt_error_string(errno);
    steps.close(dir);
    return why;
}

bool StagedFile::finish()
{
    if (finished)
        return true;
    if (fd < 0)
        return fail(problem.isEmpty() ? tr("the file is not open") : problem);
    if (steps.fsync(fd) != 0 && !syncUnsupported(errno)) {
        const QString why = qt_error_string(errno);
        discard();
        return fail(tr("the data could not be flushed to the device: %1").arg(why));
    }
    const int closing = fd;
    fd = -1;
    // Errors of a delayed write (NFS, FUSE, a pulled stick) may surface only here.
    if (steps.close(closing) != 0) {
        const QString why = qt_error_string(errno);
        discard();
        return fail(tr("closing the file failed: %1").arg(why));
    }
    finished = true;
    return true;
}

bool StagedFile::commit()
{
    if (!finish())
        return false;
    if (steps.rename(nativeName(partial).constData(), nativeName(finalPath).constData()) != 0) {
        const QString why = qt_error_string(errno);
        discard();
        return fail(tr("the finished file could not replace %1: %2").arg(finalPath, why));
    }
    done = true;
    problem = syncFolder();
    return problem.isEmpty();
}

void StagedFile::discard()
{
    if (fd >= 0) {
        steps.close(fd);
        fd = -1;
    }
    if (!done && !partial.isEmpty()) {
        steps.unlink(nativeName(partial).constData());
        partial.clear();
    }
}

bool StagedFile::isPartialName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+%1[a-z0-9]{6}$").arg(QRegularExpression::escape(QLatin1String(partialMarker))));
    return pattern.match(name).hasMatch();
}

QStringList StagedFile::removeLeftovers(const QString &folder)
{
    QStringList removed;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (!isPartialName(name))
            continue;
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info;
        // A write in progress holds the lock; a killed run's file is free.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::unlink(path.constData()) == 0)
            removed.append(name);
        ::close(fd);
    }
    return removed;
}
