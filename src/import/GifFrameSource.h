#pragma once

#include "import/ImageIntegrity.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

// Steps through the frames of a GIF file, first to last, once. Reads with
// QImageReader rather than QMovie, so it needs no GUI application (the
// command-line tool shares it) and never wraps around to the first frame.
// Of a damaged file only the frames whose data is whole are given.
class GifFrameSource
{
    Q_DECLARE_TR_FUNCTIONS(GifFrameSource)
public:
    // Reads frame 0. Whatever the name, only GIF data is read, and only from a regular file.
    explicit GifFrameSource(const QString &path);

    // Empty when the file is a GIF whose first frame can be read whole;
    // otherwise a message for the user naming the file and the reason. A file
    // that is damaged after its first whole frame passes: damage, when given,
    // then says what is wrong and how many frames are whole.
    static QString checkFile(const QString &path, ImageIntegrity::Finding *damage = nullptr);
    // For the user: the file, what is wrong and how many frames can be read.
    static QString damageMessage(const QString &path, const ImageIntegrity::Finding &damage);

    // Null when the current frame could not be read.
    QImage currentImage() const { return current; }
    // -1 before a frame could be read.
    int currentFrameNumber() const { return number; }
    // As the file reports it, or the whole frames of a damaged file; 0 when
    // the reader cannot tell.
    int frameCount() const;
    bool isLastFrame() const;
    // Moves to the next frame. False when there is none that can be read
    // (this is how files with an unknown frame count end).
    bool jumpToNextFrame();
    // What the walk through the file found; damaged false for a whole file.
    ImageIntegrity::Finding damage() const { return integrity; }

private:
    static QString problem(const QString &path, const QString &reason);

    QFile file; // before the reader, which reads from it
    QImageReader reader;
    ImageIntegrity::Finding integrity;
    QImage current;
    int number = -1;
};
