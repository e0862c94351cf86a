#include "ui/MainWindow.h"

#include <QApplication>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    resize(900, 619);
    setMinimumSize(800, 600);
    setWindowTitle(QStringLiteral("Rotavue Display"));
}

void MainWindow::onBtnEnUsClick()
{
    qDebug("onBtnEnUsClick");
    if (appTranslator.load(QStringLiteral(":/ts/translate_en_US.qm")))
        QApplication::installTranslator(&appTranslator);
}
