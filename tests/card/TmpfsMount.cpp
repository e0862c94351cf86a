#include "TmpfsMount.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

TmpfsMount::TmpfsMount(const QString &mountPoint, qint64 sizeBytes, Access access) : path(mountPoint)
{
    QDir().mkpath(path);
    const QByteArray options = "size=" + QByteArray::number(sizeBytes);
    const unsigned long flags = access == ReadOnly ? MS_RDONLY : 0;
    mounted = ::mount("rotavue-test", QFile::encodeName(path).constData(), "tmpfs", flags, options.constData()) == 0;
    if (!mounted)
        reason = QString::fromLocal8Bit(std::strerror(errno));
}

TmpfsMount::~TmpfsMount()
{
    unmount();
}

bool TmpfsMount::unmount()
{
    if (mounted && ::umount2(QFile::encodeName(path).constData(), MNT_DETACH) == 0)
        mounted = false;
    return !mounted;
}
