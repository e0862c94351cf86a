#include "ui/PlaylistImport.h"

#include "app/WorkDirectory.h"
#include "display/MediaObject.h"
#include "import/GifFrameSource.h"
#include "import/LoadGifDialog.h"
#include "import/LoadImagesDialog.h"
#include "import/LoadMediaDialog.h"
#include "import/PictureLimit.h"
#include "ui/CustomTableModel.h"
#include "ui/DamagedGifQuestion.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

PlaylistImport::PlaylistImport(QWidget *window, PictureSink *pictureSink, const CustomTableModel *pictures,
                               const CustomTableModel *sequences, SequenceSink sequenceSink)
    : window(window), pictureSink(pictureSink), pictureModel(pictures), sequenceModel(sequences),
      sequenceSink(std::move(sequenceSink))
{
}

bool PlaylistImport::choosePictures()
{
    if (PictureLimit::isFull(pictureModel->rowCount())) {
        QMessageBox::information(window, tr("dialog_title_tip"),
                                 tr("图片最多只能包含%1张图片！").arg(PictureLimit::maxPictures), QMessageBox::Ok);
        return false;
    }
    const QStringList files = QFileDialog::getOpenFileNames(window, tr("dialog_title_load_picture"),
                                                            WorkDirectory::lastUsedFolder(),
                                                            QStringLiteral("image Files (*.png *.jpg)"));
    if (files.isEmpty())
        return false;
    WorkDirectory::setLastUsedFolder(QFileInfo(files.first()).absolutePath());
    importPictures(files);
    return true;
}

void PlaylistImport::importPictures(const QStringList &files)
{
    const QStringList fitting = PictureLimit::fitting(files, pictureModel->rowCount());
    if (fitting.size() < files.size())
        QMessageBox::information(window, tr("dialog_title_tip"),
                                 tr("The picture list holds at most %1 pictures. Only the first %2 of the %3 "
                                    "chosen files are imported; %4 are left out.")
                                     .arg(PictureLimit::maxPictures)
                                     .arg(fitting.size())
                                     .arg(files.size())
                                     .arg(files.size() - fitting.size()),
                                 QMessageBox::Ok);
    if (fitting.isEmpty())
        return;
    LoadImagesDialog dialog(fitting, pictureSink, nullptr);
    dialog.exec();
}

bool PlaylistImport::chooseGif()
{
    const QString path = QFileDialog::getOpenFileName(window, tr("dialog_title_load_gif"),
                                                      WorkDirectory::lastUsedFolder(), QStringLiteral("gif (*.gif)"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    WorkDirectory::setLastUsedFolder(QFileInfo(path).absoluteFilePath());
    importGif(path);
    return true;
}

void PlaylistImport::importGif(const QString &path)
{
    ImageIntegrity::Finding damage;
    const QString problem = GifFrameSource::checkFile(path, &damage);
    if (!problem.isEmpty()) {
        QMessageBox::information(window, tr("dialog_title_tip"), problem, QMessageBox::Ok);
        return;
    }
    // The dialog reads only the whole frames of a damaged file.
    if (damage.damaged && !DamagedGifQuestion::keepFrames(window, path, damage))
        return;
    LoadGifDialog dialog(path, window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto *media = new MediaObject(sequenceModel->rowCount(), path);
    media->setGif(true);
    media->setFrames(dialog.takeFrames());
    sequenceSink(media);
}

bool PlaylistImport::chooseVideo()
{
    return importVideo(QString());
}

bool PlaylistImport::importVideo(const QString &path)
{
    LoadMediaDialog dialog(window);
    if (!(path.isEmpty() ? dialog.openVideo() : dialog.openVideo(path)))
        return false;
    if (dialog.exec() != QDialog::Accepted)
        return true;
    const QList<ImageObject *> frames = dialog.takeFrames();
    if (frames.isEmpty())
        return true; // the dialog said why
    auto *media = new MediaObject(sequenceModel->rowCount(), dialog.videoPath());
    media->setFrames(frames);
    sequenceSink(media);
    return true;
}
