#include "edit/RingTexture.h"

#include <QPainter>

QImage RingTexture::make()
{
    const QColor clear(255, 255, 255, 0);
    QImage texture(size, size, QImage::Format_ARGB32);
    texture.fill(clear);

    QPainter painter(&texture);
    painter.setPen(QColor(Qt::red));
    painter.setBrush(QBrush(clear, Qt::SolidPattern));
    // A zero-size ellipse may render as nothing; the centre mark is drawn as a point.
    painter.drawPoint(circleDiameter / 2, circleDiameter / 2);
    painter.drawEllipse(QRect(0, 0, circleDiameter, circleDiameter));
    painter.end();
    return texture;
}
