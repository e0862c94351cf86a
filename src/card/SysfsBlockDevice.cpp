#include "card/SysfsBlockDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SysfsBlockDevice::SysfsBlockDevice(const QString &root, const QString &majorMinor, const QString &source)
    : sysRoot(QFileInfo(root).canonicalFilePath())
{
    const QStringList candidates{root + QLatin1String("/dev/block/") + majorMinor,
                                 root + QLatin1String("/class/block/") + QFileInfo(source).fileName()};
    for (const QString &candidate : candidates) {
        const QString resolved = QFileInfo(candidate).canonicalFilePath();
        if (!resolved.isEmpty() && !sysRoot.isEmpty() && resolved.startsWith(sysRoot + QLatin1Char('/'))) {
            devicePath = resolved;
            break;
        }
    }
}

bool SysfsBlockDevice::flagSet(const QString &file)
{
    QFile flag(file);
    if (!flag.open(QIODevice::ReadOnly))
        return false;
    return flag.read(16).trimmed() == "1";
}

bool SysfsBlockDevice::isRemovableOrUsb() const
{
    if (!exists())
        return false;
    // Only the part below the sysfs root: the root itself may be anywhere.
    if (devicePath.mid(sysRoot.size()).contains(QLatin1String("/usb")))
        return true;
    if (flagSet(devicePath + QLatin1String("/removable")))
        return true;
    const bool partition = QFile::exists(devicePath + QLatin1String("/partition"));
    return partition && flagSet(QFileInfo(devicePath).path() + QLatin1String("/removable"));
}
