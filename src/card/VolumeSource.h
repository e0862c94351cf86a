#pragma once

#include "card/ChosenStick.h"
#include "card/UsbDiskInfo.h"

#include <QFile>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>

// The mounted USB sticks, from the kernel's mount table and sysfs, and news of
// sticks being mounted and unmounted. The kernel flags the mount table with
// POLLPRI on every change, so no polling is needed.
class VolumeSource : public QObject
{
    Q_OBJECT
public:
    explicit VolumeSource(QObject *parent = nullptr);
    // Other mount table, sysfs root and desktop mount folders (tests).
    VolumeSource(const QString &mountInfoPath, const QString &sysRoot, const QStringList &desktopMountRoots,
                 QObject *parent = nullptr);

    // Mount points of the sticks, in mount table order, each once.
    QStringList volumes() const;
    // The volume now visible at a stick's mount point, to check before writing
    // that it is still the one the user chose.
    ChosenStick identify(const QString &path) const;

    // Fills the sizes from the file system mounted at disk.path. On failure
    // the sizes stay as they were and false is returned.
    static bool queryDiskSpace(UsbDiskInfo &disk);

    static QString defaultMountInfoPath() { return QStringLiteral("/proc/self/mountinfo"); }
    static QString defaultSysRoot() { return QStringLiteral("/sys"); }
    static QStringList defaultDesktopMountRoots();

public slots:
    // Reads the table again and reports what changed.
    void rescan();

signals:
    void volumeMounted(const QString &path);
    void volumeUnmounted(const QString &path);

private:
    struct Volume {
        QString path;
        QString device;
        bool operator==(const Volume &other) const { return path == other.path && device == other.device; }
    };
    bool readVolumes(QList<Volume> &found) const;
    static QStringList devicesAt(const QList<Volume> &volumes, const QString &path);
    bool isStick(const QString &device, const QString &source, const QString &mountPoint) const;
    bool underDesktopRoot(const QString &mountPoint) const;
    void watchTable();

    QString mountInfoPath;
    QString sysRoot;
    QStringList desktopRoots;
    QList<Volume> current;
    QFile table;                    // kept open: the kernel signals changes on this descriptor
    QSocketNotifier tableNotifier;  // declared after table, so it goes first
};
