#include "edit/CropSelection.h"

QRect CropSelection::at(const QPoint &topLeft)
{
    return QRect(topLeft, QSize(side, side));
}

QRect CropSelection::centred(const QSize &picture)
{
    // An invalid size (no picture) counts as 0 x 0.
    const int w = qMax(0, picture.width());
    const int h = qMax(0, picture.height());
    return at(QPoint((w - side) / 2, (h - side) / 2));
}
