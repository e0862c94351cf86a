#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The common part of the two geometry dialogs: one number in a line edit,
// from 1 to a maximum, confirmed or cancelled. Numbers above the maximum
// cannot be typed; while the text is a number below 1, OK is disabled.
class DisplayCountDialog : public QDialog
{
    Q_OBJECT
public:
    // The line edit's text as a decimal number; 40 when it is none (empty).
    int value() const;

protected:
    DisplayCountDialog(int maximum, int current, QWidget *parent);
    // Texts through the subclass's own translation context.
    void setTexts(const QString &title, const QString &label, const QString &ok, const QString &cancel);
    // Calls retranslateUi() when the language changes.
    void changeEvent(QEvent *event) override;
    virtual void retranslateUi() = 0;

private:
    void updateOk();

    const int maximum;
    QLabel *label = nullptr;
    QLineEdit *lineEdit = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
