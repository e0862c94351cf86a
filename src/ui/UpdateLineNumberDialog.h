#pragma once

#include "ui/DisplayCountDialog.h"

// Asks for a new line count (lines per revolution, the "resolution"), 1 to 600.
class UpdateLineNumberDialog : public DisplayCountDialog
{
    Q_OBJECT
public:
    // Starts at the current value.
    explicit UpdateLineNumberDialog(QWidget *parent = nullptr);

protected:
    void retranslateUi() override;
};
