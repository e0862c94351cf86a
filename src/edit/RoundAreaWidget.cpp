#include "edit/RoundAreaWidget.h"

#include "display/WindowBrush.h"

#include <QImage>
#include <QMouseEvent>
#include <QPalette>

RoundAreaWidget::RoundAreaWidget(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(side, side);
    setMaximumSize(side, side);
    setAutoFillBackground(true);
}

void RoundAreaWidget::setTexture(const QImage &texture)
{
    WindowBrush::apply(this, QBrush(texture));
}

void RoundAreaWidget::mousePressEvent(QMouseEvent *event)
{
    dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void RoundAreaWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}

void RoundAreaWidget::mouseMoveEvent(QMouseEvent *event)
{
    // No bounds: the circle may leave the picture; the parent clips it.
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset);
}
