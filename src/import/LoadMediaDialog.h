#pragma once

#include "import/GifFrameCutter.h"

#include <QDialog>
#include <QList>
#include <QString>

class ImageObject;
class LoadMediaHandler;
class ProgressDialog;
class QLabel;
class QPushButton;
class QSlider;
class VideoCutJob;
class VideoFrameWidget;
class VideoPreviewPlayer;

// Imports a stretch of a video clip as a frame sequence: plays the clip muted,
// lets the user place the round area on its middle frame and choose the start
// and end with two sliders, then cuts one frame per 100 ms of the stretch
// under a progress dialog. Accepted when frames were made; they are read with
// takeFrames(), sorted by step.
class LoadMediaDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LoadMediaDialog(QWidget *parent = nullptr);
    // Stops the cut and the player; deletes the frames nobody took.
    ~LoadMediaDialog() override;

    // Asks for the file, then opens it; false when nothing is played.
    bool openVideo();
    // Opens a chosen file and starts the muted player; false, after telling
    // the user why, when the file cannot be played.
    bool openVideo(const QString &path);

    QString videoPath() const { return path; }
    qint64 startTime() const { return startTimeMs; }
    qint64 endTime() const { return endTimeMs; }
    // The frames of an accepted cut, sorted by index; the caller owns them.
    QList<ImageObject *> takeFrames();
    // A time as the labels show it ("%1H %2M %3S").
    static QString timeText(qint64 ms);

public slots:
    void onBtnStart();
    void pause();
    void stop();
    void changeStartPosition(int value);
    void changeEndPosition(int value);
    void onCancelClick();
    void vlcOpenFileError();
    void vlcPlaying();
    void cutMediaOver(bool ret);
    void onCurrentCutPos(qint64 pos);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildForm();
    QImage middleSnapshot(qint64 lengthMs);
    bool chooseGeometry(const QImage &snapshot);
    void closeProgressDialog();
    bool waitMs(int ms); // false when the dialog went away meanwhile

    VideoFrameWidget *videoWidget = nullptr;
    QLabel *previewLabel = nullptr;
    QLabel *lblStartTime = nullptr;
    QLabel *lblEndTime = nullptr;
    QSlider *sliderStartTime = nullptr;
    QSlider *sliderEndTime = nullptr;
    QPushButton *okBut = nullptr;
    QPushButton *cancelBut = nullptr;

    QString path;
    qint64 probedLengthMs = -1;
    VideoPreviewPlayer *player = nullptr;
    LoadMediaHandler *handler = nullptr;
    VideoCutJob *job = nullptr;
    ProgressDialog *progressDialog = nullptr;
    GifFrameCutter cutter;
    bool geometryChosen = false; // the crop dialog was closed with OK for this clip
    QList<ImageObject *> listImageObject;
    bool cutting = false;
    qint64 startTimeMs = 0;
    qint64 endTimeMs = 100000;
};
