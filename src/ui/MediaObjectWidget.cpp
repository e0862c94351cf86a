#include "ui/MediaObjectWidget.h"
#include "ui/RowToolTip.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "messaging/WhatCodes.h"
#include "ui/RowGeometry.h"
#include "ui/StepRules.h"
#include "ui/UiLog.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

MediaObjectWidget::MediaObjectWidget(HandlerMessage *handler, MediaObject *media, const QModelIndex &index,
                                     QWidget *parent)
    : RowEditor(handler, index, parent), sequence(media)
{
    thumbnailLabel = new QLabel(this);
    thumbnailLabel->setObjectName(QStringLiteral("thumbnailLabel"));
    if (ImageObject *first = media->frame(0))
        thumbnailLabel->setPixmap(QPixmap::fromImage(first->thumbnail()));
    thumbnailLabel->setFixedSize(RowGeometry::thumbSide, RowGeometry::thumbSide);
    thumbnailLabel->move(0, 0);

    const RowGeometry::MediaRow row = RowGeometry::mediaRow(thumbnailLabel->width());
    infoLabel = new QLabel(infoText(tr("videowidget_lbl_text"), media->frameCount()), this);
    infoLabel->setObjectName(QStringLiteral("infoLabel"));
    infoLabel->setGeometry(row.info);
    lightText(infoLabel);
    loopLabel = new QLabel(tr("videowidget_lbl_loopcount"), this);
    loopLabel->setObjectName(QStringLiteral("loopLabel"));
    loopLabel->setGeometry(row.loopLabel);
    lightText(loopLabel);
    loopEdit = new QLineEdit(QString::number(media->loopCount()), this);
    loopEdit->setObjectName(QStringLiteral("loopEdit"));
    loopEdit->setGeometry(row.loopEdit);
    loopEdit->setValidator(new QIntValidator(StepRules::minLoops, StepRules::maxLoops, loopEdit));
    connect(loopEdit, &QLineEdit::textChanged, this, &MediaObjectWidget::onTimeEdit);

    addButton = RowGeometry::makeStepButton(QStringLiteral(":/images/plus.png"), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    addButton->move(row.add.topLeft());
    delButton = RowGeometry::makeStepButton(QStringLiteral(":/images/moins.png"), this);
    delButton->setObjectName(QStringLiteral("delButton"));
    delButton->move(row.del.topLeft());
    connect(addButton, &QPushButton::pressed, this, &MediaObjectWidget::onBtnTimeAddPreseed);
    connect(addButton, &QPushButton::released, this, &MediaObjectWidget::onBtnTimeAddReleased);
    connect(delButton, &QPushButton::pressed, this, &MediaObjectWidget::onBtnTimeDelPreseed);
    connect(delButton, &QPushButton::released, this, &MediaObjectWidget::onBtnTimeDelReleased);
    setToolTip(RowToolTip::of(media));
}

QString MediaObjectWidget::infoText(const QString &pattern, int frameCount)
{
    return pattern.arg(frameCount).arg(frameCount / 10);
}

void MediaObjectWidget::onBtnTimeAddPreseed()
{
    qCDebug(lcUi, "onBtnTimeAddPreseed");
    pressStep(WhatCode::LoopUp);
}

void MediaObjectWidget::onBtnTimeAddReleased()
{
    qCDebug(lcUi, "onBtnTimeAddReleased");
    releaseStep(WhatCode::LoopUp);
}

void MediaObjectWidget::onBtnTimeDelPreseed()
{
    qCDebug(lcUi, "onBtnTimeDelPreseed");
    pressStep(WhatCode::LoopDown);
}

void MediaObjectWidget::onBtnTimeDelReleased()
{
    qCDebug(lcUi, "onBtnTimeDelReleased");
    releaseStep(WhatCode::LoopDown);
}

void MediaObjectWidget::onTimeEdit(const QString &value)
{
    // A count the card cannot hold ("300") is not stored.
    if (const std::optional<int> loops = StepRules::typedLoopCount(value)) {
        sequence->setLoopCount(*loops);
        emit recordEdited(sequence);
    }
}

void MediaObjectWidget::onCurrentIndexChanged(int i)
{
    // Sequence rows have no position box; kept for symmetry with picture rows.
    emit mediaIndexChanged(sequence, sequence->index(), i + 1);
}

QObject *MediaObjectWidget::record() const
{
    return sequence;
}

void MediaObjectWidget::showRecord()
{
    if (!loopEdit->hasFocus())
        showLoopCount(sequence->loopCount());
}

void MediaObjectWidget::retranslateUi()
{
    infoLabel->setText(infoText(tr("videowidget_lbl_text"), sequence->frameCount()));
    loopLabel->setText(tr("videowidget_lbl_loopcount"));
}

void MediaObjectWidget::showLoopCount(int loops)
{
    loopEdit->setText(QString::number(loops));
}

void MediaObjectWidget::performStep(int what)
{
    int n = sequence->loopCount();
    if (what == WhatCode::LoopUp) {
        n = StepRules::loopUp(n);
        qCDebug(lcUi) << "onBtnTimeAdd() loopcount = " << n;
    } else if (what == WhatCode::LoopDown) {
        n = StepRules::loopDown(n);
        qCDebug(lcUi) << "onBtnTimeDel() loopcount = " << n;
    } else {
        return;
    }
    sequence->setLoopCount(n);
    showLoopCount(n);
    emit recordEdited(sequence);
}
