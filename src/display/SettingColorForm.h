#pragma once

#include <QDialog>

class QGridLayout;

// Modal form over the colour calibration table: one row per step with the
// red, green and blue outputs. Every keystroke updates the table at once, so
// the form has no OK or Cancel of its own.
class SettingColorForm : public QDialog
{
    Q_OBJECT
public:
    explicit SettingColorForm(QWidget *parent = nullptr);

private:
    void addRow(QGridLayout *grid, int key);
};
