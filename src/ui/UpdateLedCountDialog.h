#pragma once

#include "ui/DisplayCountDialog.h"

// Asks for a new LED count (LEDs along the bar), 1 to 500.
class UpdateLedCountDialog : public DisplayCountDialog
{
    Q_OBJECT
public:
    // Starts at the current value.
    explicit UpdateLedCountDialog(QWidget *parent = nullptr);

protected:
    void retranslateUi() override;
};
