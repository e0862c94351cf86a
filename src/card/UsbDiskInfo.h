#pragma once

#include <QList>
#include <QString>

// One mounted USB stick. Sizes are in units of 2^30 bytes; 0 when unknown.
struct UsbDiskInfo
{
    QString path;      // the mount point, compared exactly
    float totalGb = 0;
    float freeGb = 0;
};

using UsbDiskList = QList<UsbDiskInfo>;
