#pragma once

#include <QString>

// What sysfs says about a block device: whether it is a stick.
class SysfsBlockDevice
{
public:
    // majorMinor as in the mount table ("8:17"); source is the device file
    // ("/dev/sdb1"), used when sysfs has no entry under dev/block.
    SysfsBlockDevice(const QString &sysRoot, const QString &majorMinor, const QString &source);

    bool exists() const { return !devicePath.isEmpty(); }
    // Removable media, or a disk attached through USB; a partition follows its disk.
    bool isRemovableOrUsb() const;

private:
    static bool flagSet(const QString &file);

    QString sysRoot;
    QString devicePath; // the resolved device folder under sysRoot/devices
};
