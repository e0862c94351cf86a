#include "card/VolumeSource.h"

#include "card/MountTable.h"
#include "card/SysfsBlockDevice.h"
#include "card/CardLog.h"

#include <QStorageInfo>

VolumeSource::VolumeSource(QObject *parent)
    : VolumeSource(defaultMountInfoPath(), defaultSysRoot(), defaultDesktopMountRoots(), parent)
{
}

VolumeSource::VolumeSource(const QString &mountInfo, const QString &sys, const QStringList &desktopMountRoots,
                           QObject *parent)
    : QObject(parent), mountInfoPath(mountInfo), sysRoot(sys), desktopRoots(desktopMountRoots),
      table(mountInfo), tableNotifier(QSocketNotifier::Exception)
{
    readVolumes(current);
    watchTable();
}

QStringList VolumeSource::defaultDesktopMountRoots()
{
    return {QStringLiteral("/media"), QStringLiteral("/run/media")};
}

void VolumeSource::watchTable()
{
    // A regular file (a test's table) never raises POLLPRI; the notifier is then idle.
    if (!table.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    tableNotifier.setSocket(table.handle());
    connect(&tableNotifier, &QSocketNotifier::activated, this, &VolumeSource::rescan);
    tableNotifier.setEnabled(true);
}

QStringList VolumeSource::volumes() const
{
    QStringList paths;
    for (const Volume &volume : current)
        paths.append(volume.path);
    return paths;
}

bool VolumeSource::underDesktopRoot(const QString &mountPoint) const
{
    for (const QString &root : desktopRoots) {
        if (mountPoint.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool VolumeSource::isStick(const QString &device, const QString &source, const QString &mountPoint) const
{
    return underDesktopRoot(mountPoint) || SysfsBlockDevice(sysRoot, device, source).isRemovableOrUsb();
}

bool VolumeSource::readVolumes(QList<Volume> &found) const
{
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcCard) << "#VolumeSource# cannot read" << mountInfoPath << file.errorString();
        return false;
    }
    found.clear();
    for (const MountTable::Entry &entry : MountTable::parse(file.readAll())) {
        // A bind mount of a folder inside a stick is not the stick's root.
        if (entry.root != QLatin1String("/"))
            continue;
        const Volume volume{entry.mountPoint, entry.device};
        if (!found.contains(volume) && isStick(entry.device, entry.source, entry.mountPoint))
            found.append(volume);
    }
    return true;
}

void VolumeSource::rescan()
{
    QList<Volume> found;
    if (!readVolumes(found))
        return; // keep what we knew rather than report every stick gone
    const QList<Volume> before = current;
    current = found;
    for (const Volume &volume : before) {
        if (!found.contains(volume))
            emit volumeUnmounted(volume.path);
    }
    for (const Volume &volume : found) {
        if (!before.contains(volume))
            emit volumeMounted(volume.path);
    }
}

bool VolumeSource::queryDiskSpace(UsbDiskInfo &disk)
{
    const QStorageInfo storage(disk.path);
    // The folder of a stick just pulled may still exist, on another file system.
    if (!storage.isValid() || !storage.isReady() || storage.rootPath() != disk.path) {
        qCDebug(lcCard, "ERROR: Call to GetDiskFreeSpaceEx() failed.");
        return false;
    }
    constexpr float perUnit = 1.0f / 1024;
    disk.totalGb = float(storage.bytesTotal()) * perUnit * perUnit * perUnit;
    disk.freeGb = float(storage.bytesFree()) * perUnit * perUnit * perUnit;
    return true;
}
