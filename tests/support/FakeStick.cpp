#include "FakeStick.h"

#include "card/VolumeSource.h"

#include <QDir>
#include <QFile>

FakeStick::FakeStick()
{
    QDir(dir.path()).mkpath(QStringLiteral("media"));
    QDir(dir.path()).mkpath(QStringLiteral("sys"));
    writeTable();
}

VolumeSource *FakeStick::volumeSource() const
{
    return new VolumeSource(dir.filePath(QStringLiteral("mountinfo")), dir.filePath(QStringLiteral("sys")),
                            {dir.filePath(QStringLiteral("media"))});
}

QString FakeStick::mountPoint(const QString &label) const
{
    return dir.filePath(QStringLiteral("media/") + label);
}

QString FakeStick::mount(const QString &label)
{
    QDir().mkpath(mountPoint(label));
    if (!mounted.contains(label))
        mounted.append(label);
    if (!everMounted.contains(label))
        everMounted.append(label);
    writeTable();
    return mountPoint(label);
}

void FakeStick::unmount(const QString &label)
{
    mounted.removeAll(label);
    writeTable();
}

void FakeStick::writeTable() const
{
    QByteArray table = "20 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n";
    for (const QString &label : mounted) {
        const int id = 30 + int(everMounted.indexOf(label));
        table += QByteArray::number(id) + " 20 8:" + QByteArray::number(id) + " / "
                 + mountPoint(label).toUtf8() + " rw,nosuid,nodev shared:" + QByteArray::number(id)
                 + " - vfat /dev/sdb" + QByteArray::number(id) + " rw\n";
    }
    QFile file(dir.filePath(QStringLiteral("mountinfo")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(table);
}
