#include "ui/ScaledPreview.h"

#include <QPainter>

ScaledPreview::ScaledPreview(QWidget *parent) : QWidget(parent)
{
}

void ScaledPreview::paintEvent(QPaintEvent *)
{
    const QBrush brush = palette().brush(QPalette::Window);
    QPainter painter(this);
    // The background was filled with the brush tiled: cover it whole.
    painter.fillRect(rect(), brush.textureImage().isNull() ? brush.color() : QColor(Qt::white));
    if (!brush.textureImage().isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), brush.textureImage());
    }
}
