#include "ui/PreviewArea.h"

#include "ui/PreviewGeometry.h"

PreviewArea::PreviewArea(QWidget *preview, QWidget *play, QWidget *stop, QWidget *parent)
    : QWidget(parent), preview(preview), play(play), stop(stop)
{
    for (QWidget *child : {preview, play, stop})
        child->setParent(this);
}

QSize PreviewArea::minimumSizeHint() const
{
    return PreviewGeometry::minimumArea(play->size());
}

QSize PreviewArea::sizeHint() const
{
    const QSize control = play->size();
    return {2 * PreviewGeometry::margin + 450 + PreviewGeometry::gap + control.width(), 2 * PreviewGeometry::margin + 450};
}

void PreviewArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const PreviewGeometry geometry = PreviewGeometry::fit(size(), play->size());
    preview->setGeometry(geometry.preview);
    play->setGeometry(geometry.control);
    stop->setGeometry(geometry.control);
}
