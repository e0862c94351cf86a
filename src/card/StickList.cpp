#include "card/StickList.h"

#include "card/CardLog.h"
#include "card/VolumeSource.h"

StickList::StickList(QObject *parent) : QObject(parent)
{
}

bool StickList::findDisk(const QString &path, int &index) const
{
    for (int i = 0; i < diskList.size(); ++i) {
        if (diskList.at(i).path == path) {
            index = i;
            return true;
        }
    }
    return false;
}

void StickList::queryDiskSpace(UsbDiskInfo &disk)
{
    VolumeSource::queryDiskSpace(disk);
}

void StickList::AddDisk(const QString &path)
{
    qCDebug(lcCard) << "#MainWindow# AddDisk " << path;
    int index = -1;
    if (findDisk(path, index))
        return;
    qCDebug(lcCard) << "#MainWindow# AddDisk " << path << "11111";
    UsbDiskInfo disk;
    disk.path = path;
    queryDiskSpace(disk);
    diskList.append(disk);
    emit usbMountEvent(path);
}

void StickList::DeleteDisk(const QString &path)
{
    qCDebug(lcCard) << "#MainWindow# DeleteDisk " << path;
    int index = -1;
    if (!findDisk(path, index))
        return;
    diskList.removeAt(index);
    emit usbUMountEvent(path);
}
