#include "ui/PreviewGeometry.h"

#include <QtGlobal>

PreviewGeometry PreviewGeometry::fit(const QSize &area, const QSize &control)
{
    const int aside = gap + control.width();
    const int side = qBound(minimumSide,
                            qMin(area.height() - 2 * margin, area.width() - 2 * margin - aside), maximumSide);
    int x = (area.width() - side) / 2;
    x = qMin(x, area.width() - margin - aside - side); // the control must not leave the area
    x = qMax(x, margin);
    const int y = qMax(margin, (area.height() - side) / 2);
    PreviewGeometry geometry;
    geometry.preview = QRect(x, y, side, side);
    geometry.control = QRect(QPoint(x + side + gap, y + (side - control.height()) / 2), control);
    return geometry;
}

QSize PreviewGeometry::minimumArea(const QSize &control)
{
    return {2 * margin + minimumSide + gap + control.width(),
            2 * margin + qMax(minimumSide, control.height())};
}
