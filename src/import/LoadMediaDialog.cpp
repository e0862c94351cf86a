#include "import/LoadMediaDialog.h"

#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadMediaHandler.h"
#include "import/ProgressDialog.h"
#include "import/VideoCutJob.h"
#include "import/VideoDecoder.h"
#include "import/VideoFrameWidget.h"
#include "import/VideoLog.h"
#include "import/VideoPreviewPlayer.h"
#include "messaging/HandlerThread.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int snapshotAttempts = 10;
constexpr int snapshotRetryMs = 500;
constexpr int previewWidthLimit = 960; // the preview needs no more; the cut decodes on its own
}

LoadMediaDialog::LoadMediaDialog(QWidget *parent) : QDialog(parent)
{
    buildForm();
    handler = new LoadMediaHandler(HandlerThread::instance());
    connect(handler, &LoadMediaHandler::vlcOpenFileError, this, &LoadMediaDialog::vlcOpenFileError);
    connect(handler, &LoadMediaHandler::vlcPlaying, this, &LoadMediaDialog::vlcPlaying);
    connect(okBut, &QPushButton::clicked, this, &LoadMediaDialog::onBtnStart);
    connect(cancelBut, &QPushButton::clicked, this, &LoadMediaDialog::onCancelClick);
    connect(sliderStartTime, &QSlider::valueChanged, this, &LoadMediaDialog::changeStartPosition);
    connect(sliderEndTime, &QSlider::valueChanged, this, &LoadMediaDialog::changeEndPosition);
    setWindowTitle(tr("loadvideo_tip"));
}

LoadMediaDialog::~LoadMediaDialog()
{
    qCDebug(lcVideo) << "~LoadMediaDialog";
    cutting = false;
    delete job; // stops and joins its threads, deletes its frames
    job = nullptr;
    handler->setPlayer(nullptr);
    delete handler;
    delete player;
    if (result() != Accepted || !listImageObject.isEmpty())
        qCDebug(lcVideo).nospace() << "~LoadMediaDialog , listImageObject count = " << listImageObject.size();
    qDeleteAll(listImageObject);
    qCDebug(lcVideo) << "~LoadMediaDialog over!";
}

void LoadMediaDialog::buildForm()
{
    resize(668, 425);
    auto *layout = new QVBoxLayout(this);
    videoWidget = new VideoFrameWidget(this);
    videoWidget->setObjectName(QStringLiteral("videoWidget"));
    videoWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(videoWidget, 1);
    previewLabel = new QLabel(this);
    previewLabel->setObjectName(QStringLiteral("previewLabel"));
    previewLabel->hide();

    auto *label2 = new QLabel(tr("拖动时间进度条可以设定截图的开始时间和结束时间："), this);
    label2->setObjectName(QStringLiteral("label_2"));
    layout->addWidget(label2);

    auto addRow = [&](const char *labelName, const QString &text, QLabel *&timeLabel, const char *timeName,
                      QSlider *&slider, const char *sliderName, const char *colour) {
        auto *row = new QHBoxLayout;
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(labelName));
        timeLabel = new QLabel(this);
        timeLabel->setObjectName(QLatin1String(timeName));
        timeLabel->setMinimumWidth(110);
        slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QLatin1String(sliderName));
        slider->setStyleSheet(QLatin1String(colour));
        slider->setRange(0, 0);
        row->addWidget(label);
        row->addWidget(timeLabel);
        row->addWidget(slider, 1);
        layout->addLayout(row);
    };
    addRow("label_7", tr("开始时间："), lblStartTime, "lblStartTime", sliderStartTime, "sliderStartTime",
           "background-color: rgb(0, 255, 0);");
    addRow("label_3", tr("结束时间："), lblEndTime, "lblEndTime", sliderEndTime, "sliderEndTime",
           "background-color: rgb(0, 170, 255);");

    auto *buttons = new QHBoxLayout;
    okBut = new QPushButton(tr("开始截图"), this);
    okBut->setObjectName(QStringLiteral("okBut"));
    cancelBut = new QPushButton(tr("取消"), this);
    cancelBut->setObjectName(QStringLiteral("cancelBut"));
    buttons->addStretch(1);
    buttons->addWidget(okBut);
    buttons->addWidget(cancelBut);
    layout->addLayout(buttons);
    lblStartTime->setText(timeText(0));
    lblEndTime->setText(timeText(0));
}

QString LoadMediaDialog::timeText(qint64 ms)
{
    const qint64 s = ms / 1000;
    return tr("%1hour%2minute%3second").arg(s / 60 / 60).arg(s / 60 % 60).arg(s % 60);
}

bool LoadMediaDialog::openVideo()
{
    const QString chosen = QFileDialog::getOpenFileName(this, tr("loadvideo_select_file"),
                                                        WorkDirectory::lastUsedFolder(),
                                                        QStringLiteral("Medias (*.avi *.rmvb *.mp4 *.mkv)"));
    return openVideo(chosen);
}

bool LoadMediaDialog::openVideo(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return false;
    WorkDirectory::setLastUsedFolder(QFileInfo(chosen).absolutePath());
    if (player && player->isPlaying())
        stop();
    geometryChosen = false;
    if (!VideoDecoder::instance()) {
        QMessageBox::critical(this, QStringLiteral("Qt libVLC player"), QStringLiteral("Could not init libVLC"));
        return false;
    }
    VideoDecoder::Info info;
    const QString problem = VideoDecoder::probe(chosen, &info);
    if (!problem.isEmpty()) {
        QMessageBox::information(this, tr("dialog_title_tip"), problem);
        return false;
    }
    path = chosen;
    probedLengthMs = info.lengthMs;
    QSize frameSize = info.size;
    if (frameSize.width() > previewWidthLimit)
        frameSize = frameSize.scaled(previewWidthLimit, frameSize.height(), Qt::KeepAspectRatio);
    QPointer<VideoFrameWidget> screen(videoWidget);
    auto *made = new VideoPreviewPlayer(path, frameSize, [screen](const QImage &frame) {
        if (screen) // the player stops before the widget goes; this only guards a late frame
            screen->showFrame(frame);
    });
    if (!made->isValid() || !made->play()) {
        qCDebug(lcVideo) << "libvlc_media_new_path return null! file = " << path;
        delete made;
        QMessageBox::information(this, tr("dialog_title_tip"), tr("loadvideo_init_player_error"));
        return false;
    }
    player = made;
    handler->setPlayer(player);
    player->setVolume(0);
    setWindowTitle(tr("loadvideo_tip2") + QDir::toNativeSeparators(path));
    okBut->setEnabled(false);
    handler->waitForPlayer();
    return true;
}

QList<ImageObject *> LoadMediaDialog::takeFrames()
{
    QList<ImageObject *> taken;
    taken.swap(listImageObject);
    return taken;
}

bool LoadMediaDialog::waitMs(int ms)
{
    QPointer<LoadMediaDialog> self(this);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return self && isVisible() && player;
}

void LoadMediaDialog::vlcPlaying()
{
    qCDebug(lcVideo, "############ vlc playing. %p", static_cast<void *>(this));
    if (!player)
        return;
    player->setVolume(0);
    qint64 length = player->length();
    if (length <= 0)
        length = probedLengthMs; // some files tell the parser but not the player
    length = qMax<qint64>(0, length);
    sliderStartTime->setMaximum(int(length / 1000));
    sliderEndTime->setMaximum(int(length / 1000));
    sliderStartTime->setValue(0);
    changeStartPosition(0);
    sliderEndTime->setValue(sliderEndTime->maximum());
    changeEndPosition(sliderEndTime->maximum());

    const QImage snapshot = middleSnapshot(length);
    if (!isVisible() || !player)
        return;
    if (snapshot.isNull()) {
        QMessageBox::information(this, tr("dialog_title_tip"), tr("loadvideo_init_player_error"));
        reject();
        return;
    }
    if (!chooseGeometry(snapshot))
        return;
    okBut->setEnabled(true);
    pause();
}

QImage LoadMediaDialog::middleSnapshot(qint64 lengthMs)
{
    for (int attempt = 1; attempt <= snapshotAttempts; ++attempt) {
        QString error;
        const QImage frame = VideoDecoder::frameNear(path, lengthMs / 2, &error);
        qCDebug(lcVideo).nospace() << "#LoadMediaDialog# vlcPlaying attempt = " << attempt << ", size = "
                                   << frame.size() << ", error = " << error;
        if (!frame.isNull())
            return frame;
        if (attempt < snapshotAttempts && !waitMs(snapshotRetryMs))
            return QImage();
    }
    return QImage();
}

bool LoadMediaDialog::chooseGeometry(const QImage &snapshot)
{
    QRect selection;
    QSize imageSize;
    bool chosen = false;
    {
        GetImgeLocationDialog crop(this);
        crop.setWindowTitle(tr("loadvideo_tip"));
        crop.setImage(snapshot);
        chosen = crop.exec() == QDialog::Accepted;
        selection = crop.selectionRect();
        imageSize = crop.scaledImageSize();
    }
    if (!chosen || !isVisible()) { // Escape or the window's close button: the user changed their mind
        if (isVisible())
            reject();
        return false;
    }
    qCDebug(lcVideo).nospace() << "#LoadMediaDialog# vlcPlaying() " << selection << ", " << imageSize << ", "
                               << selection;
    cutter = GifFrameCutter(selection, imageSize);
    geometryChosen = true;
    const QRect crop = cutter.cropRect();
    qCDebug(lcVideo).nospace() << "#LoadMediaDialog# vlcPlaying() x = " << crop.x() << ", y = " << crop.y()
                               << ", w = " << crop.width() << ", h = " << crop.height() << ", " << imageSize;
    return true;
}

void LoadMediaDialog::pause()
{
    if (!player)
        return;
    if (player->isPlaying()) {
        // The player takes a moment to say it is paused; Start waits for nothing.
        player->pauseAndWait(1000);
        player->setPosition(0);
    }
    okBut->setEnabled(true);
    cutting = false;
    previewLabel->hide();
    videoWidget->show();
}

void LoadMediaDialog::stop()
{
    if (!player)
        return;
    handler->setPlayer(nullptr);
    delete player;
    player = nullptr;
    sliderStartTime->setValue(0);
    sliderEndTime->setValue(0);
    okBut->setEnabled(true);
}

void LoadMediaDialog::changeStartPosition(int value)
{
    sliderEndTime->setMaximum(sliderStartTime->maximum() - value);
    sliderEndTime->setValue(sliderEndTime->maximum());
    const qint64 end = qint64(sliderEndTime->value()) + value;
    lblStartTime->setText(timeText(qint64(value) * 1000));
    lblEndTime->setText(timeText(end * 1000));
    if (player && !cutting)
        handler->seekPreview(value);
    startTimeMs = qint64(value) * 1000;
    endTimeMs = end * 1000;
}

void LoadMediaDialog::changeEndPosition(int value)
{
    const qint64 end = qint64(value) + sliderStartTime->value();
    endTimeMs = end * 1000;
    lblEndTime->setText(timeText(endTimeMs));
    if (player && !cutting)
        handler->seekPreview(int(end));
}

void LoadMediaDialog::onBtnStart()
{
    if (!player || job)
        return;
    qDeleteAll(listImageObject);
    listImageObject.clear();
    // Until the round area is chosen the player still plays (and there is nothing to cut by).
    if (player->isPlaying() || !geometryChosen)
        return;
    okBut->setEnabled(false);
    cutting = true;
    handler->setCutting(true);
    job = new VideoCutJob(path, startTimeMs, endTimeMs, cutter, this);
    connect(job, &VideoCutJob::currentCutPos, this, &LoadMediaDialog::onCurrentCutPos);
    connect(job, &VideoCutJob::finished, this, &LoadMediaDialog::cutMediaOver);
    job->start();

    QPointer<LoadMediaDialog> self(this);
    progressDialog = new ProgressDialog(tr("loadvideo_loading_tip"), this);
    progressDialog->exec();
    if (!self)
        return;
    const bool cancelled = cutting;
    delete progressDialog;
    progressDialog = nullptr;
    delete job; // stops and joins what still runs; a cancelled cut's frames go with it
    job = nullptr;
    cutting = false;
    handler->setCutting(false);
    if (cancelled) {
        qCDebug(lcVideo) << "cancel progress dialog!";
        reject();
    }
}

void LoadMediaDialog::closeProgressDialog()
{
    if (!progressDialog)
        return;
    progressDialog->accept();
    progressDialog->deleteLater();
    progressDialog = nullptr;
}

void LoadMediaDialog::cutMediaOver(bool ret)
{
    if (!job || !cutting)
        return;
    cutting = false;
    handler->setCutting(false);
    listImageObject = job->takeFrames();
    const QString error = job->error();
    closeProgressDialog();
    okBut->setEnabled(true);
    previewLabel->hide();
    videoWidget->show();
    if (ret && !listImageObject.isEmpty()) {
        accept();
        return;
    }
    qDeleteAll(listImageObject);
    listImageObject.clear();
    QMessageBox::information(this, tr("dialog_title_tip"),
                             error.isEmpty() ? tr("No frame could be taken from the stretch from %1 to %2.")
                                                   .arg(timeText(startTimeMs), timeText(endTimeMs))
                                             : error);
}

void LoadMediaDialog::onCurrentCutPos(qint64 pos)
{
    if (progressDialog)
        progressDialog->textLabel()->setText(tr("loadvideo_loading_tip") + timeText(pos));
}

void LoadMediaDialog::onCancelClick()
{
    qDeleteAll(listImageObject);
    listImageObject.clear();
    reject();
}

void LoadMediaDialog::vlcOpenFileError()
{
    qCDebug(lcVideo) << "############ vlc open file error.";
    QMessageBox::information(this, tr("dialog_title_tip"), tr("loadvideo_player_error"));
    if (!isHidden())
        close();
}

void LoadMediaDialog::closeEvent(QCloseEvent *event)
{
    stop();
    event->accept();
}
