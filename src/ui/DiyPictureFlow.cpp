#include "ui/DiyPictureFlow.h"

#include "app/AtomicFileWriter.h"
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "edit/DiyForm.h"
#include "import/PictureLoader.h"
#include "ui/CustomTableItem.h"
#include "ui/CustomTableModel.h"
#include "ui/UiLog.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QWidget>

#include <atomic>

namespace {
std::atomic<int> g_diyCounter{1};
}

DiyPictureFlow::DiyPictureFlow(CustomTableModel *pictures, QWidget *window, std::function<int()> language)
    : model(pictures), window(window), language(std::move(language))
{
}

QString DiyPictureFlow::nextDiyFileName()
{
    return WorkDirectory::tempDir() + QStringLiteral("diy_") + QString::number(g_diyCounter.fetch_add(1))
           + QStringLiteral(".png");
}

bool DiyPictureFlow::isOwnCopy(const QString &path)
{
    const QString folder = QFileInfo(path).absoluteDir().canonicalPath();
    return !folder.isEmpty() && folder == QDir(WorkDirectory::tempDir()).canonicalPath();
}

bool DiyPictureFlow::runEditor(const QString &fileName, QImage &square)
{
    DiyForm form(fileName, language ? language() : DiyForm::englishLanguage, window);
    if (window)
        form.resize(window->size());
    if (form.exec() != QDialog::Accepted)
        return false;
    square = form.image();
    return true;
}

bool DiyPictureFlow::newDiy()
{
    QImage square;
    return runEditor(QString(), square) && addPicture(square);
}

bool DiyPictureFlow::editPicture(const QModelIndex &index)
{
    auto *object = qobject_cast<ImageObject *>(CustomTableItem::objectAt(index));
    if (!object)
        return false;
    qCDebug(lcUi) << "#MainWindow# onBtnEditDiy()" << object->sourcePath();
    if (object->type() != ImageObject::PictureFile && object->type() != ImageObject::DiyPicture)
        return false;
    QImage square;
    return runEditor(object->sourcePath(), square) && replacePicture(object, index, square);
}

ImageObject *DiyPictureFlow::addPicture(const QImage &square)
{
    WorkDirectory::ensureTempDir();
    const QString path = nextDiyFileName();
    if (!saveSquare(square, path))
        return nullptr;
    const PictureLoader loader(path);
    auto *object = new ImageObject(model->nextIndex(), path, displayTime, ImageObject::DiyPicture, loader.picture());
    PolarSampling::imageToLedData(loader.picture(), object);
    model->appendNumbered(object);
    return object;
}

bool DiyPictureFlow::replacePicture(ImageObject *object, const QModelIndex &index, const QImage &square)
{
    WorkDirectory::ensureTempDir();
    // The user's own file stays as it was; the playlist keeps the drawing in a copy of ours.
    const QString path = isOwnCopy(object->sourcePath()) ? object->sourcePath() : nextDiyFileName();
    if (!saveSquare(square, path))
        return false;
    object->setSourcePath(path);
    const PictureLoader loader(path);
    object->makeThumbnail(loader.picture());
    PolarSampling::imageToLedData(loader.picture(), object);
    model->refrehItem(index);
    return true;
}

// Through a temporary file, so a failed write leaves the old picture whole.
bool DiyPictureFlow::saveSquare(const QImage &square, const QString &path)
{
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    QString encoderError;
    QString reason;
    const bool saved = AtomicFileWriter::write(
        path,
        [&](QIODevice &file) {
            QImageWriter writer(&file, format);
            const bool written = writer.write(square);
            if (!written)
                encoderError = writer.errorString();
            return written;
        },
        AtomicFileWriter::Sync::None, &reason);
    if (saved)
        return true;
    if (!encoderError.isEmpty())
        reason = encoderError;
    qCDebug(lcUi).noquote() << QStringLiteral("#MainWindow# DIY picture not saved to \"%1\": %2").arg(path, reason);
    QMessageBox::warning(window, tr("dialog_title_tip"),
                         tr("The DIY picture could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}
