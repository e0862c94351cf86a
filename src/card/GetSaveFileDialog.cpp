#include "card/GetSaveFileDialog.h"

#include "card/CardFileName.h"

#include "ui_GetSaveFileDialog.h"
#include "card/CardLog.h"

#include <QMessageBox>

GetSaveFileDialog::GetSaveFileDialog(QWidget *parent) : QDialog(parent), ui(new Ui::GetSaveFileDialog)
{
    ui->setupUi(this);
    connect(ui->okBut, &QPushButton::clicked, this, &GetSaveFileDialog::onBtnOkClick);
    connect(ui->cancelBut, &QPushButton::clicked, this, &GetSaveFileDialog::onBtnCancelClick);
}

GetSaveFileDialog::~GetSaveFileDialog() = default; // the form's type is complete only here

QString GetSaveFileDialog::fileName() const
{
    return ui->txtFileName->text();
}

void GetSaveFileDialog::onBtnOkClick()
{
    const QString name = ui->txtFileName->text();
    qCDebug(lcCard) << "#GetSaveFileDialog# onBtnOkClick" << name << ", len =" << name.toUtf8().size();
    const QString problem = CardFileName::problem(name);
    if (problem.isEmpty()) {
        accept();
        return;
    }
    QMessageBox::information(this, tr("dialog_title_tip"), problem, QMessageBox::Ok);
    ui->txtFileName->setFocus();
}

void GetSaveFileDialog::onBtnCancelClick()
{
    reject();
}
