#pragma once

#include "import/GifFrameConverter.h"
#include "import/GifFrameCutter.h"
#include "import/GifFrameSource.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class ImageObject;
class ProgressCount;
class QLabel;
class QTimer;

// Imports a GIF as a frame sequence: one frame per timer tick, the round area
// chosen once on the first frame, every frame cut the same way, saved as a
// "loadGif_<n>.png" scratch file and converted into an ImageObject. Accepts
// itself after the last frame; a cancel deletes the frames made so far.
//
// The tick is a zero timer by default: the next frame is taken as soon as the
// event loop has nothing else to do, so the import goes as fast as the frames
// convert while the dialog still repaints and answers Cancel between frames.
// Each tick decodes and cuts one frame and hands it to a GifFrameConverter,
// which encodes and converts it on other threads while the next one is
// decoded, and makes at most one finished frame into its record and files.
class LoadGifDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int pacedByWork = 0;
    // The fixed tick the import once had; benchmarks compare against it.
    static constexpr int fixedTickMs = 300;

    // Check the file with GifFrameSource::checkFile() first. tickMs: the
    // interval of the frame timer; converterThreads: 0 converts on this thread.
    explicit LoadGifDialog(const QString &gifPath, QWidget *parent = nullptr, int tickMs = pacedByWork,
                           int converterThreads = GifFrameConverter::defaultThreads);
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
    bool decodeNextFrame();
    bool chooseGeometry(const QImage &firstFrame);
    bool addFrame(const GifFrameConverter::Frame &frame);
    void resumeTicks();
    void finish();
    void fail(const QString &message);

    QString gifPath;
    int tickMs;
    GifFrameSource movie;
    QTimer *frameTimer;
    QLabel *frameLabel;
    ProgressCount *progress = nullptr; // frame n of m
    GifFrameCutter cutter;
    std::unique_ptr<GifFrameConverter> converter; // joined before the dialog goes
    QList<ImageObject *> frames; // owned until takeFrames()
    bool allDecoded = false;
    bool choosing = false; // the crop dialog is open
    bool cancelled = false;
};
