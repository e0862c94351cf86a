#include "import/ProgressCount.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

ProgressCount::ProgressCount(QWidget *parent) : QWidget(parent), label(new QLabel(this)), bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("progressCount"));
    label->setObjectName(QStringLiteral("countLabel"));
    label->setAlignment(Qt::AlignCenter);
    bar->setTextVisible(false);
    bar->setMaximumHeight(12);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 4, 10, 4);
    column->addWidget(label);
    column->addWidget(bar);
    hide();
}

QString ProgressCount::countText(int done, int total)
{
    return total > 0 ? tr("%1 of %2").arg(done).arg(total) : QString::number(done);
}

void ProgressCount::setCount(int done, int total)
{
    label->setText(countText(done, total));
    bar->setRange(0, qMax(total, 0));
    if (total > 0)
        bar->setValue(qBound(0, done, total));
    show();
}

QString ProgressCount::text() const
{
    return label->text();
}
