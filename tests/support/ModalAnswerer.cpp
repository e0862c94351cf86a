#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

ModalAnswerer::ModalAnswerer()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(10);
}

void ModalAnswerer::keepSettingsIn(const QString &folder)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
}

void ModalAnswerer::then(Step step)
{
    steps.append(std::move(step));
}

void ModalAnswerer::thenAnswer(QMessageBox::StandardButton button)
{
    then([this, button](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        boxTitles.append(box->windowTitle());
        boxTexts.append(box->text());
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->done(button);
        return true;
    });
}

void ModalAnswerer::thenCancelFileDialog()
{
    then([this](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        boxTitles.append(dialog->windowTitle());
        boxTexts.append(dialog->nameFilters().join(QLatin1Char(';')));
        dialog->reject();
        return true;
    });
}

void ModalAnswerer::thenChooseFile(const QString &path)
{
    then([this, path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        boxTitles.append(dialog->windowTitle());
        boxTexts.append(dialog->nameFilters().join(QLatin1Char(';')));
        // selectFile() leaves a focused name field as it is: the path is typed instead.
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        else
            dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept"); // protected, but a slot
        return true;
    });
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || steps.isEmpty() || (modal == last && modal->isVisible()))
        return;
    // Taken out first: a step may open the next modal window and wait inside it.
    Step step = steps.takeFirst();
    if (!step(modal)) {
        steps.prepend(step);
        return;
    }
    last = modal;
    ++handled;
}
