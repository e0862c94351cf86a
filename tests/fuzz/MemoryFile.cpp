#include "MemoryFile.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

MemoryFile::MemoryFile() : fd(::memfd_create("rotavue-fuzz", MFD_CLOEXEC))
{
    if (fd < 0)
        std::abort();
    name = QStringLiteral("/proc/self/fd/%1").arg(fd);
}

void MemoryFile::put(const uint8_t *data, size_t size)
{
    if (::ftruncate(fd, 0) != 0)
        std::abort();
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, off_t(done));
        if (n <= 0)
            std::abort();
        done += size_t(n);
    }
}
