#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>

ModalScript::ModalScript(QList<Step> steps) : steps(std::move(steps))
{
    connect(&timer, &QTimer::timeout, this, &ModalScript::poll);
    timer.start(10);
}

void ModalScript::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == last || !modal->isVisible())
        return;
    last = modal;
    classes.append(QString::fromLatin1(modal->metaObject()->className()));
    if (steps.isEmpty()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        return;
    }
    const Step step = steps.takeFirst();
    step(modal);
}

ModalScript::Step ModalScript::accept()
{
    return [](QWidget *modal) { qobject_cast<QDialog *>(modal)->accept(); };
}

ModalScript::Step ModalScript::reject()
{
    return [](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); };
}

ModalScript::Step ModalScript::enter(const QString &text)
{
    return [text](QWidget *modal) {
        if (auto *edit = modal->findChild<QLineEdit *>(QStringLiteral("lineEdit")))
            edit->setText(text);
        qobject_cast<QDialog *>(modal)->accept();
    };
}

ModalScript::Step ModalScript::answerBox(int button, QStringList *texts)
{
    return [button, texts](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            qobject_cast<QDialog *>(modal)->reject();
            return;
        }
        if (texts)
            *texts = QStringList{box->text(), box->informativeText()};
        box->done(button);
    };
}
