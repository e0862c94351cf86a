#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class VolumeSource;

// USB sticks for tests: folders under a fake desktop mount root, listed in a
// fake mount table that a VolumeSource reads instead of the kernel's.
class FakeStick
{
public:
    FakeStick();

    // A volume source reading the fake table (the caller owns it).
    VolumeSource *volumeSource() const;

    // Creates the stick's folder and lists it; returns its mount point.
    QString mount(const QString &label);
    void unmount(const QString &label);
    QString mountPoint(const QString &label) const;

private:
    void writeTable() const;

    QTemporaryDir dir;
    QStringList mounted;
    QStringList everMounted; // a stick keeps its device number across remounts of others
};
