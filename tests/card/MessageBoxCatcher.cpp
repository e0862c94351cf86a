#include "MessageBoxCatcher.h"

#include <QApplication>
#include <QMessageBox>

MessageBoxCatcher::MessageBoxCatcher()
{
    connect(&timer, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    timer.start(10);
}

void MessageBoxCatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    seen = true;
    boxTitle = box->windowTitle();
    boxText = box->text();
    timer.stop();
    box->done(QMessageBox::Ok);
}
