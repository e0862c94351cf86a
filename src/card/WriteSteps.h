#pragma once

#include <sys/types.h>

// The system calls that writing a file under a temporary name and renaming it
// into place is made of. The real ones by default; tests derive from this to
// make one step fail (a write error at block k, a full device, a failed flush
// or rename) and see that the failure is told truthfully. Errors come back as
// the calls give them: -1 with errno set.
class WriteSteps
{
public:
    virtual ~WriteSteps() = default;

    virtual int open(const char *path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void *data, size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char *from, const char *to);
    virtual int unlink(const char *path);

    // The real calls; shared, as they hold no state.
    static WriteSteps &system();
};
