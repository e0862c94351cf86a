#include "edit/UpdateImageContract.h"

#include "display/ImageObject.h"
#include "edit/ContrastAdjuster.h"
#include "import/DialogButtonBar.h"
#include "import/PictureLoader.h"
#include "messaging/Message.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

UpdateImageContract::UpdateImageContract(HandlerMessage *handler, ImageObject *object, QWidget *parent)
    : QDialog(parent), image(object), handler(handler)
{
    const QImage source = image ? PictureLoader(image->sourcePath()).picture() : QImage();
    adjuster = std::make_shared<ContrastAdjuster>(image, source, &replies);
    connect(&replies, &ReplyChannel::received, this, &UpdateImageContract::onAdjusted);

    auto *column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);

    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->setContentsMargins(10, 6, 10, 6);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setFixedSize(150, 25);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("slider"));
    slider->setRange(0, ContrastAdjuster::sliderMaximum);
    slider->setFixedSize(200, 25);
    slider->setValue(image ? ContrastAdjuster::sliderValueOf(image->contrast()) : 10);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(slider);
    row->addStretch(1);
    column->addLayout(row);

    auto *buttonBar = new DialogButtonBar(this);
    buttonBox = buttonBar->buttonBox();
    // No role: a click emits rejected(), which closes the dialog.
    okButton = buttonBox->addButton(QString(), QDialogButtonBox::NoRole);
    okButton->setObjectName(QStringLiteral("okButton"));
    column->addWidget(buttonBar);

    connect(slider, &QSlider::valueChanged, this, &UpdateImageContract::sliderValueChanged);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslateUi();
}

UpdateImageContract::~UpdateImageContract()
{
    finishPending();
}

int UpdateImageContract::value() const
{
    return slider->value();
}

bool UpdateImageContract::hasPicture() const
{
    return adjuster->hasMatrix();
}

void UpdateImageContract::addImageContract(int value)
{
    adjuster->addImageContract(value);
}

void UpdateImageContract::sliderValueChanged(int value)
{
    adjuster->request(handler, value);
    if (!handler)
        emit onImageContractChanged(image);
}

void UpdateImageContract::done(int result)
{
    finishPending();
    QDialog::done(result);
}

void UpdateImageContract::finishPending()
{
    if (adjuster->finish(handler))
        emit onImageContractChanged(image);
}

void UpdateImageContract::onAdjusted(Message *msg)
{
    delete msg;
    emit onImageContractChanged(image);
}

void UpdateImageContract::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void UpdateImageContract::retranslateUi()
{
    setWindowTitle(tr("updatecontract_btn_title"));
    label->setText(tr("updatecontract_lbl_title"));
    okButton->setText(tr("action_btn_ok"));
}
