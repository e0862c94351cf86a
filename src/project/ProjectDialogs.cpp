#include "project/ProjectDialogs.h"

#include "import/ProgressDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

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
    // A plain thread, a mutex and a join: the hand-over stays visible to the thread sanitizer.
    std::mutex lock;
    std::condition_variable ended;
    bool done = false;
    std::thread worker([&] {
        work(cancelled);
        {
            const std::lock_guard<std::mutex> guard(lock);
            done = true;
        }
        ended.notify_all();
        QMetaObject::invokeMethod(&dialog, [&dialog] { dialog.accept(); }, Qt::QueuedConnection);
    });
    bool quick = false;
    {
        // Small projects are done before a busy dialog would be worth showing.
        std::unique_lock<std::mutex> guard(lock);
        quick = ended.wait_for(guard, std::chrono::milliseconds(quickWorkMs), [&done] { return done; });
    }
    if (!quick) {
        dialog.exec();
        // Cancel: the work stops at its next record; the window waits for it.
        cancelled = true;
    }
    worker.join();
}
