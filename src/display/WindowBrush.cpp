#include "display/WindowBrush.h"

#include <QBrush>
#include <QPalette>
#include <QWidget>

void WindowBrush::apply(QWidget *widget, const QBrush &brush)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::Window, brush);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}
