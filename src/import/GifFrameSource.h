#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

// Steps through the frames of a GIF file, first to last, once. Reads with
// QImageReader rather than QMovie, so it needs no GUI application (the
// command-line tool shares it) and never wraps around to the first frame.
class GifFrameSource
{
    Q_DECLARE_TR_FUNCTIONS(GifFrameSource)
public:
    // Reads frame 0. Whatever the name, only GIF data is read.
    explicit GifFrameSource(const QString &path);

    // Empty when the file is a GIF whose first frame can be read; otherwise a
    // message for the user naming the file and the reason.
    static QString checkFile(const QString &path);

    // Null when the current frame could not be read.
    QImage currentImage() const { return current; }
    // -1 before a frame could be read.
    int currentFrameNumber() const { return number; }
    // As the file reports it; 0 when the reader cannot tell. Truncated files
    // may report frames whose pixels are missing.
    int frameCount() const;
    bool isLastFrame() const;
    // Moves to the next frame. False when there is none that can be read
    // (this is how files with an unknown frame count end).
    bool jumpToNextFrame();

private:
    static QString problem(const QString &path, const QString &reason);

    QImageReader reader;
    QImage current;
    int number = -1;
};
