#include "card/SetSaveParamsDialog.h"

#include "ui_SetSaveParamsDialog.h"

SetSaveParamsDialog::SetSaveParamsDialog(QWidget *parent) : QDialog(parent), ui(new Ui::SetSaveParamsDialog)
{
    ui->setupUi(this);
    connect(ui->okBut, &QPushButton::clicked, this, &SetSaveParamsDialog::onBtnOkClick);
    connect(ui->cancelBut, &QPushButton::clicked, this, &SetSaveParamsDialog::onBtnCancelClick);
}

SetSaveParamsDialog::~SetSaveParamsDialog() = default; // the form's type is complete only here

int SetSaveParamsDialog::playerModel() const
{
    return ui->cmbPlayerModel->currentIndex();
}

void SetSaveParamsDialog::onBtnOkClick()
{
    accept();
}

void SetSaveParamsDialog::onBtnCancelClick()
{
    reject();
}
