#pragma once

#include "import/GifFrameCutter.h"
#include "import/GifFrameSource.h"

#include <QDialog>
#include <QList>
#include <QString>

class ImageObject;
class ProgressCount;
class QLabel;
class QTimer;

// Imports a GIF as a frame sequence: one frame per timer tick, the round area
// chosen once on the first frame, every frame cut the same way, saved as a
// "loadGif_<n>.png" scratch file and converted into an ImageObject. Accepts
// itself after the last frame; a cancel deletes the frames made so far.
class LoadGifDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int frameIntervalMs = 300;

    // Check the file with GifFrameSource::checkFile() first.
    LoadGifDialog(const QString &gifPath, QWidget *parent = nullptr);
    ~LoadGifDialog() override;

    int frameCount() const { return int(frames.size()); }
    // Hands the converted frames, in order, to the caller, which then owns them.
    QList<ImageObject *> takeFrames();

    // Number of the next "loadGif_" scratch file (process-wide, never reset).
    static int nextFileNumber();

public slots:
    void getGifImage();
    void reject() override;

private:
    void buildLayout();
    bool chooseGeometry(const QImage &firstFrame);
    bool convertFrame(const QImage &canvas, int frameNumber);
    void finish();
    void fail(const QString &message);

    QString gifPath;
    GifFrameSource movie;
    QTimer *frameTimer;
    QLabel *frameLabel;
    ProgressCount *progress = nullptr; // frame n of m
    GifFrameCutter cutter;
    QList<ImageObject *> frames; // owned until takeFrames()
    bool cancelled = false;
};
