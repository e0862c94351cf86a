#include "ui/UpdateLineNumberDialog.h"

#include "app/DisplayCountInput.h"
#include "app/DisplayParameters.h"

UpdateLineNumberDialog::UpdateLineNumberDialog(QWidget *parent)
    : DisplayCountDialog(DisplayCountInput::lineCountMaximum, DisplayParameters::lineCount(), parent)
{
    retranslateUi();
}

void UpdateLineNumberDialog::retranslateUi()
{
    setTexts(tr("修改分辨率"), tr("分辨率："), tr("确定"), tr("取消"));
}
