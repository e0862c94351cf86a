#include "card/SelectUsbPathDialog.h"

#include "card/StickList.h"

#include "ui_SelectUsbPathDialog.h"
#include "card/CardLog.h"

#include <QMessageBox>

SelectUsbPathDialog::SelectUsbPathDialog(const UsbDiskList &disks, QWidget *parent)
    : QDialog(parent), ui(new Ui::SelectUsbPathDialog)
{
    ui->setupUi(this);
    connect(ui->okBut, &QPushButton::clicked, this, &SelectUsbPathDialog::onBtnOkClick);
    connect(ui->cancelBut, &QPushButton::clicked, this, &SelectUsbPathDialog::onBtnCancelClick);
    connect(ui->listWidget, &QListWidget::currentTextChanged, this, &SelectUsbPathDialog::currentSelectUsbChanged);
    for (const UsbDiskInfo &disk : disks)
        ui->listWidget->addItem(disk.path);
    ui->listWidget->setCurrentRow(0);
}

SelectUsbPathDialog::~SelectUsbPathDialog() = default; // the form's type is complete only here

void SelectUsbPathDialog::currentSelectUsbChanged(const QString &text)
{
    qCDebug(lcCard) << "#SelectUsbPathDialog# currentSelectUsbChanged" << text;
    selected = text;
}

void SelectUsbPathDialog::usbMountEvent(const QString &path)
{
    qCDebug(lcCard) << "#SelectUsbPathDialog# usbMountEvent" << path;
    const bool wasEmpty = ui->listWidget->count() == 0;
    ui->listWidget->addItem(path);
    if (wasEmpty)
        ui->listWidget->setCurrentRow(0);
}

void SelectUsbPathDialog::usbUMountEvent(const QString &path)
{
    qCDebug(lcCard) << "#SelectUsbPathDialog# usbUMountEvent" << path;
    for (int row = ui->listWidget->count() - 1; row >= 0; --row) {
        QListWidgetItem *item = ui->listWidget->item(row);
        if (item->text() != path)
            continue;
        ui->listWidget->removeItemWidget(item);
        delete ui->listWidget->takeItem(row);
    }
}

void SelectUsbPathDialog::onBtnOkClick()
{
    qCDebug(lcCard) << "#SelectUsbPathDialog# onBtnOkClick " << selected;
    if (!selected.isEmpty()) {
        accept();
        return;
    }
    QMessageBox::information(this, tr("dialog_title_tip"), tr("selectusb_title"), QMessageBox::Ok);
}

void SelectUsbPathDialog::onBtnCancelClick()
{
    reject();
}

QString SelectUsbPathDialog::choose(StickList &sticks, QWidget *parent)
{
    SelectUsbPathDialog dialog(sticks.disks(), parent);
    connect(&sticks, &StickList::usbMountEvent, &dialog, &SelectUsbPathDialog::usbMountEvent);
    connect(&sticks, &StickList::usbUMountEvent, &dialog, &SelectUsbPathDialog::usbUMountEvent);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedPath() : QString();
}
