#pragma once

#include "card/WriteSteps.h"

#include <functional>

// The real system calls, with one step made to fail the way a device makes
// it fail, for the fault-injection tests of the card writer and StagedFile.
class FailingWriteSteps : public WriteSteps
{
public:
    enum Step {
        None,
        Open,         // creating the file
        Write,        // write number failAt returns -1
        WriteNothing, // write number failAt takes no byte and sets no error
        Sync,         // the file's flush to the device
        Close,
        Rename,
        SyncFolder,   // the folder's confirmation of the new name
    };

    FailingWriteSteps(Step step, int error, int failAt = 1) : step(step), error(error), failAt(failAt) {}

    // Writes hand over half of what they are given (at least one byte), so
    // that the writer must carry on after short writes.
    void setShortWrites(bool on) { shortWrites = on; }
    // Runs before write number n is made (n from 1): to unmount, fill up...
    void setBeforeWrite(int n, std::function<void()> action);

    int open(const char *path, int flags, mode_t mode) override;
    ssize_t write(int fd, const void *data, size_t size) override;
    int fsync(int fd) override;
    int close(int fd) override;
    int rename(const char *from, const char *to) override;

    int writeCount() const { return writes; }

private:
    int failWith();

    Step step;
    int error;
    int failAt;
    bool shortWrites = false;
    int writes = 0;
    int fileSyncs = 0;
    int closes = 0;
    int directoryFd = -1;
    int beforeWriteNumber = 0;
    std::function<void()> beforeWrite;
};
