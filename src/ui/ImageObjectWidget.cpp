#include "ui/ImageObjectWidget.h"

#include "display/ImageObject.h"
#include "messaging/WhatCodes.h"
#include "ui/RowGeometry.h"
#include "ui/UiLog.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

ImageObjectWidget::ImageObjectWidget(HandlerMessage *handler, ImageObject *image, const QModelIndex &index,
                                     QWidget *parent)
    : RowEditor(handler, index, parent), image(image)
{
    const QImage thumb = image->thumbnail();
    thumbnailLabel = new QLabel(this);
    thumbnailLabel->setPixmap(QPixmap::fromImage(thumb));
    thumbnailLabel->setFixedSize(RowGeometry::thumbSide, RowGeometry::thumbSide);
    thumbnailLabel->move(0, 0);

    const int y0 = RowGeometry::controlTop(thumb);
    if (hasControls(image->type()))
        buildControls(thumbnailLabel->width(), y0);

    const RowGeometry::ImageRow row = RowGeometry::imageRow(thumbnailLabel->width(), y0);
    addButton = RowGeometry::makeStepButton(QStringLiteral(":/images/plus.png"), this);
    addButton->move(row.add.topLeft());
    delButton = RowGeometry::makeStepButton(QStringLiteral(":/images/moins.png"), this);
    delButton->move(row.del.topLeft());
    addButton->setVisible(hasControls(image->type()));
    delButton->setVisible(hasControls(image->type()));

    connect(addButton, &QPushButton::pressed, this, &ImageObjectWidget::onBtnTimeAddPreseed);
    connect(addButton, &QPushButton::released, this, &ImageObjectWidget::onBtnTimeAddReleased);
    connect(delButton, &QPushButton::pressed, this, &ImageObjectWidget::onBtnTimeDelPreseed);
    connect(delButton, &QPushButton::released, this, &ImageObjectWidget::onBtnTimeDelReleased);
}

ImageObjectWidget::~ImageObjectWidget()
{
    qCDebug(lcUi) << "#ImageObjectWidget# delete. " << modelIndex;
}

bool ImageObjectWidget::hasControls(int type)
{
    return type == ImageObject::PictureFile || type == ImageObject::DiyPicture
           || type == ImageObject::CardPicture;
}

void ImageObjectWidget::buildControls(int x, int y0)
{
    const RowGeometry::ImageRow row = RowGeometry::imageRow(x, y0);
    positionBox = new QComboBox(this);
    for (int k = 1; k <= RowGeometry::positionChoices; ++k)
        positionBox->addItem(tr("imgwidget_lbl_text2").arg(k));
    positionBox->setCurrentIndex(image->index() - 1);
    positionBox->setGeometry(row.position);
    positionBox->setFocus();
    connect(positionBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ImageObjectWidget::onCurrentIndexChanged);

    spacerLabel = new QLabel(tr("imgwidget_lbl_text3"), this);
    spacerLabel->setAlignment(Qt::AlignCenter);
    spacerLabel->setGeometry(row.spacer);
    lightText(spacerLabel);

    timeEdit = new QLineEdit(QString::number(image->displayTime(), 'g', 6), this);
    timeEdit->setFixedWidth(RowGeometry::editWidth);
    timeEdit->setGeometry(row.edit);
    timeEdit->setValidator(new QIntValidator(1, 100, timeEdit));
    connect(timeEdit, &QLineEdit::textChanged, this, &ImageObjectWidget::onTimeEdit);

    unitLabel = new QLabel(tr("imgwidget_lbl_text4"), this);
    unitLabel->setAlignment(Qt::AlignCenter);
    unitLabel->setGeometry(row.unit);
    lightText(unitLabel);
}

void ImageObjectWidget::onBtnTimeAddPreseed() { pressStep(WhatCode::TimeUp); }
void ImageObjectWidget::onBtnTimeAddReleased() { releaseStep(WhatCode::TimeUp); }
void ImageObjectWidget::onBtnTimeDelPreseed() { pressStep(WhatCode::TimeDown); }
void ImageObjectWidget::onBtnTimeDelReleased() { releaseStep(WhatCode::TimeDown); }

void ImageObjectWidget::onTimeEdit(const QString &value)
{
    bool ok = false;
    const double seconds = value.toDouble(&ok);
    if (ok)
        image->setDisplayTime(seconds);
}

void ImageObjectWidget::onCurrentIndexChanged(int i)
{
    emit imageIndexChanged(image, image->index(), i + 1);
}
