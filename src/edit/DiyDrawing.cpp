#include "edit/DiyDrawing.h"

#include <QPainter>
#include <QPen>

#include <cstdlib>

QColor DiyDrawing::effective(const QColor &colour)
{
    return colour.isValid() ? colour : QColor(Qt::black);
}

void DiyDrawing::draw(QPainter &painter, int tool, const QPoint &start, const QPoint &end,
                      const DiyPenSettings &settings)
{
    const bool erase = tool == DiyTool::Erase;
    const QColor penColour = effective(erase ? settings.backgroundColor : settings.penColor);
    const QColor brushColour = effective(erase ? settings.backgroundColor : settings.brushColor);
    if (settings.penWidth < 1)
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(QPen(QBrush(penColour), settings.penWidth, settings.penStyle));
    painter.setBrush(QBrush(brushColour, Qt::SolidPattern));

    const QSize size(end.x() - start.x(), end.y() - start.y());
    switch (tool) {
    case DiyTool::Pen:
    case DiyTool::Erase:
    case DiyTool::Line:
        painter.drawLine(start, end);
        break;
    case DiyTool::Rect:
        painter.drawRect(QRect(start, size));
        break;
    case DiyTool::RoundRect:
        painter.drawRoundedRect(QRectF(QPointF(start), QSizeF(size)), roundness, roundness, Qt::RelativeSize);
        break;
    case DiyTool::Ellipse:
        painter.drawEllipse(QRect(start, size));
        break;
    default:
        break; // text and the move tool draw no shape
    }
}

QRect DiyDrawing::boundingBox(const QPoint &start, const QPoint &end, int penWidth)
{
    return QRect(qMin(start.x(), end.x()) - penWidth, qMin(start.y(), end.y()) - penWidth,
                 std::abs(end.x() - start.x()) + 2 * penWidth, std::abs(end.y() - start.y()) + 2 * penWidth);
}

QImage DiyDrawing::clearPicture(const QSize &size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(QColor(255, 255, 255, 0));
    return picture;
}

void DiyDrawing::beginInBox(QPainter &painter, QImage &boxPicture, const QRect &box, const QSize &canvasSize)
{
    painter.begin(&boxPicture);
    painter.translate(-box.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), canvasSize));
}

QImage DiyDrawing::renderAlone(int tool, const QPoint &start, const QPoint &end, const DiyPenSettings &settings,
                               const QSize &canvasSize)
{
    const QRect box = boundingBox(start, end, settings.penWidth);
    if (box.isEmpty())
        return QImage();
    QImage picture = clearPicture(box.size());
    QPainter painter;
    beginInBox(painter, picture, box, canvasSize);
    draw(painter, tool, start, end, settings);
    painter.end();
    return picture;
}
