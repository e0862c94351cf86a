#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class SetSaveParamsDialog;
}

// Chooses what the display plays: 0 pictures and video, 1 only video,
// 2 only pictures. The card file has no field for it yet, so nothing shows it.
class SetSaveParamsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SetSaveParamsDialog(QWidget *parent = nullptr);
    ~SetSaveParamsDialog() override;

    // The chosen index, -1 with no current item.
    int playerModel() const;

public slots:
    void onBtnOkClick();
    void onBtnCancelClick();

private:
    std::unique_ptr<Ui::SetSaveParamsDialog> ui;
};
