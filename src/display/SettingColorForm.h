#pragma once

#include <QDialog>
#include <QList>

#include <array>

class QGridLayout;
class QLineEdit;

// Modal form over the colour calibration table: one row per step with the
// red, green and blue outputs. Every keystroke updates the table at once, so
// the form has no OK or Cancel of its own: only Close, and "Reset to
// defaults", which puts the default table back and shows it.
class SettingColorForm : public QDialog
{
    Q_OBJECT
public:
    explicit SettingColorForm(QWidget *parent = nullptr);

public slots:
    void onBtnResetClick();

private:
    void addRow(QGridLayout *grid, int key);
    void showTable();

    QList<std::array<QLineEdit *, 3>> editors; // by key - 1: red, green, blue
};
