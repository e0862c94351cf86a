#include "card/ChosenStick.h"

#include "card/MountTable.h"

#include <QDir>
#include <QFile>

ChosenStick::ChosenStick(const QString &mountPoint, const QString &device, const QString &mountInfoPath)
    : path(mountPoint), volume(device), table(mountInfoPath)
{
}

QString ChosenStick::visibleDevice(const QString &mountInfoPath, const QString &mountPoint)
{
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString device;
    for (const MountTable::Entry &entry : MountTable::parse(file.readAll())) {
        if (entry.mountPoint == mountPoint && entry.root == QLatin1String("/"))
            device = entry.device; // a later mount hides the earlier ones
    }
    return device;
}

QString ChosenStick::problem() const
{
    if (isEmpty())
        return QString();
    const QString now = visibleDevice(table, path);
    if (!volume.isEmpty() && now == volume)
        return QString();
    return tr("The stick %1 is no longer there: it was removed or replaced after it was chosen.")
        .arg(QDir::toNativeSeparators(path));
}
