#include "import/DialogButtonBar.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>

DialogButtonBar::DialogButtonBar(QWidget *parent) : QGroupBox(parent), buttons(new QDialogButtonBox(this))
{
    setFlat(true);
    setMinimumHeight(barHeight);
    setMaximumHeight(barHeight);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons);
}
