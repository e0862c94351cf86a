#include "ui/ImageObjectWidget.h"

#include "display/ImageObject.h"
#include "messaging/WhatCodes.h"
#include "ui/RowGeometry.h"
#include "ui/RowToolTip.h"
#include "ui/StepRules.h"
#include "ui/UiLog.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDoubleValidator>
#include <QLocale>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

ImageObjectWidget::ImageObjectWidget(HandlerMessage *handler, ImageObject *image, const QModelIndex &index,
                                     QWidget *parent)
    : RowEditor(handler, index, parent), picture(image)
{
    const QImage thumb = image->thumbnail();
    thumbnailLabel = new QLabel(this);
    thumbnailLabel->setObjectName(QStringLiteral("thumbnailLabel"));
    thumbnailLabel->setPixmap(QPixmap::fromImage(thumb));
    thumbnailLabel->setFixedSize(RowGeometry::thumbSide, RowGeometry::thumbSide);
    thumbnailLabel->move(0, 0);

    const int y0 = RowGeometry::controlTop(thumb);
    if (hasControls(image->type()))
        buildControls(thumbnailLabel->width(), y0);

    const RowGeometry::ImageRow row = RowGeometry::imageRow(thumbnailLabel->width(), y0);
    addButton = RowGeometry::makeStepButton(QStringLiteral(":/images/plus.png"), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    addButton->move(row.add.topLeft());
    delButton = RowGeometry::makeStepButton(QStringLiteral(":/images/moins.png"), this);
    delButton->setObjectName(QStringLiteral("delButton"));
    delButton->move(row.del.topLeft());
    addButton->setVisible(hasControls(image->type()));
    delButton->setVisible(hasControls(image->type()));

    connect(addButton, &QPushButton::pressed, this, &ImageObjectWidget::onBtnTimeAddPreseed);
    connect(addButton, &QPushButton::released, this, &ImageObjectWidget::onBtnTimeAddReleased);
    connect(delButton, &QPushButton::pressed, this, &ImageObjectWidget::onBtnTimeDelPreseed);
    connect(delButton, &QPushButton::released, this, &ImageObjectWidget::onBtnTimeDelReleased);
    setToolTip(RowToolTip::of(image));
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
    positionBox->setObjectName(QStringLiteral("positionBox"));
    setPositionCount(qMax(rowCount(), picture->index()));
    positionBox->setCurrentIndex(picture->index() - 1);
    // The box offers the positions the list has, as rows come and go.
    if (const QAbstractItemModel *model = modelIndex.model()) {
        connect(model, &QAbstractItemModel::rowsInserted, this, &ImageObjectWidget::fillPositions);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ImageObjectWidget::fillPositions);
        connect(model, &QAbstractItemModel::modelReset, this, &ImageObjectWidget::fillPositions);
    }
    positionBox->setGeometry(row.position);
    positionBox->setFocus();
    connect(positionBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ImageObjectWidget::onCurrentIndexChanged);

    spacerLabel = new QLabel(tr("imgwidget_lbl_text3"), this);
    spacerLabel->setObjectName(QStringLiteral("spacerLabel"));
    spacerLabel->setAlignment(Qt::AlignCenter);
    spacerLabel->setGeometry(row.spacer);
    lightText(spacerLabel);

    timeEdit = new QLineEdit(QString::number(picture->displayTime(), 'g', 6), this);
    timeEdit->setObjectName(QStringLiteral("timeEdit"));
    timeEdit->setFixedWidth(RowGeometry::editWidth);
    timeEdit->setGeometry(row.edit);
    // Typing follows what the steps write: 1 to 100 s with one decimal.
    auto *validator = new QDoubleValidator(StepRules::minTypedTime, StepRules::maxTime, 1, timeEdit);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    timeEdit->setValidator(validator);
    connect(timeEdit, &QLineEdit::textChanged, this, &ImageObjectWidget::onTimeEdit);

    unitLabel = new QLabel(tr("imgwidget_lbl_text4"), this);
    unitLabel->setObjectName(QStringLiteral("unitLabel"));
    unitLabel->setAlignment(Qt::AlignCenter);
    unitLabel->setGeometry(row.unit);
    lightText(unitLabel);
}

int ImageObjectWidget::rowCount() const
{
    const QAbstractItemModel *model = modelIndex.model();
    return model ? model->rowCount() : RowGeometry::positionChoices;
}

void ImageObjectWidget::fillPositions()
{
    // Called when rows come and go: the record may be gone already, so only
    // the box's own choice is read.
    setPositionCount(qMax(rowCount(), positionBox->currentIndex() + 1));
}

void ImageObjectWidget::setPositionCount(int count)
{
    const QSignalBlocker quiet(positionBox); // filling is not choosing
    count = qMax(1, count);
    while (positionBox->count() > count)
        positionBox->removeItem(positionBox->count() - 1);
    for (int k = positionBox->count() + 1; k <= count; ++k)
        positionBox->addItem(tr("imgwidget_lbl_text2").arg(k));
}

void ImageObjectWidget::onBtnTimeAddPreseed() { pressStep(WhatCode::TimeUp); }
void ImageObjectWidget::onBtnTimeAddReleased() { releaseStep(WhatCode::TimeUp); }
void ImageObjectWidget::onBtnTimeDelPreseed() { pressStep(WhatCode::TimeDown); }
void ImageObjectWidget::onBtnTimeDelReleased() { releaseStep(WhatCode::TimeDown); }

void ImageObjectWidget::onTimeEdit(const QString &value)
{
    // Text on its way to a valid time ("1" of "150") is not stored.
    if (const std::optional<double> seconds = StepRules::typedTime(value)) {
        picture->setDisplayTime(*seconds);
        emit recordEdited(picture);
    }
}

void ImageObjectWidget::onCurrentIndexChanged(int i)
{
    emit imageIndexChanged(picture, picture->index(), i + 1);
}

QObject *ImageObjectWidget::record() const
{
    return picture;
}

void ImageObjectWidget::showRecord()
{
    // A contrast change rebuilds the thumbnail.
    thumbnailLabel->setPixmap(QPixmap::fromImage(picture->thumbnail()));
    if (positionBox) {
        const QSignalBlocker quiet(positionBox); // showing is not choosing
        positionBox->setCurrentIndex(picture->index() - 1);
    }
    if (timeEdit && !timeEdit->hasFocus())
        showDisplayTime(picture->displayTime());
}

void ImageObjectWidget::retranslateUi()
{
    if (!positionBox)
        return;
    for (int k = 1; k <= positionBox->count(); ++k)
        positionBox->setItemText(k - 1, tr("imgwidget_lbl_text2").arg(k));
    spacerLabel->setText(tr("imgwidget_lbl_text3"));
    unitLabel->setText(tr("imgwidget_lbl_text4"));
}

void ImageObjectWidget::showDisplayTime(double seconds)
{
    if (timeEdit)
        timeEdit->setText(QString::number(seconds, 'g', 6));
}

void ImageObjectWidget::performStep(int what)
{
    double t = picture->displayTime();
    if (what == WhatCode::TimeUp) {
        t = StepRules::timeUp(t);
        qCDebug(lcUi) << "onBtnTimeAdd time = " << t;
    } else if (what == WhatCode::TimeDown) {
        t = StepRules::timeDown(t);
    } else {
        return;
    }
    picture->setDisplayTime(t);
    showDisplayTime(t); // written directly: a stepped time such as 0.2 s is kept
    emit recordEdited(picture);
}
