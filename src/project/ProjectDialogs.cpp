#include "project/ProjectDialogs.h"

#include "import/ProgressDialog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

#include <memory>

namespace {

constexpr int quickWorkMs = 300;

QString tipTitle()
{
    return QCoreApplication::translate("MainWindow", "dialog_title_tip");
}

} // namespace

QString ProjectDialogs::fileFilter()
{
    return tr("Rotavue projects (*.rotavue)");
}

ProjectPrompts::Answer ProjectDialogs::askSaveChanges(const QString &projectName)
{
    QMessageBox box(QMessageBox::Warning, tipTitle(), tr("The project \"%1\" has changes that are not saved.").arg(projectName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("saveChangesBox"));
    box.setInformativeText(tr("Save them first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

QString ProjectDialogs::chooseFileToOpen(const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, tr("Open Project"), folder, fileFilter());
}

QString ProjectDialogs::chooseFileToSave(const QString &suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, tr("Save Project"), suggestedPath, fileFilter());
}

bool ProjectDialogs::askSwitchDisplay(const QString &path, int projectLeds, int projectLines, int leds, int lines)
{
    QMessageBox box(QMessageBox::Question, tipTitle(),
                    tr("%1 was made for a display of %2 LEDs and %3 lines; Rotavue is set up for %4 LEDs and %5 lines.")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(projectLeds)
                        .arg(projectLines)
                        .arg(leds)
                        .arg(lines),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("switchDisplayBox"));
    box.setInformativeText(tr("Switch to the project's display? The playlist is replaced by the project's."));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void ProjectDialogs::tell(const QString &message)
{
    QMessageBox::information(parent, tipTitle(), message, QMessageBox::Ok);
}

void ProjectDialogs::runBusy(const QString &text, const Work &work)
{
    std::atomic<bool> cancelled{false};
    ProgressDialog dialog(text, parent);
    const std::unique_ptr<QThread> worker(QThread::create([&work, &cancelled] { work(cancelled); }));
    QObject::connect(worker.get(), &QThread::finished, &dialog, &QDialog::accept, Qt::QueuedConnection);
    worker->start();
    // Small projects are done before a busy dialog would be worth showing.
    if (worker->wait(QDeadlineTimer(quickWorkMs)))
        return;
    dialog.exec();
    // Cancel: the work stops at its next record; the dialog is gone, the window waits for it.
    cancelled = true;
    worker->wait();
}
