#pragma once

#include <QMainWindow>
#include <QTranslator>

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

public slots:
    void onBtnEnUsClick();

private:
    QTranslator appTranslator;
};
