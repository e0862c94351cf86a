#include "app/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool statOf(const QString &path, struct stat &info)
{
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return RegularFile::tr("it is a named pipe (FIFO), not a file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return RegularFile::tr("it is a device, not a file.");
    if (S_ISSOCK(mode))
        return RegularFile::tr("it is a socket, not a file.");
    return QString();
}

} // namespace

QString RegularFile::specialKind(const QString &path)
{
    struct stat info;
    if (!statOf(path, info) || S_ISDIR(info.st_mode) || S_ISREG(info.st_mode))
        return QString();
    const QString kind = kindOf(info.st_mode);
    return kind.isEmpty() ? tr("it is not a regular file.") : kind;
}

QString RegularFile::openForReading(QFile &file)
{
    const QString path = file.fileName();
    const QString special = specialKind(path);
    if (!special.isEmpty())
        return special;
    // O_NONBLOCK: should the name have become a FIFO since the check, open
    // returns at once instead of waiting for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return tr("the file cannot be opened (%1).").arg(qt_error_string(errno));
    struct stat info;
    QString problem;
    if (::fstat(fd, &info) != 0)
        problem = tr("the file cannot be opened (%1).").arg(qt_error_string(errno));
    else if (S_ISDIR(info.st_mode))
        problem = tr("it is a folder, not a file.");
    else if (!S_ISREG(info.st_mode))
        problem = kindOf(info.st_mode).isEmpty() ? tr("it is not a regular file.") : kindOf(info.st_mode);
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        problem = tr("the file cannot be opened (%1).").arg(qt_error_string(errno));
    if (problem.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        problem = tr("the file cannot be opened (%1).").arg(file.errorString());
    if (!problem.isEmpty())
        ::close(fd);
    return problem;
}

QString RegularFile::outputProblem(const QString &output, const QStringList &inputs)
{
    struct stat target;
    if (!statOf(output, target))
        return QString(); // a new name (or a folder that does not exist, which the writer reports)
    if (S_ISDIR(target.st_mode))
        return tr("it is a folder.");
    if (!S_ISREG(target.st_mode)) {
        const QString kind = kindOf(target.st_mode);
        return kind.isEmpty() ? tr("it is not a regular file.") : kind;
    }
    for (const QString &input : inputs) {
        struct stat source;
        if (statOf(input, source) && source.st_dev == target.st_dev && source.st_ino == target.st_ino)
            return tr("it is also an input (%1); writing it would destroy that input.").arg(input);
    }
    return QString();
}
