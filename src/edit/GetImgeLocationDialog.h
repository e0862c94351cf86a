#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class RoundAreaWidget;

namespace Ui {
class GetImgeLocationDialog;
}

// Lets the user place the 450 x 450 round area on a picture and zoom the
// picture (never the circle). There is no cancel: however the dialog ends,
// the caller reads selectionRect() and scaledImageSize().
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

private:
    void zoomStep(int delta, const char *name);
    QPoint placeImage();
    void centreRoundArea();

    RoundAreaWidget *roundArea = nullptr;
    Ui::GetImgeLocationDialog *ui;
    int level = 0;
    QImage sourceImage;
    QImage scaledImage;
};
