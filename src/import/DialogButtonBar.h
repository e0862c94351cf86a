#pragma once

#include <QGroupBox>

class QDialogButtonBox;

// The flat bar, 40 pixels high, that holds the buttons of the import and busy
// dialogs.
class DialogButtonBar : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int barHeight = 40;

    explicit DialogButtonBar(QWidget *parent);

    QDialogButtonBox *buttonBox() const { return buttons; }

private:
    QDialogButtonBox *buttons;
};
