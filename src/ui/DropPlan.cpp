#include "ui/DropPlan.h"

#include "ui/FileKind.h"

#include <QFileInfo>

DropPlan DropPlan::of(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return ofPaths(paths);
}

bool DropPlan::carriesFiles(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            return true;
    }
    return false;
}

DropPlan DropPlan::ofPaths(const QStringList &paths)
{
    DropPlan plan;
    QStringList projects;
    for (const QString &path : paths) {
        // A folder named like a picture is still a folder.
        if (QFileInfo(path).isDir()) {
            plan.unknown.append(path);
            continue;
        }
        switch (FileKind::of(path)) {
        case FileKind::Picture: plan.pictures.append(path); break;
        case FileKind::Gif: plan.gifs.append(path); break;
        case FileKind::Video: plan.videos.append(path); break;
        case FileKind::Project: projects.append(path); break;
        case FileKind::Unknown: plan.unknown.append(path); break;
        }
    }
    const bool alone = projects.size() == 1 && paths.size() == 1;
    if (alone)
        plan.project = projects.first();
    else
        plan.refusedProjects = projects;
    return plan;
}

bool DropPlan::isEmpty() const
{
    return pictures.isEmpty() && gifs.isEmpty() && videos.isEmpty() && project.isEmpty()
           && refusedProjects.isEmpty() && unknown.isEmpty();
}
