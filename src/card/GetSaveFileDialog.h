#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class GetSaveFileDialog;
}

// Asks for the card file's name. A name the stick cannot store is refused
// here with a message, and the dialog stays open.
class GetSaveFileDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GetSaveFileDialog(QWidget *parent = nullptr);
    ~GetSaveFileDialog() override;

    // The name as typed, without ".bin".
    QString fileName() const;

public slots:
    void onBtnOkClick();
    void onBtnCancelClick();

private:
    std::unique_ptr<Ui::GetSaveFileDialog> ui;
};
