#include "ui/MainWindow.h"

#include "app/DisplayParameters.h"
#include "app/DisplayParametersNotifier.h"
#include "app/WorkDirectory.h"
#include "card/CardReadJob.h"
#include "card/SelectUsbPathDialog.h"
#include "card/VolumeSource.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PlayMediaHandler.h"
#include "display/PolarSampling.h"
#include "display/SettingColorForm.h"
#include "display/WindowBrush.h"
#include "edit/ContrastAdjuster.h"
#include "edit/UpdateImageContract.h"
#include "import/ScratchCopy.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "ui/CardReadFlow.h"
#include "project/ProjectDialogs.h"
#include "project/ProjectFlow.h"
#include "ui/CustomTableModel.h"
#include "ui/DisplayGeometryFlow.h"
#include "ui/DiyPictureFlow.h"
#include "ui/DownloadFlow.h"
#include "ui/ListImageItemDelegate.h"
#include "ui/ListMediaItemDelegate.h"
#include "ui/MainWindowForm.h"
#include "ui/PlaylistImport.h"
#include "ui/RowEditor.h"
#include "ui/ShowFlow.h"
#include "ui/UiLog.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QMutexLocker>
#include <QPushButton>
#include <QTableView>
#include <QToolBox>

MainWindow::MainWindow(QWidget *parent) : MainWindow(new VolumeSource, parent)
{
}

MainWindow::MainWindow(VolumeSource *volumes, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<MainWindowForm>()), volumeSource(volumes)
{
    volumeSource->setParent(this);
    ui->setupUi(this);
    setWindowFlags(Qt::Window);

    connectActions();
    ui->showDisplayParameters(DisplayParameters::lineCount(), DisplayParameters::ledCount());

    playMediaHandler = new PlayMediaHandler(HandlerThread::instance(), this);
    connect(playMediaHandler, &PlayMediaHandler::handlerMessageReady, this, &MainWindow::handlerMessage);
    playback = std::make_unique<PreviewPlayback>(playMediaHandler);

    setupTables();
    connectForm();
    download = std::make_unique<DownloadFlow>(this, sticks, *volumeSource, playMediaHandler, imageModel, mediaModel);
    import = std::make_unique<PlaylistImport>(this, this, imageModel, mediaModel,
                                              [this](MediaObject *media) { addSequence(media); });
    diy = std::make_unique<DiyPictureFlow>(imageModel, this, [this] { return int(languages.current()); });
    createCardFlows();
    projectDialogs = std::make_unique<ProjectDialogs>(this);
    project = std::make_unique<ProjectFlow>(
        ProjectFlow::Playlist{[this] { return pictureList(); }, [this] { return sequenceList(); },
                              [this](const QList<ImageObject *> &p, const QList<MediaObject *> &s) {
                                  replacePlaylist(p, s);
                              }},
        projectDialogs.get());
    project->watch(imageModel);
    project->watch(mediaModel);
    connect(project.get(), &ProjectFlow::stateChanged, this, &MainWindow::showProjectState);
    showProjectState();

    geometry = std::make_unique<DisplayGeometryFlow>(this, [this] { clearForNewGeometry(); },
                                                     [this] { return project->confirmDiscard(); });

    contrastMenu = new QMenu(this);
    contrastAction = contrastMenu->addAction(tr("调整对比度"));
    contrastAction->setObjectName(QStringLiteral("contrastAction"));
    connect(contrastAction, &QAction::triggered, this, &MainWindow::updateImageContract);

    sticks.clear();
    scanUsbDisks();
}

MainWindow::~MainWindow()
{
    showFlow.reset();
    cardReads.reset(); // a read still on the looper stops at its next block
    // Emptying the lists below must neither show rows of a window that is
    // going nor open row editors on them.
    for (QTableView *table : {ui->tableView, ui->tableViewMedia}) {
        table->selectionModel()->disconnect(this);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    // Pending ticks and steps name this window's objects. The handler takes
    // its queued messages and undelivered replies with it and waits for the
    // one in hand, so nothing runs on the looper for a window that is going.
    PlayMediaHandler *going = playMediaHandler;
    playMediaHandler = nullptr;
    delete going;
    playback.reset();
    project.reset(); // emptying the lists is no change to the project
    clearLists();
}

void MainWindow::connectActions()
{
    connect(ui->actionImportVideo, &QAction::triggered, this, &MainWindow::onActionLoadMedia);
    connect(ui->actionOpenImage, &QAction::triggered, this, &MainWindow::onActionOpenImage);
    connect(ui->actionNewDiy, &QAction::triggered, this, &MainWindow::onActionNewDiy);
    connect(ui->actionDownload, &QAction::triggered, this, &MainWindow::onActionDownToUsb);
    connect(ui->actionImportGif, &QAction::triggered, this, &MainWindow::onActionLoadGif);
    connect(ui->actionSettingColor, &QAction::triggered, this, &MainWindow::onActionSettingColor);
    connect(ui->actionPreview, &QAction::triggered, this, &MainWindow::onActionPreviewFromUsb);
    connect(ui->actionDefault, &QAction::triggered, this, &MainWindow::onActionRestoreFactory);
    connect(ui->actionOpenCard, &QAction::triggered, this, &MainWindow::onActionOpenCard);
    connect(ui->actionPlayShow, &QAction::triggered, this, &MainWindow::onActionPlayShow);
    connect(ui->actionDeletePicture, &QAction::triggered, this, &MainWindow::onBtnDelImage);
    connect(ui->actionDeleteSequence, &QAction::triggered, this, &MainWindow::onBtnDelMedia);
    connect(ui->actionNewProject, &QAction::triggered, this, &MainWindow::onActionNewProject);
    connect(ui->actionOpenProject, &QAction::triggered, this, &MainWindow::onActionOpenProject);
    connect(ui->actionSaveProject, &QAction::triggered, this, &MainWindow::onActionSaveProject);
    connect(ui->actionSaveProjectAs, &QAction::triggered, this, &MainWindow::onActionSaveProjectAs);
    connect(ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui->btnZhCn, &QPushButton::clicked, this, &MainWindow::onBtnZhCnClick);
    connect(ui->btnZhHk, &QPushButton::clicked, this, &MainWindow::onBtnZhHkClick);
    connect(ui->btnEnUs, &QPushButton::clicked, this, &MainWindow::onBtnEnUsClick);
    ui->actionZhCn->setData(LanguageSwitcher::ZhCn);
    ui->actionZhHk->setData(LanguageSwitcher::ZhHk);
    ui->actionEnUs->setData(LanguageSwitcher::EnUs);
    connect(ui->actionZhCn, &QAction::triggered, this, &MainWindow::onBtnZhCnClick);
    connect(ui->actionZhHk, &QAction::triggered, this, &MainWindow::onBtnZhHkClick);
    connect(ui->actionEnUs, &QAction::triggered, this, &MainWindow::onBtnEnUsClick);
    connect(ui->actionLedCount, &QAction::triggered, this, &MainWindow::onBtnLedCount);
    connect(ui->actionLineCount, &QAction::triggered, this, &MainWindow::onBtnLineNumber);
}

void MainWindow::setupTables()
{
    ui->tableView->setItemDelegate(new ListImageItemDelegate(playMediaHandler, this));
    ui->tableViewMedia->setItemDelegate(new ListMediaItemDelegate(playMediaHandler, this));

    imageModel = new CustomTableModel({}, 1, this);
    mediaModel = new CustomTableModel({}, 1, this);
    ui->tableView->setModel(imageModel);
    ui->tableViewMedia->setModel(mediaModel);
}

void MainWindow::connectForm()
{
    connect(ui->btnDelImage, &QPushButton::clicked, this, &MainWindow::onBtnDelImage);
    connect(ui->btnEditImage, &QPushButton::clicked, this, &MainWindow::onBtnEditDiy);
    connect(ui->btnPlay, &QPushButton::clicked, this, &MainWindow::onBtnPlayClick);
    connect(ui->btnStop, &QPushButton::clicked, this, &MainWindow::onBtnStopClick);
    connect(ui->btnDelMedia, &QPushButton::clicked, this, &MainWindow::onBtnDelMedia);
    connect(ui->tableView, &QTableView::pressed, this, &MainWindow::pressImageWidget);
    connect(ui->tableView, &QTableView::customContextMenuRequested, this, &MainWindow::onTableViewMenuRequested);
    connect(ui->tableViewMedia, &QTableView::pressed, this, &MainWindow::pressMediaWidget);
    // A row made current by the keyboard or by the program shows as a click would.
    connect(ui->tableView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::pressImageWidget);
    connect(ui->tableViewMedia->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::pressMediaWidget);
    connect(&sticks, &StickList::usbMountEvent, this, &MainWindow::usbMountEvent);
    connect(&sticks, &StickList::usbUMountEvent, this, &MainWindow::usbUMountEvent);
    connect(volumeSource, &VolumeSource::volumeMounted, this, &MainWindow::onVolumeMounted);
    connect(volumeSource, &VolumeSource::volumeUnmounted, this, &MainWindow::onVolumeUnmounted);
}

QList<ImageObject *> MainWindow::pictureList() const
{
    return imageModel->objectsOf<ImageObject>();
}

QList<MediaObject *> MainWindow::sequenceList() const
{
    return mediaModel->objectsOf<MediaObject>();
}

void MainWindow::addPicture(ImageObject *object)
{
    const QString copy = ScratchCopy::copyPicture(object->sourcePath());
    object->setSourceIsScratch(copy != object->sourcePath());
    object->setSourcePath(copy);
    imageModel->appendNumbered(object);
    selectRow(ui->tableView, imageModel->rowCount() - 1);
}

void MainWindow::addPictureFile(const QString &path)
{
    const QString copy = ScratchCopy::copyPicture(path);
    auto *object = new ImageObject(imageModel->nextIndex(), copy, 5, ImageObject::PictureFile);
    object->setSourceIsScratch(copy != path);
    PolarSampling::imageToLedData(QImage(copy), object);
    imageModel->appendItems({CustomTableItem(object)});
    selectRow(ui->tableView, imageModel->rowCount() - 1);
}

void MainWindow::addSequence(MediaObject *media)
{
    mediaModel->appendItems({CustomTableItem(media)});
    ui->toolBox->setCurrentIndex(1);
    selectRow(ui->tableViewMedia, mediaModel->rowCount() - 1);
}

void MainWindow::clearLists()
{
    mediaModel->delRow(0, mediaModel->rowCount());
    imageModel->delRow(0, imageModel->rowCount());
}

void MainWindow::replacePlaylist(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    stopPlaying();
    clearLists();
    QList<CustomTableItem> pictureRows, sequenceRows;
    for (ImageObject *picture : pictures)
        pictureRows.append(CustomTableItem(picture));
    for (MediaObject *sequence : sequences)
        sequenceRows.append(CustomTableItem(sequence));
    imageModel->appendItems(pictureRows);
    mediaModel->appendItems(sequenceRows);
    ui->toolBox->setCurrentIndex(pictures.isEmpty() && !sequences.isEmpty() ? 1 : 0);
    // A project for another display brought its parameters along.
    ui->showDisplayParameters(DisplayParameters::lineCount(), DisplayParameters::ledCount());
    selectRow(ui->tableViewMedia, -1);
    selectRow(ui->tableView, pictures.isEmpty() ? -1 : 0);
}

bool MainWindow::openProject(const QString &path)
{
    stopPlaying();
    return project->openFile(path);
}

void MainWindow::onActionNewProject()
{
    stopPlaying();
    project->newProject();
}

void MainWindow::onActionOpenProject()
{
    stopPlaying();
    project->open();
}

void MainWindow::onActionSaveProject()
{
    project->save();
}

void MainWindow::onActionSaveProjectAs()
{
    project->saveAs();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (project->confirmDiscard())
        event->accept();
    else
        event->ignore();
}

void MainWindow::showProjectState()
{
    setWindowTitle(project->windowTitle(tr("Rotavue Display")));
    setWindowModified(project->isModified());
}

void MainWindow::onActionNewDiy()
{
    if (!diy->newDiy())
        return;
    ui->toolBox->setCurrentIndex(0);
    selectRow(ui->tableView, imageModel->rowCount() - 1);
}

void MainWindow::onBtnEditDiy()
{
    const QModelIndex index = ui->tableView->currentIndex();
    if (!index.isValid() || !diy->editPicture(index))
        return;
    showPicture(imageModel->objectAt<ImageObject>(index.row()));
    ui->toolBox->setCurrentIndex(0);
}

void MainWindow::onActionOpenImage()
{
    if (import->choosePictures())
        ui->toolBox->setCurrentIndex(0);
}

void MainWindow::importPictures(const QStringList &files)
{
    import->importPictures(files);
    ui->toolBox->setCurrentIndex(0);
}

void MainWindow::onActionLoadGif()
{
    import->chooseGif();
}

void MainWindow::importGif(const QString &path)
{
    import->importGif(path);
}

void MainWindow::onActionLoadMedia()
{
    import->chooseVideo();
}

void MainWindow::importVideo(const QString &path)
{
    import->importVideo(path);
}

void MainWindow::onActionSettingColor()
{
    SettingColorForm form(this);
    form.exec();
}

void MainWindow::onActionDownToUsb()
{
    stopPlaying();
    download->run();
}

void MainWindow::startDownload(const QString &path)
{
    stopPlaying();
    download->start(path);
}

void MainWindow::setPreviewImage(const QImage &picture)
{
    WindowBrush::apply(ui->previewWidget, QBrush(picture));
}

void MainWindow::setPreviewColour(const QColor &colour)
{
    WindowBrush::apply(ui->previewWidget, colour);
}

void MainWindow::showPicture(ImageObject *object)
{
    stopPlaying();
    ui->btnPlay->hide();
    ui->btnStop->hide();
    if (object)
        setPreviewImage(object->previewImage());
    else
        setPreviewColour(Qt::white);
    ui->btnDelImage->setEnabled(object);
    ui->btnEditImage->setEnabled(object && (object->type() == ImageObject::PictureFile
                                            || object->type() == ImageObject::DiyPicture));
}

void MainWindow::onImageContractChanged(QObject *object)
{
    // The list's thumbnail follows the preview while the dialog is open.
    imageModel->refreshObject(object);
    showPicture(qobject_cast<ImageObject *>(object));
}

void MainWindow::pressImageWidget(const QModelIndex &index)
{
    if (showHighlighting)
        return;
    qCDebug(lcUi) << "#MainWindow# pressImageWidget()" << index;
    showPicture(index.isValid() && index.model() ? imageModel->objectAt<ImageObject>(index.row()) : nullptr);
}

void MainWindow::pressMediaWidget(const QModelIndex &index)
{
    if (showHighlighting)
        return;
    stopPlaying();
    const bool valid = index.row() >= 0 && index.column() >= 0 && index.model();
    MediaObject *media = valid ? mediaModel->objectAt<MediaObject>(index.row()) : nullptr;
    // Nothing to play: never leave an older sequence behind the play button.
    const bool playable = media && media->frameCount() > 0;
    playback->select(playable ? media : nullptr);
    if (playable)
        setPreviewImage(media->frame(0)->previewImage());
    else if (!valid)
        setPreviewColour(Qt::white);
    ui->btnPlay->setVisible(playable);
    ui->btnStop->hide();
    ui->btnDelMedia->setEnabled(valid);
}

void MainWindow::selectRow(QTableView *table, int row)
{
    const QModelIndex index = table->model()->index(row, 0);
    table->setCurrentIndex(index);
    if (index.isValid())
        table->selectRow(row);
    if (table == ui->tableView)
        pressImageWidget(index);
    else
        pressMediaWidget(index);
}

void MainWindow::onBtnPlayClick()
{
    showFlow->stop();
    if (!playback->start())
        return;
    ui->btnPlay->hide();
    ui->btnStop->show();
}

void MainWindow::onBtnStopClick()
{
    if (showFlow && showFlow->isPlaying()) {
        stopShow();
        return;
    }
    playback->stop();
    ui->btnPlay->show();
    ui->btnStop->hide();
}

void MainWindow::stopPlaying()
{
    if (showFlow)
        showFlow->stop();
    if (playback && playback->isPlaying())
        onBtnStopClick();
}

void MainWindow::handlerMessage(Message *msg)
{
    if (!msg)
        return;
    if (msg->what == WhatCode::FrameTick) {
        if (ImageObject *frame = playback->tick(msg))
            setPreviewImage(frame->previewImage());
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
        download->finished(msg);
        break;
    default:
        delete msg;
        break;
    }
}

bool MainWindow::stepStillWanted(const Message *msg) const
{
    // The editor may be gone, released, or showing a removed row by now.
    const RowEditor *editor = RowEditor::ofStep(msg);
    return RowEditor::isAlive(editor) && editor->wantsStep(msg->what)
           && (imageModel->rowOf(editor->record()) >= 0 || mediaModel->rowOf(editor->record()) >= 0);
}

void MainWindow::performStep(Message *msg)
{
    const std::unique_ptr<Message> received(msg); // deleted after the lock is released
    if (!stepStillWanted(msg))
        return;
    RowEditor *editor = RowEditor::ofStep(msg);
    QMutexLocker locker(&editor->stepLock);
    editor->performStep(msg->what);
    if (editor->stepDone(msg->what))
        playMediaHandler->sendHandlerMessageDelayed(playMediaHandler->obtainMessage(msg->what, editor),
                                                    stepIntervalMs);
}

void MainWindow::onRecordEdited(QObject *record)
{
    if (imageModel->rowOf(record) >= 0)
        imageModel->refreshObject(record);
    else
        mediaModel->refreshObject(record);
}

void MainWindow::onBtnDelImage()
{
    const auto [start, count] = MainWindowForm::rowsToDelete(ui->tableView);
    ui->tableView->closePersistentEditor(ui->tableView->currentIndex());
    imageModel->delRow(start, count);
    // The row now at that place is the one Del acts on next.
    selectRow(ui->tableView, qMin(start, imageModel->rowCount() - 1));
}

void MainWindow::onBtnDelMedia()
{
    stopPlaying();
    const auto [start, count] = MainWindowForm::rowsToDelete(ui->tableViewMedia);
    mediaModel->delRow(start, count);
    selectRow(ui->tableViewMedia, qMin(start, mediaModel->rowCount() - 1));
}

void MainWindow::onTableViewMenuRequested(const QPoint &)
{
    const QModelIndex current = ui->tableView->currentIndex();
    const ImageObject *image = current.isValid() ? imageModel->objectAt<ImageObject>(current.row()) : nullptr;
    if (!image)
        return;
    contrastAction->setEnabled(ContrastAdjuster::canAdjust(image->type()));
    contrastMenu->exec(QCursor::pos());
}

void MainWindow::updateImageContract()
{
    const QModelIndex current = ui->tableView->currentIndex();
    ImageObject *image = current.isValid() ? imageModel->objectAt<ImageObject>(current.row()) : nullptr;
    if (!image)
        return;
    stopPlaying();
    UpdateImageContract dialog(playMediaHandler, image, this);
    connect(&dialog, &UpdateImageContract::onImageContractChanged, this, &MainWindow::onImageContractChanged);
    dialog.exec();
    imageModel->refrehItem(current);
}

void MainWindow::onBtnLedCount()
{
    stopPlaying();
    geometry->changeLedCount();
}

void MainWindow::onBtnLineNumber()
{
    stopPlaying();
    geometry->changeLineCount();
}

void MainWindow::clearForNewGeometry()
{
    clearLists();
    project->playlistDiscarded(); // a later Save must not write the empty list over the project
    // Nothing is left to play or to show.
    pressMediaWidget(QModelIndex());
    pressImageWidget(QModelIndex());
}

void MainWindow::onImageIndexChanged(ImageObject *object, int oldIndex, int newIndex)
{
    if (imageModel->rowCount() == 0 || oldIndex == newIndex)
        return;
    qCDebug(lcUi) << "onImageIndexChanged()" << newIndex << ", " << imageModel->largestIndex();
    if (imageModel->moveToIndex(object, oldIndex, newIndex))
        selectRow(ui->tableView, imageModel->rowOf(object));
}

void MainWindow::onMediaIndexChanged(MediaObject *object, int oldIndex, int newIndex)
{
    if (mediaModel->rowCount() == 0 || oldIndex == newIndex)
        return;
    qCDebug(lcUi) << "onMediaIndexChanged()" << newIndex << ", " << mediaModel->largestIndex();
    if (mediaModel->moveToIndex(object, oldIndex, newIndex))
        selectRow(ui->tableViewMedia, mediaModel->rowOf(object));
}

void MainWindow::switchLanguage(LanguageSwitcher::Language language)
{
    if (languages.switchTo(language))
        retranslate();
}

void MainWindow::onBtnZhCnClick()
{
    qCDebug(lcUi, "onBtnZhCnClick");
    switchLanguage(LanguageSwitcher::ZhCn);
}

void MainWindow::onBtnZhHkClick()
{
    qCDebug(lcUi, "onBtnZhHkClick");
    switchLanguage(LanguageSwitcher::ZhHk);
}

void MainWindow::onBtnEnUsClick()
{
    qCDebug(lcUi, "onBtnEnUsClick");
    switchLanguage(LanguageSwitcher::EnUs);
}

void MainWindow::retranslate()
{
    ui->retranslateUi(this);
    ui->showDisplayParameters(DisplayParameters::lineCount(), DisplayParameters::ledCount());
    contrastAction->setText(tr("调整对比度"));
    for (QAction *action : ui->languageGroup->actions())
        action->setChecked(action->data().toInt() == languages.current());
    showProjectState();
}

void MainWindow::changeEvent(QEvent *event)
{
    // Installing a catalogue reaches every widget: the menus and row editors
    // retranslate themselves, the window's own texts are set here.
    if (event->type() == QEvent::LanguageChange && contrastAction)
        retranslate();
    QMainWindow::changeEvent(event);
}

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

void MainWindow::createCardFlows()
{
    CardReadFlow::Window reads;
    reads.chooseStick = [this] { return SelectUsbPathDialog::choose(sticks, this); };
    // A stick is where cards usually are.
    reads.chooseCardFile = [this] {
        return CardReadFlow::askForCardFile(this, disks().isEmpty() ? WorkDirectory::lastUsedFolder()
                                                                    : disks().first().path);
    };
    reads.stopPlayback = [this] { stopPlaying(); };
    reads.showPage = [this](int page) { ui->toolBox->setCurrentIndex(page); };
    reads.readEnded = [this] { pressImageWidget(QModelIndex()); };
    reads.listsReplaced = [this] {
        selectRow(ui->tableViewMedia, -1);
        selectRow(ui->tableView, -1);
    };
    cardReads = std::make_unique<CardReadFlow>(imageModel, mediaModel, playMediaHandler, this, reads);
    connect(playMediaHandler, &PlayMediaHandler::previewUsbOver, this, &MainWindow::previewUsbOver);
    connect(playMediaHandler, &PlayMediaHandler::restoreFactoryOver, this, &MainWindow::restoreFactoryOver);
    connect(playMediaHandler, &PlayMediaHandler::openCardOver, this, &MainWindow::openCardOver);
    // The status bar follows every change of the display parameters.
    connect(DisplayParametersNotifier::instance(), &DisplayParametersNotifier::changed, this,
            [this](int leds, int lines) { ui->showDisplayParameters(lines, leds); });

    ShowFlow::Window shows;
    shows.showPreview = [this](const QImage &picture) { setPreviewImage(picture); };
    shows.highlight = [this](int kind, int row) {
        showHighlighting = true;
        ui->highlightRow(kind, row);
        showHighlighting = false;
    };
    shows.stopSequencePlayback = [this] {
        if (playback->isPlaying())
            onBtnStopClick();
    };
    shows.playingChanged = [this](bool playing) { ui->showShowPlaying(playing, playback->current()); };
    showFlow = std::make_unique<ShowFlow>(imageModel, mediaModel, this, shows);
}

void MainWindow::onActionPreviewFromUsb()
{
    cardReads->previewFromUsb();
}

void MainWindow::onActionRestoreFactory()
{
    cardReads->restoreFactory();
}

void MainWindow::onActionOpenCard()
{
    cardReads->openCard();
}

void MainWindow::previewUsbOver()
{
    cardReads->readOver(playMediaHandler->takeFinishedRead());
}

void MainWindow::restoreFactoryOver()
{
    cardReads->readOver(playMediaHandler->takeFinishedRead());
}

void MainWindow::openCardOver()
{
    cardReads->readOver(playMediaHandler->takeFinishedRead());
}

void MainWindow::onActionPlayShow()
{
    if (showFlow->isPlaying())
        stopShow();
    else
        showFlow->play();
}

void MainWindow::stopShow()
{
    showFlow->stop();
    // The row the show ended on becomes the one Play and Del act on.
    QTableView *table = ui->toolBox->currentIndex() == 0 ? ui->tableView : ui->tableViewMedia;
    selectRow(table, table->currentIndex().row());
}
