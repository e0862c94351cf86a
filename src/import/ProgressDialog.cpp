#include "import/ProgressDialog.h"

#include "import/DialogButtonBar.h"
#include "import/ProgressCount.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

ProgressDialog::ProgressDialog(const QString &text, QWidget *parent)
    : QDialog(parent), messageLabel(nullptr), count(new ProgressCount(this))
{
    auto *buttonBar = new DialogButtonBar(this);
    QDialogButtonBox *buttons = buttonBar->buttonBox();
    buttons->addButton(tr("action_btn_cancel"), QDialogButtonBox::NoRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::reject);

    auto *mainLayout = new QVBoxLayout;
    mainLayout->setSpacing(0);
    mainLayout->setContentsMargins(0, 0, 0, 0);

    auto *indicator = new QLabel(this);
    indicator->setFixedSize(indicatorSide, indicatorSide);
    auto *movie = new QMovie(QStringLiteral(":/images/progress.gif"), QByteArray(), this);
    indicator->setMovie(movie);
    movie->start();

    messageLabel = new QLabel(text, this);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(indicator);
    row->addWidget(messageLabel);
    row->addStretch(1);
    mainLayout->addLayout(row);
    mainLayout->addWidget(count);
    mainLayout->addWidget(buttonBar);
    setLayout(mainLayout);

    setWindowTitle(tr("dialog_title_tip"));
}

void ProgressDialog::setProgress(int done, int total)
{
    count->setCount(done, total);
}
