#include "import/VideoFrameWidget.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QPainter>

VideoFrameWidget::VideoFrameWidget(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void VideoFrameWidget::showFrame(const QImage &frame)
{
    {
        QMutexLocker locker(&frameLock);
        latest = frame.copy();
    }
    QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

QImage VideoFrameWidget::currentFrame() const
{
    QMutexLocker locker(&frameLock);
    return latest;
}

void VideoFrameWidget::paintEvent(QPaintEvent *)
{
    const QImage frame = currentFrame();
    if (frame.isNull())
        return;
    QPainter painter(this);
    const QSize fitted = frame.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.drawImage(target, frame);
}
