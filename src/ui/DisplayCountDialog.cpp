#include "ui/DisplayCountDialog.h"

#include "app/DisplayCountInput.h"
#include "display/StrictIntValidator.h"
#include "import/DialogButtonBar.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DisplayCountDialog::DisplayCountDialog(int maximum, int current, QWidget *parent)
    : QDialog(parent), maximum(maximum)
{
    auto *column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);

    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->setContentsMargins(10, 6, 10, 6);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(100);
    lineEdit = new QLineEdit(QString::number(current), this);
    lineEdit->setObjectName(QStringLiteral("lineEdit"));
    lineEdit->setValidator(new StrictIntValidator(1, maximum, lineEdit));
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(lineEdit);
    row->addStretch(1);
    column->addLayout(row);

    auto *buttonBar = new DialogButtonBar(this);
    buttonBox = buttonBar->buttonBox();
    okButton = buttonBox->addButton(QString(), QDialogButtonBox::YesRole);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = buttonBox->addButton(QString(), QDialogButtonBox::NoRole);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    column->addWidget(buttonBar);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lineEdit, &QLineEdit::textChanged, this, &DisplayCountDialog::updateOk);
    updateOk();
}

int DisplayCountDialog::value() const
{
    return DisplayCountInput::valueOf(lineEdit->text());
}

void DisplayCountDialog::setTexts(const QString &title, const QString &labelText, const QString &ok,
                                  const QString &cancel)
{
    setWindowTitle(title);
    label->setText(labelText);
    okButton->setText(ok);
    cancelButton->setText(cancel);
}

void DisplayCountDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void DisplayCountDialog::updateOk()
{
    okButton->setEnabled(DisplayCountInput::acceptable(lineEdit->text(), maximum));
}
