#include "edit/ZoomRule.h"

#include <QtGlobal>

#include <limits>

int ZoomRule::zoomedSide(int side, int level)
{
    const qint64 grown = qint64(side) + qint64(side) * level * percentPerLevel / 100;
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return int(qBound(lowest, grown, highest));
}

QSize ZoomRule::zoomedSize(const QSize &source, int level)
{
    return QSize(zoomedSide(source.width(), level), zoomedSide(source.height(), level));
}

bool ZoomRule::stepAllowed(const QSize &source, int oldLevel, int newLevel)
{
    const QSize size = zoomedSize(source, newLevel);
    if (size.width() < 0 || size.height() < 0)
        return false;
    const int bound = qMax(maxSide, qMax(source.width(), source.height()));
    if (newLevel > oldLevel && (size.width() > bound || size.height() > bound))
        return false;
    return true;
}
