#include "ui/MainWindow.h"

#include "app/DisplayParameters.h"
#include "app/WorkDirectory.h"
#include "card/CardWriteResult.h"
#include "card/DownloadJob.h"
#include "card/GetSaveFileDialog.h"
#include "card/SelectUsbPathDialog.h"
#include "card/VolumeSource.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PlayMediaHandler.h"
#include "display/PolarSampling.h"
#include "edit/RingTexture.h"
#include "import/GifFrameSource.h"
#include "import/LoadGifDialog.h"
#include "import/LoadImagesDialog.h"
#include "import/ProgressDialog.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "display/SettingColorForm.h"
#include "ui/CustomTableModel.h"
#include "ui/ImageObjectWidget.h"
#include "ui/ListImageItemDelegate.h"
#include "ui/ListMediaItemDelegate.h"
#include "ui/MediaObjectWidget.h"
#include "ui/UiLog.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolBox>
#include <QVBoxLayout>

#include <atomic>
#include <memory>

namespace {

std::atomic<int> g_imageCopyCounter{1};
int g_currentLanguage = 0; // 0 none yet, 1 simplified Chinese, 2 traditional Chinese, 3 English

enum Language { ZhCn = 1, ZhHk = 2, EnUs = 3 };

const char *kVersion = "20170425_0.26";

void setBackground(QWidget *widget, const QBrush &brush)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::Window, brush);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

template<typename T>
T *objectAt(const CustomTableModel *model, int row)
{
    const QList<CustomTableItem> items = model->itemList();
    if (row < 0 || row >= items.size())
        return nullptr;
    return qobject_cast<T *>(items.at(row).object);
}

template<typename T>
QList<T *> objectsOf(const CustomTableModel *model)
{
    QList<T *> objects;
    for (const CustomTableItem &item : model->itemList()) {
        if (auto *object = qobject_cast<T *>(item.object))
            objects.append(object);
    }
    return objects;
}

int indexOf(QObject *object)
{
    if (auto *image = qobject_cast<ImageObject *>(object))
        return image->index();
    if (auto *media = qobject_cast<MediaObject *>(object))
        return media->index();
    return 0;
}

void setIndexOf(QObject *object, int index)
{
    if (auto *image = qobject_cast<ImageObject *>(object))
        image->setIndex(index);
    else if (auto *media = qobject_cast<MediaObject *>(object))
        media->setIndex(index);
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : MainWindow(new VolumeSource, parent)
{
}

MainWindow::MainWindow(VolumeSource *volumes, QWidget *parent) : QMainWindow(parent), volumeSource(volumes)
{
    volumeSource->setParent(this);
    ui.setupUi(this);
    ui.btnPlay->hide();
    ui.btnStop->hide();
    setWindowFlags(Qt::Window);

    createActions();
    createToolBar();
    createStatusBar();
    setupPreview();

    connect(ui.btnDelImage, &QPushButton::clicked, this, &MainWindow::onBtnDelImage);
    connect(ui.btnPlay, &QPushButton::clicked, this, &MainWindow::onBtnPlayClick);
    connect(ui.btnStop, &QPushButton::clicked, this, &MainWindow::onBtnStopClick);
    connect(ui.btnDelMedia, &QPushButton::clicked, this, &MainWindow::onBtnDelMedia);

    playMediaHandler = new PlayMediaHandler(HandlerThread::instance(), this);
    connect(playMediaHandler, &PlayMediaHandler::handlerMessageReady, this, &MainWindow::handlerMessage);

    setupTables();

    contrastMenu = new QMenu(this);
    contrastAction = contrastMenu->addAction(tr("调整对比度"));

    ui.btnEditImage->setEnabled(false);
    ui.btnDelImage->setEnabled(false);
    ui.btnDelMedia->setEnabled(false);

    diskList.clear();
    scanUsbDisks();
    connect(volumeSource, &VolumeSource::volumeMounted, this, &MainWindow::onVolumeMounted);
    connect(volumeSource, &VolumeSource::volumeUnmounted, this, &MainWindow::onVolumeUnmounted);
}

MainWindow::~MainWindow()
{
    // Pending ticks and steps name this window's objects. The handler takes
    // its queued messages with it and waits for the one in hand, so nothing
    // runs on the looper for a window that is going.
    delete playMediaHandler;
    playMediaHandler = nullptr;
    clearLists();
}

void MainWindow::createActions()
{
    auto make = [this](const char *icon) {
        auto *action = new QAction(QIcon(QLatin1String(icon)), QString(), this);
        return action;
    };
    actionOpenImage = make(":/images/open.png");
    actionDownload = make(":/images/download_file.png");
    actionNewDiy = make(":/images/design.png");
    actionImportVideo = make(":/images/import_media.png");
    actionImportGif = make(":/images/import_gif.png");
    actionPreview = make(":/images/preview_usb.png");
    actionDefault = make(":/images/default_ui.png");
    actionSettingColor = make(":/images/ic_flowers.png");
    actionSettingColor->setText(tr("颜色调试参数"));

    connect(actionOpenImage, &QAction::triggered, this, &MainWindow::onActionOpenImage);
    connect(actionSettingColor, &QAction::triggered, this, &MainWindow::onActionSettingColor);
    connect(actionImportGif, &QAction::triggered, this, &MainWindow::onActionLoadGif);
    connect(actionDownload, &QAction::triggered, this, &MainWindow::onActionDownToUsb);

    // Their work is not part of this build yet: shown, but not offered.
    for (QAction *pending : {actionNewDiy, actionImportVideo, actionPreview, actionDefault})
        pending->setEnabled(false);

    // The stick and calibration functions live in a menu of their own.
    toolsMenu = menuBar()->addMenu(QString());
    toolsMenu->addAction(actionPreview);
    toolsMenu->addAction(actionDefault);
    toolsMenu->addSeparator();
    toolsMenu->addAction(actionSettingColor);
}

void MainWindow::createToolBar()
{
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(30, 30));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setFloatable(false);
    toolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addAction(actionNewDiy);
    toolBar->addAction(actionOpenImage);
    toolBar->addAction(actionImportVideo);
    toolBar->addAction(actionImportGif);
    toolBar->addAction(actionDownload);

    auto *container = new QWidget(toolBar);
    auto *column = new QVBoxLayout(container);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    auto makeLanguageButton = [container, row](const char *icon) {
        auto *button = new QPushButton(container);
        button->setFixedSize(60, 25);
        button->setIcon(QIcon(QLatin1String(icon)));
        button->setIconSize(QSize(60, 25));
        button->setCheckable(true);
        button->setChecked(true);
        button->hide(); // English only, for every start
        row->addWidget(button);
        return button;
    };
    btnZhCn = makeLanguageButton(":/images/zh_cn.png");
    btnZhHk = makeLanguageButton(":/images/zh_hk.png");
    btnEnUs = makeLanguageButton(":/images/en_us.png");
    column->addLayout(row);
    column->addStretch(1);
    toolBar->addWidget(container);
    connect(btnZhCn, &QPushButton::clicked, this, &MainWindow::onBtnZhCnClick);
    connect(btnZhHk, &QPushButton::clicked, this, &MainWindow::onBtnZhHkClick);
    connect(btnEnUs, &QPushButton::clicked, this, &MainWindow::onBtnEnUsClick);
}

void MainWindow::createStatusBar()
{
    const QStringList texts = {tr(" Ver: %1").arg(QLatin1String(kVersion)),
                               tr(" LINE:%1").arg(DisplayParameters::lineCount()),
                               tr(" LED:%1").arg(DisplayParameters::ledCount())};
    for (const QString &text : texts) {
        auto *label = new QLabel(text, this);
        label->setFrameShape(QFrame::NoFrame);
        label->setFrameShadow(QFrame::Sunken);
        ui.statusBar->addWidget(label, 0);
    }
}

void MainWindow::setupPreview()
{
    setBackground(ui.previewWidget, QBrush(RingTexture::make()));
    setBackground(ui.widget, Qt::white);
    setBackground(ui.toolBox, QColor(200, 200, 200));
    ui.btnEditMedia->hide();
    // The picture editor comes with the drawing editor; until then the button stays hidden.
    ui.btnEditImage->hide();
}

void MainWindow::configureTable(QTableView *table)
{
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTextElideMode(Qt::ElideMiddle);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(60);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void MainWindow::setupTables()
{
    configureTable(ui.tableView);
    configureTable(ui.tableViewMedia);
    ui.tableView->setItemDelegate(new ListImageItemDelegate(playMediaHandler, this));
    ui.tableViewMedia->setItemDelegate(new ListMediaItemDelegate(playMediaHandler, this));

    imageModel = new CustomTableModel({}, 1, this);
    mediaModel = new CustomTableModel({}, 1, this);
    ui.tableView->setModel(imageModel);
    ui.tableViewMedia->setModel(mediaModel);

    connect(ui.tableView, &QTableView::pressed, this, &MainWindow::pressImageWidget);
    connect(ui.tableView, &QTableView::customContextMenuRequested, this, &MainWindow::onTableViewMenuRequested);
    connect(ui.tableViewMedia, &QTableView::pressed, this, &MainWindow::pressMediaWidget);
}

// ---- playlist -------------------------------------------------------------

QList<ImageObject *> MainWindow::pictureList() const
{
    return objectsOf<ImageObject>(imageModel);
}

QList<MediaObject *> MainWindow::sequenceList() const
{
    return objectsOf<MediaObject>(mediaModel);
}

int MainWindow::nextPictureIndex() const
{
    int largest = 0;
    for (const ImageObject *image : pictureList())
        largest = qMax(largest, image->index());
    return largest + 1;
}

QString MainWindow::copyToTemp(const QString &source)
{
    WorkDirectory::ensureTempDir();
    const QString copy = WorkDirectory::tempDir() + QStringLiteral("image_")
                         + QString::number(g_imageCopyCounter.fetch_add(1)) + QLatin1Char('.')
                         + QFileInfo(source).completeSuffix();
    QFile::remove(copy);
    if (QFile::copy(source, copy))
        return copy;
    // Keep pointing at the original rather than at a copy that does not exist.
    qCDebug(lcUi) << "#MainWindow# copy to temp failed:" << source;
    return source;
}

void MainWindow::addPicture(ImageObject *object)
{
    object->setSourcePath(copyToTemp(object->sourcePath()));
    object->setIndex(nextPictureIndex());
    imageModel->appendItems({CustomTableItem(object)});
}

void MainWindow::addPictureFile(const QString &path)
{
    const QString copy = copyToTemp(path);
    auto *object = new ImageObject(nextPictureIndex(), copy, 5, ImageObject::PictureFile);
    PolarSampling::imageToLedData(QImage(copy), object);
    imageModel->appendItems({CustomTableItem(object)});
}

void MainWindow::addSequence(MediaObject *media)
{
    mediaModel->appendItems({CustomTableItem(media)});
    ui.toolBox->setCurrentIndex(1);
}

void MainWindow::clearLists()
{
    mediaModel->delRow(0, mediaModel->rowCount());
    imageModel->delRow(0, imageModel->rowCount());
}

// ---- actions --------------------------------------------------------------

void MainWindow::onActionOpenImage()
{
    if (imageModel->rowCount() >= pictureLimit) {
        QMessageBox::information(this, tr("dialog_title_tip"), tr("图片最多只能包含%1张图片！").arg(pictureLimit),
                                 QMessageBox::Ok);
        return;
    }
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("dialog_title_load_picture"),
                                                            WorkDirectory::lastUsedFolder(),
                                                            QStringLiteral("image Files (*.png *.jpg)"));
    if (files.isEmpty())
        return;
    WorkDirectory::setLastUsedFolder(QFileInfo(files.first()).absolutePath());
    importPictures(files);
}

void MainWindow::importPictures(const QStringList &files)
{
    auto *dialog = new LoadImagesDialog(files, this, nullptr);
    dialog->exec();
    delete dialog;
    ui.toolBox->setCurrentIndex(0);
}

void MainWindow::onActionLoadGif()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("dialog_title_load_gif"),
                                                      WorkDirectory::lastUsedFolder(), QStringLiteral("gif (*.gif)"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    WorkDirectory::setLastUsedFolder(QFileInfo(path).absoluteFilePath());
    importGif(path);
}

void MainWindow::importGif(const QString &path)
{
    const QString problem = GifFrameSource::checkFile(path);
    if (!problem.isEmpty()) {
        QMessageBox::information(this, tr("dialog_title_tip"), problem, QMessageBox::Ok);
        return;
    }
    LoadGifDialog dialog(path, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto *media = new MediaObject(mediaModel->rowCount(), path);
    media->setGif(true);
    media->setFrames(dialog.takeFrames());
    addSequence(media);
}

void MainWindow::onActionSettingColor()
{
    SettingColorForm form(this);
    form.exec();
}

// ---- selection and preview ------------------------------------------------

void MainWindow::setPreviewImage(const QImage &picture)
{
    setBackground(ui.previewWidget, QBrush(picture));
}

void MainWindow::setPreviewColour(const QColor &colour)
{
    setBackground(ui.previewWidget, colour);
}

void MainWindow::showPicture(ImageObject *object)
{
    if (isPlaying)
        onBtnStopClick();
    ui.btnPlay->hide();
    ui.btnStop->hide();
    if (object) {
        setPreviewImage(object->previewImage());
        ui.btnDelImage->setEnabled(true);
        ui.btnEditImage->setEnabled(object->type() == ImageObject::PictureFile
                                    || object->type() == ImageObject::DiyPicture);
    } else {
        setPreviewColour(Qt::white);
        ui.btnEditImage->setEnabled(false);
        ui.btnDelImage->setEnabled(false);
    }
}

void MainWindow::onImageContractChanged(QObject *object)
{
    showPicture(qobject_cast<ImageObject *>(object));
}

void MainWindow::pressImageWidget(const QModelIndex &index)
{
    qCDebug(lcUi) << "#MainWindow# pressImageWidget()" << index;
    ImageObject *object = nullptr;
    if (index.isValid() && index.model())
        object = objectAt<ImageObject>(imageModel, index.row());
    showPicture(object);
}

void MainWindow::pressMediaWidget(const QModelIndex &index)
{
    if (isPlaying)
        onBtnStopClick();
    if (index.row() >= 0 && index.column() >= 0 && index.model()) {
        MediaObject *media = objectAt<MediaObject>(mediaModel, index.row());
        if (media && media->frameCount() > 0) {
            currentMedia = media;
            setPreviewImage(media->frame(0)->previewImage());
            ui.btnPlay->show();
            ui.btnStop->hide();
        } else {
            // Nothing to play: never leave an older sequence behind the play button.
            currentMedia = nullptr;
            ui.btnPlay->hide();
            ui.btnStop->hide();
        }
        ui.btnDelMedia->setEnabled(true);
        return;
    }
    currentMedia = nullptr;
    setPreviewColour(Qt::white);
    ui.btnPlay->hide();
    ui.btnStop->hide();
    ui.btnDelMedia->setEnabled(false);
}

// ---- playback -------------------------------------------------------------

void MainWindow::onBtnPlayClick()
{
    if (!currentMedia || currentMedia->frameCount() == 0)
        return;
    playIndex = 0;
    ++playGeneration;
    playMediaHandler->sendHandlerMessage(
        playMediaHandler->obtainMessage(WhatCode::FrameTick, currentMedia, QString::number(playGeneration)));
    ui.btnPlay->hide();
    ui.btnStop->show();
    isPlaying = true;
}

void MainWindow::onBtnStopClick()
{
    playMediaHandler->removeHandlerMessages(WhatCode::FrameTick);
    ui.btnPlay->show();
    ui.btnStop->hide();
    isPlaying = false;
}

void MainWindow::showFrameTick(Message *msg)
{
    // A tick already on its way when playback stopped or another row was chosen is dropped.
    const bool current = isPlaying && msg->payload<WhatCode::FrameTick>() == currentMedia
                         && msg->text == QString::number(playGeneration);
    if (!current || currentMedia->frameCount() == 0) {
        delete msg;
        return;
    }
    if (playIndex < 0 || playIndex >= currentMedia->frameCount())
        playIndex = 0;
    setPreviewImage(currentMedia->frame(playIndex)->previewImage());
    ++playIndex;
    playMediaHandler->sendHandlerMessageDelayed(msg, frameIntervalMs);
}

// ---- messages from the looper ---------------------------------------------

void MainWindow::handlerMessage(Message *msg)
{
    if (!msg)
        return;
    if (msg->what == WhatCode::FrameTick) {
        showFrameTick(msg);
        return;
    }
    qCDebug(lcUi) << "handlerMessage " << msg->what;
    switch (msg->what) {
    case WhatCode::TimeUp:
    case WhatCode::TimeDown:
    case WhatCode::LoopUp:
    case WhatCode::LoopDown:
        performStep(msg);
        break;
    case WhatCode::Download:
        downloadFinished(msg);
        break;
    default:
        delete msg;
        break;
    }
}

bool MainWindow::editorRowStillListed(const RowEditor *editor) const
{
    QObject *object = nullptr;
    if (auto *imageEditor = qobject_cast<const ImageObjectWidget *>(editor))
        object = imageEditor->image;
    else if (auto *mediaEditor = qobject_cast<const MediaObjectWidget *>(editor))
        object = mediaEditor->media;
    for (const CustomTableModel *model : {imageModel, mediaModel}) {
        for (const CustomTableItem &item : model->itemList()) {
            if (item.object == object)
                return true;
        }
    }
    return false;
}

void MainWindow::performStep(Message *msg)
{
    RowEditor *editor = RowEditor::ofStep(msg);
    // The editor may be gone, released, or showing a removed row by now.
    if (!RowEditor::isAlive(editor) || !editor->wantsStep(msg->what) || !editorRowStillListed(editor)) {
        delete msg;
        return;
    }
    editor->stepLock.lock();
    if (auto *imageEditor = qobject_cast<ImageObjectWidget *>(editor)) {
        ImageObject *image = imageEditor->image;
        double t = image->displayTime();
        if (msg->what == WhatCode::TimeUp) {
            t = t >= 100 ? 100 : t + 0.2;
            qCDebug(lcUi) << "onBtnTimeAdd time = " << t;
        } else {
            t = t > 0.2 ? t - 0.2 : 0.2;
        }
        image->setDisplayTime(t);
        if (imageEditor->timeEdit)
            imageEditor->timeEdit->setText(QString::number(t, 'g', 6));
    } else if (auto *mediaEditor = qobject_cast<MediaObjectWidget *>(editor)) {
        MediaObject *media = mediaEditor->media;
        int n = media->loopCount();
        if (msg->what == WhatCode::LoopUp) {
            n = n > 254 ? 255 : n + 1;
            qCDebug(lcUi) << "onBtnTimeAdd() loopcount = " << n;
        } else {
            n = n < 2 ? 1 : n - 1;
            qCDebug(lcUi) << "onBtnTimeDel() loopcount = " << n;
        }
        media->setLoopCount(n);
        mediaEditor->loopEdit->setText(QString::number(n));
    }
    if (editor->stepDone(msg->what)) {
        playMediaHandler->sendHandlerMessageDelayed(playMediaHandler->obtainMessage(msg->what, editor),
                                                    stepIntervalMs);
    }
    editor->stepLock.unlock();
    delete msg;
}

// ---- list editing -----------------------------------------------------------

void MainWindow::onBtnDelImage()
{
    imageModel->delRow(ui.tableView->currentIndex().row(), 1);
    ui.tableView->closePersistentEditor(ui.tableView->currentIndex());
}

void MainWindow::onBtnDelMedia()
{
    if (isPlaying)
        onBtnStopClick();
    mediaModel->delRow(ui.tableViewMedia->currentIndex().row(), 1);
    pressMediaWidget(QModelIndex());
}

void MainWindow::onTableViewMenuRequested(const QPoint &)
{
    const QModelIndex current = ui.tableView->currentIndex();
    if (!current.isValid() || !current.model())
        return;
    // The contrast dialog is not part of this build yet.
    contrastAction->setEnabled(false);
    contrastMenu->exec(QCursor::pos());
}

template<typename T>
void MainWindow::reorder(CustomTableModel *model, T *object, int oldIndex, int newIndex, const char *logName)
{
    QList<CustomTableItem> items = model->itemList();
    if (items.isEmpty() || oldIndex == newIndex)
        return;
    int maxIndex = 0;
    for (const CustomTableItem &item : items)
        maxIndex = qMax(maxIndex, indexOf(item.object));
    qCDebug(lcUi) << logName << newIndex << ", " << maxIndex;
    newIndex = qMin(newIndex, maxIndex);
    object->setIndex(newIndex);
    for (const CustomTableItem &item : items) {
        if (item.object == object)
            continue;
        const int index = indexOf(item.object);
        if (oldIndex < newIndex && index > oldIndex && index <= newIndex)
            setIndexOf(item.object, index - 1);
        else if (oldIndex > newIndex && index >= newIndex && index < oldIndex)
            setIndexOf(item.object, index + 1);
    }
    // Stable insertion sort by index.
    for (int i = 1; i < items.size(); ++i) {
        const CustomTableItem key = items.at(i);
        int j = i - 1;
        while (j >= 0 && indexOf(items.at(j).object) > indexOf(key.object)) {
            items[j + 1] = items.at(j);
            --j;
        }
        items[j + 1] = key;
    }
    model->setItems(items);
}

void MainWindow::onImageIndexChanged(ImageObject *object, int oldIndex, int newIndex)
{
    reorder(imageModel, object, oldIndex, newIndex, "onImageIndexChanged()");
}

void MainWindow::onMediaIndexChanged(MediaObject *object, int oldIndex, int newIndex)
{
    reorder(mediaModel, object, oldIndex, newIndex, "onMediaIndexChanged()");
}

// ---- languages --------------------------------------------------------------

void MainWindow::switchLanguage(int language, const QString &appCatalogue, const QString &qtCatalogue)
{
    if (g_currentLanguage == language)
        return;
    g_currentLanguage = language;
    (void)appTranslator.load(appCatalogue);
    QApplication::installTranslator(&appTranslator);
    if (qtCatalogue.isEmpty()) {
        QApplication::removeTranslator(&qtTranslator);
    } else {
        (void)qtTranslator.load(qtCatalogue);
        QApplication::installTranslator(&qtTranslator);
    }
    retranslate();
}

void MainWindow::onBtnZhCnClick()
{
    qCDebug(lcUi, "onBtnZhCnClick");
    switchLanguage(ZhCn, QStringLiteral(":/ts/translate_zh_CN.qm"), QStringLiteral(":/ts/qt_zh_CN.qm"));
}

void MainWindow::onBtnZhHkClick()
{
    qCDebug(lcUi, "onBtnZhHkClick");
    switchLanguage(ZhHk, QStringLiteral(":/ts/translate_zh_HK.qm"), QStringLiteral(":/ts/qt_zh_TW.qm"));
}

void MainWindow::onBtnEnUsClick()
{
    qCDebug(lcUi, "onBtnEnUsClick");
    switchLanguage(EnUs, QStringLiteral(":/ts/translate_en_US.qm"), QString());
}

void MainWindow::retranslate()
{
    ui.retranslateUi(this);
    actionOpenImage->setText(tr("action_title_open_image"));
    actionDownload->setText(tr("action_title_download"));
    actionNewDiy->setText(tr("action_title_new_diy"));
    actionImportVideo->setText(tr("action_title_import_video"));
    actionImportGif->setText(tr("action_title_import_gif"));
    actionPreview->setText(tr("action_title_preview"));
    actionDefault->setText(tr("action_title_default"));
    toolBar->setWindowTitle(tr("action_title_menu"));
    toolsMenu->setTitle(tr("menu_title_tools"));
}

// ---- USB sticks ---------------------------------------------------------------

void MainWindow::scanUsbDisks()
{
    qCDebug(lcUi).noquote() << tr("开机U盘扫描");
    for (const QString &path : volumeSource->volumes()) {
        qCDebug(lcUi) << "U盘准备就绪！" << path;
        AddDisk(path);
    }
}

void MainWindow::onVolumeMounted(const QString &path)
{
    AddDisk(path);
    qCDebug(lcUi) << "this->USBDisk Path =" << path;
}

void MainWindow::onVolumeUnmounted(const QString &path)
{
    qCDebug(lcUi, "USB_Removed");
    DeleteDisk(path);
    qCDebug(lcUi) << "this-delete is =" << path;
}

bool MainWindow::findDisk(const QString &path, int &index) const
{
    for (int i = 0; i < diskList.size(); ++i) {
        if (diskList.at(i).path == path) {
            index = i;
            return true;
        }
    }
    return false;
}

void MainWindow::queryDiskSpace(UsbDiskInfo &disk)
{
    VolumeSource::queryDiskSpace(disk);
}

void MainWindow::AddDisk(const QString &path)
{
    qCDebug(lcUi) << "#MainWindow# AddDisk " << path;
    int index = -1;
    if (findDisk(path, index))
        return;
    qCDebug(lcUi) << "#MainWindow# AddDisk " << path << "11111";
    UsbDiskInfo disk;
    disk.path = path;
    queryDiskSpace(disk);
    diskList.append(disk);
    emit usbMountEvent(path);
}

void MainWindow::DeleteDisk(const QString &path)
{
    qCDebug(lcUi) << "#MainWindow# DeleteDisk " << path;
    int index = -1;
    if (!findDisk(path, index))
        return;
    diskList.removeAt(index);
    emit usbUMountEvent(path);
}

// ---- download ------------------------------------------------------------------

void MainWindow::onActionDownToUsb()
{
    QString path;
    {
        SelectUsbPathDialog sticks(diskList, this);
        connect(this, &MainWindow::usbMountEvent, &sticks, &SelectUsbPathDialog::usbMountEvent);
        connect(this, &MainWindow::usbUMountEvent, &sticks, &SelectUsbPathDialog::usbUMountEvent);
        if (sticks.exec() != QDialog::Accepted)
            return;
        path = sticks.selectedPath() + QLatin1Char('/');
    }
    GetSaveFileDialog name(this);
    if (name.exec() != QDialog::Accepted)
        return;
    startDownload(path + name.fileName() + QStringLiteral(".bin"));
}

void MainWindow::startDownload(const QString &path)
{
    if (isPlaying)
        onBtnStopClick();
    playMediaHandler->setDownloadCancelled(false);
    auto job = std::make_unique<DownloadJob>();
    job->pictures = pictureList();
    job->sequences = sequenceList();
    downloadRunning = true;
    playMediaHandler->sendHandlerMessage(playMediaHandler->obtainMessage(WhatCode::Download, std::move(job), path));
    // The playlist must not change under the writer: a cancel stops it at the
    // next block, and the window stays busy until its reply has arrived.
    while (downloadRunning) {
        progressDialog = new ProgressDialog(tr("dialog_title_downloading"), this);
        progressDialog->exec();
        if (progressDialog) {
            delete progressDialog;
            progressDialog = nullptr;
            playMediaHandler->setDownloadCancelled(true);
        }
    }
}

void MainWindow::downloadFinished(Message *msg)
{
    std::unique_ptr<Message> reply(msg);
    const std::unique_ptr<DownloadJob> job = msg->takePayload<WhatCode::Download>();
    const CardWriteResult *result = job ? &job->result : nullptr;
    downloadRunning = false;
    if (progressDialog) {
        progressDialog->accept();
        delete progressDialog;
        progressDialog = nullptr;
    }
    const QString text = result && result->complete() ? tr("dialog_title_download_suc").arg(msg->text)
                         : result && !result->message.isEmpty() ? result->message
                                                                : tr("The card file %1 was not written.").arg(msg->text);
    QMessageBox::information(this, tr("dialog_title_tip"), text, QMessageBox::Ok);
}
