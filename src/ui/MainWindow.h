#pragma once

#include "card/StickList.h"
#include "display/PreviewPlayback.h"
#include "import/PictureLimit.h"
#include "import/PictureSink.h"
#include "ui/LanguageSwitcher.h"

#include <QList>
#include <QMainWindow>
#include <QModelIndex>

#include <memory>

class CardReadFlow;
class CustomTableModel;
class DisplayGeometryFlow;
class DiyPictureFlow;
class DownloadFlow;
class ImageObject;
class MainWindowForm;
class MediaObject;
class Message;
class PlaylistImport;
class ProjectDialogs;
class ProjectFlow;
class PlayMediaHandler;
class QAction;
class QMenu;
class QPushButton;
class QTableView;
class ShowFlow;
class VolumeSource;

// The program's only top-level window: toolbar actions, the round preview with
// playback, and the two playlist tables. It wires; the models own the rows,
// the row editors the steps, and each flow (download, sticks, playback,
// languages) its own state and rules.
class MainWindow : public QMainWindow, public PictureSink
{
    Q_OBJECT
public:
    static constexpr int pictureLimit = PictureLimit::maxPictures;
    static constexpr int frameIntervalMs = PreviewPlayback::frameIntervalMs;
    static constexpr int stepIntervalMs = 200;

    explicit MainWindow(QWidget *parent = nullptr);
    // Takes the stick source (tests hand in one that reads a fake mount table).
    explicit MainWindow(VolumeSource *volumes, QWidget *parent = nullptr);
    ~MainWindow() override;

    // USB sticks present, in the order they were found.
    const UsbDiskList &disks() const { return sticks.disks(); }
    void AddDisk(const QString &path) { sticks.AddDisk(path); }
    void DeleteDisk(const QString &path) { sticks.DeleteDisk(path); }
    bool findDisk(const QString &path, int &index) const { return sticks.findDisk(path, index); }
    void queryDiskSpace(UsbDiskInfo &disk) { StickList::queryDiskSpace(disk); }
    void scanUsbDisks();
    // Writes the playlist to the card file at path; returns when the reply arrived.
    void startDownload(const QString &path);

    void addPicture(ImageObject *object) override;
    void addPictureFile(const QString &path) override;
    // Imports picture files through the import dialog (the file chooser's part
    // is done): as many as fit in the list, saying how many were left out.
    void importPictures(const QStringList &files);
    void addSequence(MediaObject *media);
    // Imports a GIF file as a frame sequence (the file chooser's part is done).
    void importGif(const QString &path);
    // Imports a stretch of a video clip (the file chooser's part is done).
    void importVideo(const QString &path);
    void clearLists();
    void showPicture(ImageObject *object);
    // Opens a project file (the command line's); false when it was not opened.
    bool openProject(const QString &path);
    ProjectFlow *projectFlow() const { return project.get(); }

    QList<ImageObject *> pictureList() const;
    QList<MediaObject *> sequenceList() const;
    CustomTableModel *pictureModel() const { return imageModel; }
    CustomTableModel *sequenceModel() const { return mediaModel; }
    PlayMediaHandler *handler() const { return playMediaHandler; }
    const MainWindowForm &form() const { return *ui; }
    bool playing() const { return playback->isPlaying(); }
    int nextFrameIndex() const { return playback->nextFrameIndex(); }
    MediaObject *selectedSequence() const { return playback->current(); }

signals:
    void usbMountEvent(const QString &path);
    void usbUMountEvent(const QString &path);

public slots:
    void onActionOpenImage();
    void onActionNewDiy();
    void onBtnEditDiy();
    void onActionDownToUsb();
    void onActionLoadGif();
    void onActionLoadMedia();
    void onActionSettingColor();
    void onActionPreviewFromUsb();
    void onActionRestoreFactory();
    void onActionOpenCard();
    void onActionPlayShow();
    void onBtnDelImage();
    void onBtnDelMedia();
    void pressImageWidget(const QModelIndex &index);
    void pressMediaWidget(const QModelIndex &index);
    void onBtnPlayClick();
    void onBtnStopClick();
    void handlerMessage(Message *msg);
    void previewUsbOver();
    void restoreFactoryOver();
    void openCardOver();
    void onTableViewMenuRequested(const QPoint &point);
    void onBtnZhCnClick();
    void onBtnZhHkClick();
    void onBtnEnUsClick();
    void onImageIndexChanged(ImageObject *object, int oldIndex, int newIndex);
    void onMediaIndexChanged(MediaObject *object, int oldIndex, int newIndex);
    void onImageContractChanged(QObject *object);
    void updateImageContract();
    void onBtnLedCount();
    void onBtnLineNumber();
    // A row editor changed its record's time or loop count.
    void onRecordEdited(QObject *record);
    void onActionNewProject();
    void onActionOpenProject();
    void onActionSaveProject();
    void onActionSaveProjectAs();

protected:
    // Asks about unsaved changes; Cancel keeps the window open.
    void closeEvent(QCloseEvent *event) override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onVolumeMounted(const QString &path);
    void onVolumeUnmounted(const QString &path);

private:
    void connectActions();
    void setupTables();
    void connectForm();
    void retranslate();
    // Empties both lists for a new display geometry and shows nothing.
    void clearForNewGeometry();
    // The project's name and modified flag in the title.
    void showProjectState();
    void replacePlaylist(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);
    void switchLanguage(LanguageSwitcher::Language language);

    void setPreviewImage(const QImage &picture);
    void setPreviewColour(const QColor &colour);
    void stopPlaying();
    void performStep(Message *msg);
    bool stepStillWanted(const Message *msg) const;
    // Makes the row current and selected and shows it; with no such row,
    // shows nothing (Del then has nothing to act on).
    void selectRow(QTableView *table, int row);
    void createCardFlows();
    void stopShow();

    std::unique_ptr<MainWindowForm> ui;
    StickList sticks;
    VolumeSource *volumeSource = nullptr;
    CustomTableModel *imageModel = nullptr;
    CustomTableModel *mediaModel = nullptr;
    LanguageSwitcher languages;
    QMenu *contrastMenu = nullptr;
    QAction *contrastAction = nullptr;

    PlayMediaHandler *playMediaHandler = nullptr;
    std::unique_ptr<PreviewPlayback> playback;
    std::unique_ptr<DownloadFlow> download;
    std::unique_ptr<PlaylistImport> import;
    std::unique_ptr<DisplayGeometryFlow> geometry;
    std::unique_ptr<DiyPictureFlow> diy;
    std::unique_ptr<CardReadFlow> cardReads;
    std::unique_ptr<ShowFlow> showFlow;
    bool showHighlighting = false; // the show moves the selection: not the user's choice
    std::unique_ptr<ProjectDialogs> projectDialogs;
    std::unique_ptr<ProjectFlow> project;
};
