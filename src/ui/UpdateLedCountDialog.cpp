#include "ui/UpdateLedCountDialog.h"

#include "app/DisplayCountInput.h"
#include "app/DisplayParameters.h"

UpdateLedCountDialog::UpdateLedCountDialog(QWidget *parent)
    : DisplayCountDialog(DisplayCountInput::ledCountMaximum, DisplayParameters::ledCount(), parent)
{
    retranslateUi();
}

void UpdateLedCountDialog::retranslateUi()
{
    setTexts(tr("修改LED数量"), tr("LED数量："), tr("确定"), tr("取消"));
}
