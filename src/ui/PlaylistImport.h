#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class CustomTableModel;
class MediaObject;
class PictureSink;
class QWidget;

// Brings files into the playlist: the file choosers, the picture limit and
// the import dialogs, the same for every way a file arrives. UI thread only.
class PlaylistImport
{
    // Its texts are the main window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
public:
    using SequenceSink = std::function<void(MediaObject *)>;

    PlaylistImport(QWidget *window, PictureSink *pictureSink, const CustomTableModel *pictures,
                   const CustomTableModel *sequences, SequenceSink sequenceSink);

    // The picture chooser, after the limit check; false when nothing was chosen.
    bool choosePictures();
    // As many of the files as fit in the picture list, saying how many were left out.
    void importPictures(const QStringList &files);
    // The GIF chooser; false when no existing file was chosen.
    bool chooseGif();
    // A GIF as a frame sequence, handed to the sequence sink when accepted.
    void importGif(const QString &path);
    // The video import dialog, which asks for the clip itself; false when
    // no clip was opened.
    bool chooseVideo();
    // A stretch of this clip as a frame sequence, handed to the sequence sink when accepted.
    bool importVideo(const QString &path);

private:
    QWidget *window;
    PictureSink *pictureSink;
    const CustomTableModel *pictureModel;
    const CustomTableModel *sequenceModel;
    SequenceSink sequenceSink;
};
