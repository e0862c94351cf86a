#pragma once

#include <QWidget>

// The round preview: shows its background brush (a preview picture, the
// ring, or a colour) scaled to its size rather than tiled, so it can grow
// and shrink with the window. The brush stays what the window sets.
class ScaledPreview : public QWidget
{
    Q_OBJECT
public:
    explicit ScaledPreview(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
