#pragma once

#include "card/UsbDiskInfo.h"

#include <QDialog>
#include <QString>

#include <memory>

class StickList;

namespace Ui {
class SelectUsbPathDialog;
}

// Lets the user pick the stick for a download or a read. The caller connects
// its mount and unmount signals to the slots of the same names, so that the
// list follows sticks being plugged in and pulled while the dialog is open.
class SelectUsbPathDialog : public QDialog
{
    Q_OBJECT
public:
    SelectUsbPathDialog(const UsbDiskList &disks, QWidget *parent = nullptr);
    ~SelectUsbPathDialog() override;

    QString selectedPath() const { return selected; }
    // Runs the dialog over the sticks, following them while it is open: the
    // chosen stick's folder, or empty when the user cancelled.
    static QString choose(StickList &sticks, QWidget *parent);

public slots:
    void usbMountEvent(const QString &path);
    void usbUMountEvent(const QString &path);
    void onBtnOkClick();
    void onBtnCancelClick();
    void currentSelectUsbChanged(const QString &text);

private:
    std::unique_ptr<Ui::SelectUsbPathDialog> ui;
    QString selected;
};
