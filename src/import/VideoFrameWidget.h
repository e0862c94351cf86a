#pragma once

#include <QImage>
#include <QMutex>
#include <QWidget>

// Shows the latest frame the video player decoded, scaled to fit on black.
// Frames may arrive from any thread; painting happens on the UI thread.
class VideoFrameWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VideoFrameWidget(QWidget *parent = nullptr);

    // Any thread: keeps a copy and schedules a repaint.
    void showFrame(const QImage &frame);
    // UI thread: the frame shown last (null before the first).
    QImage currentFrame() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mutable QMutex frameLock;
    QImage latest;
};
