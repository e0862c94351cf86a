#include "FailingWriteSteps.h"

#include <cerrno>
#include <fcntl.h>

void FailingWriteSteps::setBeforeWrite(int n, std::function<void()> action)
{
    beforeWriteNumber = n;
    beforeWrite = std::move(action);
}

int FailingWriteSteps::failWith()
{
    errno = error;
    return -1;
}

int FailingWriteSteps::open(const char *path, int flags, mode_t mode)
{
    if (step == Open && (flags & O_CREAT))
        return failWith();
    const int fd = WriteSteps::open(path, flags, mode);
    if (flags & O_DIRECTORY)
        directoryFd = fd;
    return fd;
}

ssize_t FailingWriteSteps::write(int fd, const void *data, size_t size)
{
    ++writes;
    if (beforeWrite && writes == beforeWriteNumber)
        beforeWrite();
    if ((step == Write || step == WriteNothing) && writes >= failAt)
        return step == Write ? failWith() : 0;
    return WriteSteps::write(fd, data, shortWrites && size > 1 ? size / 2 : size);
}

int FailingWriteSteps::fsync(int fd)
{
    if (fd == directoryFd)
        return step == SyncFolder ? failWith() : WriteSteps::fsync(fd);
    return step == Sync && ++fileSyncs == 1 ? failWith() : WriteSteps::fsync(fd);
}

int FailingWriteSteps::close(int fd)
{
    const int closed = WriteSteps::close(fd);
    if (fd == directoryFd)
        return closed;
    return step == Close && ++closes == 1 ? failWith() : closed;
}

int FailingWriteSteps::rename(const char *from, const char *to)
{
    return step == Rename ? failWith() : WriteSteps::rename(from, to);
}
