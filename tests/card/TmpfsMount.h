#pragma once

#include <QString>

// A small tmpfs mounted for one test, to play a full or read-only stick.
// Needs the right to mount; isMounted() says whether it worked.
class TmpfsMount
{
public:
    enum Access { ReadWrite, ReadOnly };

    TmpfsMount(const QString &mountPoint, qint64 sizeBytes, Access access = ReadWrite);
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;
    ~TmpfsMount();

    bool isMounted() const { return mounted; }
    QString error() const { return reason; }
    bool unmount();

private:
    QString path;
    bool mounted = false;
    QString reason;
};
