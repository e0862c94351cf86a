#include "ui/FileDropFlow.h"

#include "ui/UiLog.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaObject>
#include <QMimeData>
#include <QWidget>

FileDropFlow::FileDropFlow(QWidget *window, Window hooks) : QObject(window), window(window), hooks(std::move(hooks))
{
    window->installEventFilter(this);
}

bool FileDropFlow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDropEvent *>(event);
        if (drag->mimeData()->hasUrls() && DropPlan::carriesFiles(drag->mimeData()->urls())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasUrls())
            return false;
        const DropPlan plan = DropPlan::of(drop->mimeData()->urls());
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The dragging program waits for the drop to end: the imports' dialogs come after.
        QMetaObject::invokeMethod(this, [this, plan] { dispatch(plan); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}

void FileDropFlow::dispatch(const DropPlan &plan)
{
    qCDebug(lcUi) << "#FileDropFlow# dispatch" << plan.pictures.size() << "pictures," << plan.gifs.size() << "GIFs,"
                  << plan.videos.size() << "videos, project" << plan.project << "," << plan.unknown.size()
                  << "unknown";
    QStringList leftOut;
    if (!plan.project.isEmpty()) {
        hooks.openProject(plan.project);
        return;
    }
    if (!plan.pictures.isEmpty())
        hooks.importPictures(plan.pictures);
    for (const QString &gif : plan.gifs)
        hooks.importGif(gif);
    for (const QString &video : plan.videos) {
        if (!importVideo(video))
            leftOut << tr("%1: video clips cannot be imported in this version.")
                           .arg(QDir::toNativeSeparators(QFileInfo(video).fileName()));
    }
    for (const QString &project : plan.refusedProjects)
        leftOut << tr("%1: a project file opens on its own; drop it without other files.")
                       .arg(QDir::toNativeSeparators(QFileInfo(project).fileName()));
    for (const QString &other : plan.unknown)
        leftOut << tr("%1: not a picture, GIF, video clip or project file.")
                       .arg(QDir::toNativeSeparators(QFileInfo(other).fileName()));
    tellLeftOut(leftOut);
}

bool FileDropFlow::importVideo(const QString &path)
{
    if (!hooks.importVideo)
        return false;
    hooks.importVideo(path);
    return true;
}

void FileDropFlow::tellLeftOut(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    const QString text = tr("These files were not imported:") + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    const QString title = QCoreApplication::translate("MainWindow", "dialog_title_tip");
    QMessageBox::information(window, title, text, QMessageBox::Ok);
}
