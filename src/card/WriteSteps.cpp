#include "card/WriteSteps.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int WriteSteps::open(const char *path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t WriteSteps::write(int fd, const void *data, size_t size)
{
    return ::write(fd, data, size);
}

int WriteSteps::fsync(int fd)
{
    return ::fsync(fd);
}

int WriteSteps::close(int fd)
{
    return ::close(fd);
}

int WriteSteps::rename(const char *from, const char *to)
{
    return ::rename(from, to);
}

int WriteSteps::unlink(const char *path)
{
    return ::unlink(path);
}

WriteSteps &WriteSteps::system()
{
    static WriteSteps real;
    return real;
}
