#pragma once

#include <QPoint>
#include <QWidget>

class QImage;

// The 450 x 450 circle that marks the round display area. The user drags it
// with the left button; it paints nothing itself but shows its background
// brush, normally the ring texture.
class RoundAreaWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int side = 450;

    explicit RoundAreaWidget(QWidget *parent = nullptr);

    // Shows the texture, tiled from the top-left corner, as the background.
    void setTexture(const QImage &texture);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPoint dragOffset; // press position (global) minus the widget's position, at the last press
};
