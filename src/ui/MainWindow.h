#pragma once

#include "card/UsbDiskInfo.h"
#include "import/PictureSink.h"
#include "ui/MainWindowForm.h"

#include <QList>
#include <QMainWindow>
#include <QModelIndex>
#include <QTranslator>

class CustomTableModel;
class ImageObject;
class MediaObject;
class Message;
class PlayMediaHandler;
class QAction;
class QDialog;
class QMenu;
class QPushButton;
class QToolBar;
class RowEditor;
class VolumeSource;

// The program's only top-level window: toolbar actions, the round preview with
// playback, and the two playlist tables. It owns the playlist.
class MainWindow : public QMainWindow, public PictureSink
{
    Q_OBJECT
public:
    static constexpr int pictureLimit = 50;
    static constexpr int frameIntervalMs = 200;
    static constexpr int stepIntervalMs = 200;

    explicit MainWindow(QWidget *parent = nullptr);
    // Takes the stick source (tests hand in one that reads a fake mount table).
    explicit MainWindow(VolumeSource *volumes, QWidget *parent = nullptr);
    ~MainWindow() override;

    // USB sticks present, in the order they were found.
    const UsbDiskList &disks() const { return diskList; }
    void AddDisk(const QString &path);
    void DeleteDisk(const QString &path);
    bool findDisk(const QString &path, int &index) const;
    void queryDiskSpace(UsbDiskInfo &disk);
    void scanUsbDisks();
    // Writes the playlist to the card file at path; returns when the reply arrived.
    void startDownload(const QString &path);

    void addPicture(ImageObject *object) override;
    void addPictureFile(const QString &path) override;
    // Imports picture files through the import dialog (the file chooser's part is done).
    void importPictures(const QStringList &files);
    void addSequence(MediaObject *media);
    // Imports a GIF file as a frame sequence (the file chooser's part is done).
    void importGif(const QString &path);
    void clearLists();
    void showPicture(ImageObject *object);

    QList<ImageObject *> pictureList() const;
    QList<MediaObject *> sequenceList() const;
    CustomTableModel *pictureModel() const { return imageModel; }
    CustomTableModel *sequenceModel() const { return mediaModel; }
    PlayMediaHandler *handler() const { return playMediaHandler; }
    const MainWindowForm &form() const { return ui; }
    bool playing() const { return isPlaying; }
    int nextFrameIndex() const { return playIndex; }
    MediaObject *selectedSequence() const { return currentMedia; }

signals:
    void usbMountEvent(const QString &path);
    void usbUMountEvent(const QString &path);

public slots:
    void onActionOpenImage();
    void onActionDownToUsb();
    void onActionLoadGif();
    void onActionSettingColor();
    void onBtnDelImage();
    void onBtnDelMedia();
    void pressImageWidget(const QModelIndex &index);
    void pressMediaWidget(const QModelIndex &index);
    void onBtnPlayClick();
    void onBtnStopClick();
    void handlerMessage(Message *msg);
    void onTableViewMenuRequested(const QPoint &point);
    void onBtnZhCnClick();
    void onBtnZhHkClick();
    void onBtnEnUsClick();
    void onImageIndexChanged(ImageObject *object, int oldIndex, int newIndex);
    void onMediaIndexChanged(MediaObject *object, int oldIndex, int newIndex);
    void onImageContractChanged(QObject *object);

private slots:
    void onVolumeMounted(const QString &path);
    void onVolumeUnmounted(const QString &path);

private:
    void createActions();
    void createToolBar();
    void createStatusBar();
    void setupPreview();
    void setupTables();
    void configureTable(QTableView *table);
    void retranslate();
    void switchLanguage(int language, const QString &appCatalogue, const QString &qtCatalogue);

    void setPreviewImage(const QImage &picture);
    void setPreviewColour(const QColor &colour);
    void showFrameTick(Message *msg);
    void downloadFinished(Message *msg);
    void performStep(Message *msg);
    bool editorRowStillListed(const RowEditor *editor) const;
    QString copyToTemp(const QString &source);
    int nextPictureIndex() const;

    template<typename T>
    void reorder(CustomTableModel *model, T *object, int oldIndex, int newIndex, const char *logName);

    // Playlist and stick state.
    UsbDiskList diskList;
    VolumeSource *volumeSource = nullptr;
    bool downloadRunning = false;
    CustomTableModel *imageModel = nullptr;
    CustomTableModel *mediaModel = nullptr;
    QTranslator appTranslator;
    QTranslator qtTranslator;
    QMenu *contrastMenu = nullptr;
    QAction *contrastAction = nullptr;
    QDialog *progressDialog = nullptr;
    MainWindowForm ui;

    QToolBar *toolBar = nullptr;
    QAction *actionOpenImage = nullptr;
    QAction *actionDownload = nullptr;
    QAction *actionNewDiy = nullptr;
    QAction *actionImportVideo = nullptr;
    QAction *actionImportGif = nullptr;
    QAction *actionPreview = nullptr;
    QAction *actionDefault = nullptr;
    QAction *actionSettingColor = nullptr;
    QMenu *toolsMenu = nullptr;
    QPushButton *btnZhCn = nullptr;
    QPushButton *btnZhHk = nullptr;
    QPushButton *btnEnUs = nullptr;

    // Playback of the selected sequence.
    bool isPlaying = false;
    int playIndex = 0;
    int playGeneration = 0; // ticks of an earlier play are dropped
    MediaObject *currentMedia = nullptr;
    PlayMediaHandler *playMediaHandler = nullptr;
};
