#pragma once

#include "ui/DropPlan.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>

class QWidget;

// Files dropped on the window (or named on its command line) go through the
// same imports and checks as the File menu's choosers: the picture import
// with its limit, the GIF import, the video import, opening a project. What
// cannot be imported is named in one message. UI thread only.
class FileDropFlow : public QObject
{
    Q_OBJECT
public:
    struct Window {
        std::function<void(const QStringList &)> importPictures;
        std::function<void(const QString &)> importGif;
        std::function<bool(const QString &)> openProject;
        // Empty in a build without video import.
        std::function<void(const QString &)> importVideo;
    };

    // Watches window's drag and drop events; window must accept drops.
    FileDropFlow(QWidget *window, Window hooks);

    // Carries the plan out: pictures, then GIFs, then video clips, or the project.
    void dispatch(const DropPlan &plan);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The one place a clip goes: the window's video import, where the build
    // has one. False when it has none.
    bool importVideo(const QString &path);
    void tellLeftOut(const QStringList &lines);

    QWidget *window;
    Window hooks;
};
