#include "edit/DiyShape.h"

#include "edit/DiyPainter.h"

#include <QMouseEvent>
#include <QPainter>

DiyShape::DiyShape(DiyPainter *canvas) : QWidget(canvas), canvas(canvas)
{
    setMouseTracking(true);
}

void DiyShape::setCurrentImage(const QImage &picture)
{
    shapeImage = picture;
    if (!picture.isNull())
        resize(picture.size());
    update();
}

void DiyShape::mousePressEvent(QMouseEvent *event)
{
    dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void DiyShape::mouseReleaseEvent(QMouseEvent *)
{
}

void DiyShape::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->globalPosition().toPoint() - dragOffset;
    move(point);
    emit signalPointChanged(point);
}

void DiyShape::paintEvent(QPaintEvent *)
{
    if (shapeImage.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, shapeImage);
    painter.setPen(QPen(QColor(Qt::red), 4, Qt::DashDotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}
