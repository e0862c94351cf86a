#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class RoundAreaWidget;

namespace Ui {
class GetImgeLocationDialog;
}

// Lets the user place the 450 x 450 round area on a picture and zoom the
// picture (never the circle). OK accepts; Escape and the window's close
// button reject, which callers take as a cancel. Either way selectionRect()
// and scaledImageSize() can be read. The circle lies over the scroll area's
// content rather than inside the picture, so that it stays visible (and can
// be dragged) around a picture smaller than itself.
class GetImgeLocationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GetImgeLocationDialog(QWidget *parent = nullptr);
    ~GetImgeLocationDialog() override;

    // Call once, before the dialog is shown.
    void setImage(const QImage &picture);

    // The square under the circle in scaled-picture coordinates; not clamped.
    QRect selectionRect() const;
    QSize scaledImageSize() const;
    int zoomLevel() const { return level; }

public slots:
    void onBtnZoomIn();
    void onBtnZoomOut();
    void onBtnOk();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void zoomStep(int delta, const char *name);
    QPoint placeImage();
    void centreRoundArea();
    void placeRoundArea();

    RoundAreaWidget *roundArea = nullptr;
    QPoint circleOffset; // the circle's top-left in scaled-picture coordinates
    std::unique_ptr<Ui::GetImgeLocationDialog> ui;
    int level = 0;
    QImage sourceImage;
    QImage scaledImage;
};
