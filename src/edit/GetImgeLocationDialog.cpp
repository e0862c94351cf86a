#include "edit/GetImgeLocationDialog.h"

#include "edit/CropSelection.h"
#include "edit/RingTexture.h"
#include "edit/RoundAreaWidget.h"
#include "edit/ZoomRule.h"
#include "ui_GetImgeLocationDialog.h"
#include "edit/EditLog.h"


GetImgeLocationDialog::GetImgeLocationDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::GetImgeLocationDialog)
{
    ui->setupUi(this);
    resize(800, 600);
    layout()->activate(); // the scroll area's real size is needed for placing the picture before show()
    connect(ui->btnOk, &QPushButton::clicked, this, &GetImgeLocationDialog::onBtnOk);
    connect(ui->btnZoomIn, &QPushButton::clicked, this, &GetImgeLocationDialog::onBtnZoomIn);
    connect(ui->btnZoomOut, &QPushButton::clicked, this, &GetImgeLocationDialog::onBtnZoomOut);
}

GetImgeLocationDialog::~GetImgeLocationDialog()
{
    delete ui;
}

void GetImgeLocationDialog::setImage(const QImage &picture)
{
    sourceImage = picture;
    scaledImage = picture;
    const QPoint offset = placeImage();
    qCDebug(lcEdit).noquote() << QStringLiteral("%1, %2 %3, %4 %5  %6")
                              .arg(width())
                              .arg(height())
                              .arg(ui->scrollArea->width())
                              .arg(ui->scrollArea->height())
                              .arg(offset.x())
                              .arg(offset.y());

    if (!roundArea) { // a second call must not leave a stale circle behind
        roundArea = new RoundAreaWidget(ui->imageWidget);
        roundArea->setTexture(RingTexture::make());
    }
    centreRoundArea();
}

QRect GetImgeLocationDialog::selectionRect() const
{
    if (!roundArea)
        return CropSelection::centred(scaledImageSize());
    return CropSelection::at(roundArea->pos());
}

QSize GetImgeLocationDialog::scaledImageSize() const
{
    return scaledImage.size();
}

void GetImgeLocationDialog::onBtnZoomIn()
{
    zoomStep(+1, "zoomIn()");
}

void GetImgeLocationDialog::onBtnZoomOut()
{
    zoomStep(-1, "zoomOut()");
}

void GetImgeLocationDialog::onBtnOk()
{
    accept();
}

void GetImgeLocationDialog::zoomStep(int delta, const char *name)
{
    const QString prefix = QStringLiteral("#GetImgeLocationDialog# ") + QLatin1String(name) + QLatin1Char(' ');
    const int newLevel = level + delta;
    qCDebug(lcEdit).noquote() << prefix + QStringLiteral("%1, %2, %3").arg(newLevel).arg(sourceImage.width()).arg(sourceImage.height());
    if (!ZoomRule::stepAllowed(sourceImage.size(), level, newLevel))
        return; // refused steps leave everything as it was

    level = newLevel;
    const QSize target = ZoomRule::zoomedSize(sourceImage.size(), level);
    // scaled() gives a null picture for an empty target, which is the 0 x 0 we want.
    scaledImage = (sourceImage.isNull() || target.isEmpty())
                      ? QImage()
                      : sourceImage.scaled(target, Qt::KeepAspectRatioByExpanding, Qt::FastTransformation);
    qCDebug(lcEdit).noquote() << prefix + QStringLiteral("%1, %2, %3").arg(level).arg(scaledImage.width()).arg(scaledImage.height());

    const QPoint offset = placeImage();
    qCDebug(lcEdit).noquote() << QStringLiteral("%1  %2").arg(offset.x()).arg(offset.y());
    centreRoundArea(); // a zoom step discards the user's placement
}

QPoint GetImgeLocationDialog::placeImage()
{
    const QSize size = scaledImage.size();
    QWidget *image = ui->imageWidget;
    image->setMinimumSize(size);
    image->setMaximumSize(size);
    image->resize(size);
    image->setAutoFillBackground(true);
    QPalette pal = image->palette();
    pal.setBrush(QPalette::Window, QBrush(scaledImage));
    image->setPalette(pal);

    const QPoint offset(qMax(0, (ui->scrollArea->width() - size.width()) / 2),
                        qMax(0, (ui->scrollArea->height() - size.height()) / 2));
    image->move(offset);
    return offset;
}

void GetImgeLocationDialog::centreRoundArea()
{
    if (roundArea)
        roundArea->move(CropSelection::centred(scaledImage.size()).topLeft());
}
