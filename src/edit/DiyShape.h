#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

class DiyPainter;

// A finished shape or text floating over the canvas until the next click merges
// it. The user drags it with the left button; a red frame marks it and is never
// merged.
class DiyShape : public QWidget
{
    Q_OBJECT
public:
    explicit DiyShape(DiyPainter *canvas);

    // Shows this picture (null: no shape floats); takes the picture's size.
    void setCurrentImage(const QImage &picture);
    QImage currentImage() const { return shapeImage; }

signals:
    void signalPointChanged(QPoint point);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    DiyPainter *canvas;
    QPoint dragOffset; // press position (global) minus the widget's position
    QImage shapeImage;
};
