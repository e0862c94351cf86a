#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// What a drop of files on the window does, decided on the names alone: the
// pictures go to the picture import together (it applies the limit), each GIF
// and each video clip to its own import, a project file opens, and anything
// else is named back to the user. A project replaces the playlist, so it
// opens only when it is dropped alone. Any thread.
class DropPlan
{
public:
    static DropPlan of(const QList<QUrl> &urls);
    static DropPlan ofPaths(const QStringList &paths);

    // Some local file is among the URLs (what a drag must carry to be accepted).
    static bool carriesFiles(const QList<QUrl> &urls);

    QStringList pictures;
    QStringList gifs;
    QStringList videos;
    QString project;             // the project to open, when dropped alone
    QStringList refusedProjects; // projects dropped together with other files
    QStringList unknown;         // neither picture, GIF, video nor project; folders too

    bool isEmpty() const;
};
