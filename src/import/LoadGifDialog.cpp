#include "import/LoadGifDialog.h"

#include "import/ProgressCount.h"

#include "app/AtomicFileWriter.h"
#include "app/DisplayParameters.h"
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/ScratchPng.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/DialogButtonBar.h"
#include "import/ImportLog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

int g_nextFileNumber = 0; // GUI thread only

constexpr double frameDisplayTime = 10;

// Read back only by this program: encoded fast, on the converter's threads.
bool saveBytes(const QByteArray &png, const QString &path, QString *error)
{
    return AtomicFileWriter::write(
        path, [&](QIODevice &file) { return !png.isEmpty() && file.write(png) == png.size(); },
        AtomicFileWriter::Sync::None, error);
}

} // namespace

LoadGifDialog::LoadGifDialog(const QString &gifPath, QWidget *parent, int tickMs, int converterThreads)
    : QDialog(parent), gifPath(gifPath), tickMs(qMax(0, tickMs)), movie(gifPath), frameTimer(new QTimer(this)),
      frameLabel(new QLabel(this)),
      converter(std::make_unique<GifFrameConverter>(DisplayParameters::ledCount(), DisplayParameters::lineCount(),
                                                    qMax(0, converterThreads)))
{
    buildLayout();
    setWindowTitle(tr("dialog_title_tip"));
    connect(frameTimer, &QTimer::timeout, this, &LoadGifDialog::getGifImage);
    connect(converter.get(), &GifFrameConverter::frameReady, this, &LoadGifDialog::resumeTicks);
    frameTimer->start(this->tickMs);
}

LoadGifDialog::~LoadGifDialog()
{
    qDeleteAll(frames); // only frames nobody took
}

void LoadGifDialog::buildLayout()
{
    auto *buttonBar = new DialogButtonBar(this);
    QPushButton *cancel = buttonBar->buttonBox()->addButton(tr("action_btn_cancel"), QDialogButtonBox::NoRole);
    connect(cancel, &QPushButton::clicked, this, &LoadGifDialog::reject);

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->setSpacing(0);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    frameLabel->setFixedSize(72, 72);
    auto *textLabel = new QLabel(tr("loadgif_loading_tip"), this);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(frameLabel);
    row->addWidget(textLabel);
    row->addStretch(1);
    mainLayout->addLayout(row);
    progress = new ProgressCount(this);
    mainLayout->addWidget(progress);
    mainLayout->addWidget(buttonBar);
}

QList<ImageObject *> LoadGifDialog::takeFrames()
{
    QList<ImageObject *> taken;
    taken.swap(frames);
    return taken;
}

int LoadGifDialog::nextFileNumber()
{
    return g_nextFileNumber;
}

void LoadGifDialog::getGifImage()
{
    // Decoding first: with no converter threads the frame is then ready at once.
    if (!allDecoded && !converter->isFull() && !decodeNextFrame())
        return;
    if (converter->hasNext() && !addFrame(converter->takeNext()))
        return;
    if (allDecoded && converter->isIdle())
        finish();
    else if ((allDecoded || converter->isFull()) && !converter->hasNext())
        frameTimer->stop(); // nothing to do until frameReady
}

void LoadGifDialog::resumeTicks()
{
    if (!cancelled && !choosing && !frameTimer->isActive())
        frameTimer->start(tickMs);
}

bool LoadGifDialog::decodeNextFrame()
{
    const QImage frame = movie.currentImage();
    const int number = movie.currentFrameNumber();
    if (frame.isNull()) { // only the first frame can be missing: later ones end the sequence instead
        const QString reason = GifFrameSource::checkFile(gifPath);
        fail(reason.isEmpty() ? tr("The GIF file \"%1\" cannot be read.").arg(QDir::toNativeSeparators(gifPath))
                              : reason);
        return false;
    }
    if (number == 0 && !chooseGeometry(frame))
        return false;

    const QImage canvas = cutter.cut(frame);
    if (canvas.isNull()) {
        fail(tr("There is not enough memory to cut the frames of the GIF file \"%1\".")
                 .arg(QDir::toNativeSeparators(gifPath)));
        return false;
    }
    qCDebug(lcImport).nospace() << "getGifImage() index = " << number << ", count = " << movie.frameCount();
    converter->submit(canvas, number);

    if (movie.isLastFrame()) {
        allDecoded = true;
    } else if (!movie.jumpToNextFrame()) {
        qCDebug(lcImport).nospace() << "#LoadGifDialog# no frame after index " << number << ", count = " << movie.frameCount();
        allDecoded = true;
    }
    return true;
}

bool LoadGifDialog::chooseGeometry(const QImage &firstFrame)
{
    frameTimer->stop(); // no tick may start a second crop dialog while this one is open
    choosing = true;
    QRect selection;
    QSize imageSize;
    {
        GetImgeLocationDialog dialog(this);
        dialog.setImage(firstFrame);
        // Escape or the window's close button: the user changed their mind.
        if (dialog.exec() != QDialog::Accepted && !cancelled)
            reject();
        selection = dialog.selectionRect();
        imageSize = dialog.scaledImageSize();
    }
    choosing = false;
    if (cancelled)
        return false;

    qCDebug(lcImport).nospace() << "#LoadGifDialog# getGifImage() " << selection << ", " << imageSize << ", " << selection;
    cutter = GifFrameCutter(selection, imageSize);
    const QRect crop = cutter.cropRect();
    qCDebug(lcImport).nospace() << "x = " << crop.x() << ", y = " << crop.y() << ", w = " << crop.width()
                       << ", h = " << crop.height() << ", " << imageSize;
    frameTimer->start(tickMs);
    return true;
}

bool LoadGifDialog::addFrame(const GifFrameConverter::Frame &frame)
{
    frameLabel->setPixmap(
        QPixmap::fromImage(frame.canvas.scaled(frameLabel->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    progress->setCount(frame.number + 1, movie.frameCount());
    if (!WorkDirectory::ensureTempDir()) {
        fail(tr("The temporary folder \"%1\" cannot be created.")
                 .arg(QDir::toNativeSeparators(WorkDirectory::tempDir())));
        return false;
    }
    const QString path = WorkDirectory::tempDir() + QStringLiteral("loadGif_%1.png").arg(g_nextFileNumber);
    QString error;
    if (!saveBytes(frame.canvasPng, path, &error)) {
        fail(tr("The GIF frame could not be saved as \"%1\": %2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    ++g_nextFileNumber;

    // The canvas is exactly what the file holds: its thumbnail needs no second decode.
    auto *record = new ImageObject(frame.number + 1, path, frameDisplayTime, ImageObject::GifFrame, frame.canvas);
    record->setSourceIsScratch(true);
    record->setScratchPicture(ImageObject::Scratch::Preview, frame.previewPng);
    record->setLedData(frame.ledData);
    record->saveLedData();
    frames.append(record);
    return true;
}

void LoadGifDialog::finish()
{
    frameTimer->stop();
    accept();
}

void LoadGifDialog::fail(const QString &message)
{
    cancelled = true; // no frame may be taken while the message is shown
    frameTimer->stop();
    converter->stop();
    QMessageBox::information(this, tr("dialog_title_tip"), message);
    reject();
}

void LoadGifDialog::reject()
{
    cancelled = true;
    frameTimer->stop();
    converter->stop(); // frames in hand have no files yet: they are simply dropped
    qDeleteAll(frames);
    frames.clear();
    QDialog::reject();
}
