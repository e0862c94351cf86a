#pragma once

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

// The program's only top-level window: toolbar actions, the round preview with
// playback, and the two playlist tables. It owns the playlist.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int pictureLimit = 50;
    static constexpr int frameIntervalMs = 200;
    static constexpr int stepIntervalMs = 200;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void addPicture(ImageObject *object);
    void addPictureFile(const QString &path);
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

public slots:
    void onActionOpenImage();
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
    void performStep(Message *msg);
    bool editorRowStillListed(const RowEditor *editor) const;
    QString copyToTemp(const QString &source);
    int nextPictureIndex() const;

    template<typename T>
    void reorder(CustomTableModel *model, T *object, int oldIndex, int newIndex, const char *logName);

    // Playlist and stick state.
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
