#pragma once

#include <QWidget>

// The white area beside the lists: places the preview and the play
// controls by PreviewGeometry whenever its size changes.
class PreviewArea : public QWidget
{
    Q_OBJECT
public:
    PreviewArea(QWidget *preview, QWidget *play, QWidget *stop, QWidget *parent);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *preview;
    QWidget *play;
    QWidget *stop;
};
