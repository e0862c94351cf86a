#pragma once

#include "card/UsbDiskInfo.h"

#include <QObject>
#include <QString>

// The USB sticks present, in the order they were found, each path once.
// Widget-free: the window and the stick chooser follow it through its signals.
// UI thread.
class StickList : public QObject
{
    Q_OBJECT
public:
    explicit StickList(QObject *parent = nullptr);

    const UsbDiskList &disks() const { return diskList; }
    // Lists a stick that is not listed yet and announces it.
    void AddDisk(const QString &path);
    // Drops a listed stick and announces it.
    void DeleteDisk(const QString &path);
    bool findDisk(const QString &path, int &index) const;
    // Fills the sizes from the file system mounted at disk.path.
    static void queryDiskSpace(UsbDiskInfo &disk);
    void clear() { diskList.clear(); }

signals:
    void usbMountEvent(const QString &path);
    void usbUMountEvent(const QString &path);

private:
    UsbDiskList diskList;
};
