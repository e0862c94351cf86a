#include "card/VolumeSource.h"

#include "card/MountTable.h"
#include "card/SysfsBlockDevice.h"
#include "card/CardLog.h"

#include <QStorageInfo>

#include <algorithm>

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
    for (const Volume &volume : current) {
        if (!paths.contains(volume.path))
            paths.append(volume.path);
    }
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
    // News is per mount point: a path stays listed while any volume is mounted
    // there. Only a volume replaced by another one there reads as out and in.
    QStringList paths;
    for (const QList<Volume> *list : {&before, static_cast<const QList<Volume> *>(&found)}) {
        for (const Volume &volume : *list) {
            if (!paths.contains(volume.path))
                paths.append(volume.path);
        }
    }
    QStringList gone;
    QStringList arrived;
    for (const QString &path : paths) {
        const QStringList was = devicesAt(before, path);
        const QStringList now = devicesAt(found, path);
        const bool shared = std::any_of(was.begin(), was.end(), [&](const QString &d) { return now.contains(d); });
        if (!was.isEmpty() && (now.isEmpty() || !shared))
            gone.append(path);
        if (!now.isEmpty() && (was.isEmpty() || !shared))
            arrived.append(path);
    }
    for (const QString &path : gone)
        emit volumeUnmounted(path);
    for (const QString &path : arrived)
        emit volumeMounted(path);
}

QStringList VolumeSource::devicesAt(const QList<Volume> &volumes, const QString &path)
{
    QStringList devices;
    for (const Volume &volume : volumes) {
        if (volume.path == path)
            devices.append(volume.device);
    }
    return devices;
}

ChosenStick VolumeSource::identify(const QString &path) const
{
    return ChosenStick(path, ChosenStick::visibleDevice(mountInfoPath, path), mountInfoPath);
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
