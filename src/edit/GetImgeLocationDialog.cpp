#include "edit/GetImgeLocationDialog.h"

#include "display/WindowBrush.h"
#include "edit/CropSelection.h"
#include "edit/RingTexture.h"
#include "edit/RoundAreaWidget.h"
#include "edit/ZoomRule.h"
#include "ui_GetImgeLocationDialog.h"
#include "edit/EditLog.h"

#include <QLabel>


GetImgeLocationDialog::GetImgeLocationDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::GetImgeLocationDialog)
{
    ui->setupUi(this);
    // Say what the dialog is for and how it is used.
    setWindowTitle(tr("Choose the round area"));
    auto *hint = new QLabel(tr("Drag the circle onto the part to show, and zoom in or out to fit it."), ui->groupBox);
    hint->setObjectName(QStringLiteral("hintLabel"));
    hint->setContentsMargins(8, 0, 8, 0);
    ui->horizontalLayout->insertWidget(0, hint, 1);
    resize(800, 600);
    layout()->activate(); // the scroll area's real size is needed for placing the picture before show()
    connect(ui->btnOk, &QPushButton::clicked, this, &GetImgeLocationDialog::onBtnOk);
    connect(ui->btnZoomIn, &QPushButton::clicked, this, &GetImgeLocationDialog::onBtnZoomIn);
    connect(ui->btnZoomOut, &QPushButton::clicked, this, &GetImgeLocationDialog::onBtnZoomOut);
}

GetImgeLocationDialog::~GetImgeLocationDialog() = default; // the form's type is complete only here

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
        roundArea = new RoundAreaWidget(ui->scrollAreaWidgetContents);
        roundArea->setTexture(RingTexture::make());
        roundArea->installEventFilter(this);
        ui->imageWidget->installEventFilter(this);
    }
    centreRoundArea();
}

QRect GetImgeLocationDialog::selectionRect() const
{
    if (!roundArea)
        return CropSelection::centred(scaledImageSize());
    return CropSelection::at(circleOffset);
}

bool GetImgeLocationDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move) {
        if (watched == ui->imageWidget)
            placeRoundArea(); // the layout moved the picture: the circle goes with it
        else if (watched == roundArea)
            circleOffset = roundArea->pos() - ui->imageWidget->pos(); // dragged
    }
    return QDialog::eventFilter(watched, event);
}

void GetImgeLocationDialog::placeRoundArea()
{
    if (!roundArea)
        return;
    roundArea->move(ui->imageWidget->pos() + circleOffset);
    roundArea->raise();
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
    WindowBrush::apply(image, QBrush(scaledImage));

    // Room for the whole circle around a picture smaller than it.
    ui->scrollAreaWidgetContents->setMinimumSize(size.expandedTo(QSize(CropSelection::side, CropSelection::side)));
    const QPoint offset(qMax(0, (ui->scrollArea->width() - size.width()) / 2),
                        qMax(0, (ui->scrollArea->height() - size.height()) / 2));
    image->move(offset);
    return offset;
}

void GetImgeLocationDialog::centreRoundArea()
{
    circleOffset = CropSelection::centred(scaledImage.size()).topLeft();
    placeRoundArea();
}
