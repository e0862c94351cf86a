#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class ImageObject;
class MediaObject;
class ProjectPrompts;
class CustomTableModel;

// The window's side of project files: which project the playlist is, whether
// it has changes that were not saved, and the New, Open, Save and Save As
// commands with their questions. Never discards a playlist with unsaved
// changes without asking, and replaces the playlist only with a project that
// was read whole. Widget-free: the prompts and the playlist come from outside.
// User-interface thread only.
class ProjectFlow : public QObject
{
    Q_OBJECT
public:
    static const char *fileSuffix() { return ".rotavue"; }

    struct Playlist {
        std::function<QList<ImageObject *>()> pictures;
        std::function<QList<MediaObject *>()> sequences;
        // Empties both lists and takes over the records given (a project read whole).
        std::function<void(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)> replace;
    };

    ProjectFlow(Playlist playlist, ProjectPrompts *prompts, QObject *parent = nullptr);

    // Empty until the playlist was saved or opened.
    QString path() const { return current; }
    // The file's name without ".rotavue", or "Untitled".
    QString name() const;
    bool isModified() const { return modified; }
    // For QWidget::setWindowTitle: "NAME[*] - base"; the window sets the modified flag itself.
    QString windowTitle(const QString &base) const;

    // Each returns true when done, false when the user cancelled or it failed (and was told why).
    bool newProject();
    bool open();
    bool openFile(const QString &path);
    bool save();
    bool saveAs();
    // Before the playlist is discarded (closing the window, a display-parameter
    // change): asks Save / Discard / Cancel while there are unsaved changes.
    bool confirmDiscard();
    // The lists were emptied by other means (a display-parameter change): the
    // project's name no longer fits them.
    void playlistDiscarded();

    // Every change to the list (rows, or a row's content through the model) marks the project modified.
    void watch(CustomTableModel *model);

public slots:
    void markModified();

signals:
    // The name or the modified flag changed: time to update the window title.
    void stateChanged();

private:
    bool load(const QString &path);
    bool writeTo(const QString &path);
    bool playlistEmpty() const;
    void setSaved(const QString &path);

    Playlist playlist;
    ProjectPrompts *prompts;
    QString current;
    bool modified = false;
    bool replacing = false; // the flow's own change of the lists is not the user's
};
