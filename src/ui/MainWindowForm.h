#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QPair>

class QAction;
class QActionGroup;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QToolBar;
class QStatusBar;
class QTableView;
class QToolBox;
class QWidget;

// The main window's widgets, actions, toolbar and menus, built in code with
// the object names that the rest of the program and the tests look them up
// by. The window connects them.
class MainWindowForm
{
    // The window's texts are in the window's translation context.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);
    // The rows a delete acts on: the selected (contiguous) rows, else the
    // current one; (first row, count).
    static QPair<int, int> rowsToDelete(const QTableView *table);

    // What the preview shows with nothing selected: the ring of the display area on white.
    static QImage blankPreview();

    // The status bar's version, line count and LED count labels.
    void showDisplayParameters(int lineCount, int ledCount);
    // While the show plays: its action reads "Stop show", Stop is offered and
    // Play (of the selected sequence) is not; after it, Play when one is selected.
    void showShowPlaying(bool playing, bool sequenceSelected);
    // Every entry of the menu bar's menus, in menu order.
    QList<QAction *> allMenuActions() const;
    // Makes the row the show plays current and selected (kind 0 pictures, 1 sequences).
    void highlightRow(int kind, int row);

    QAction *actionOpenImage = nullptr;
    QAction *actionDownload = nullptr;
    QAction *actionNewDiy = nullptr;
    QAction *actionImportVideo = nullptr;
    QAction *actionImportGif = nullptr;
    QAction *actionPreview = nullptr;
    QAction *actionDefault = nullptr;
    QAction *actionSettingColor = nullptr;
    QAction *actionOpenCard = nullptr;       // a card as download writes it, back into the playlist
    QAction *actionPlayShow = nullptr;       // the whole playlist as the display plays it
    QAction *actionDeletePicture = nullptr;  // the Delete key on the picture list
    QAction *actionDeleteSequence = nullptr; // the Delete key on the video list
    QAction *actionLedCount = nullptr;
    QAction *actionLineCount = nullptr;
    QAction *actionNewProject = nullptr;     // the File menu, with the standard shortcuts
    QAction *actionOpenProject = nullptr;
    QAction *actionSaveProject = nullptr;
    QAction *actionSaveProjectAs = nullptr;
    QAction *actionQuit = nullptr;
    QAction *actionDelete = nullptr;         // Edit: on the list shown
    QAction *actionMoveUp = nullptr;
    QAction *actionMoveDown = nullptr;
    QAction *actionShortcuts = nullptr;
    QAction *actionAbout = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QToolBar *toolBar = nullptr;
    QMenu *toolsMenu = nullptr;
    // The three languages, one checked: the toolbar's language buttons stay hidden.
    QMenu *languageMenu = nullptr;
    QActionGroup *languageGroup = nullptr;
    QAction *actionZhCn = nullptr;
    QAction *actionZhHk = nullptr;
    QAction *actionEnUs = nullptr;
    QPushButton *btnZhCn = nullptr;
    QPushButton *btnZhHk = nullptr;
    QPushButton *btnEnUs = nullptr;
    QLabel *versionLabel = nullptr;
    QLabel *lineLabel = nullptr;
    QLabel *ledLabel = nullptr;

    QWidget *centralWidget = nullptr;
    QWidget *widget = nullptr;          // white area around the preview
    QWidget *previewWidget = nullptr;   // 450 x 450 round preview
    QPushButton *btnPlay = nullptr;
    QPushButton *btnStop = nullptr;
    QToolBox *toolBox = nullptr;
    QWidget *page = nullptr;
    QWidget *page_2 = nullptr;
    QPushButton *btnEditImage = nullptr;
    QPushButton *btnDelImage = nullptr;
    QTableView *tableView = nullptr;
    QPushButton *btnEditMedia = nullptr;
    QPushButton *btnDelMedia = nullptr;
    QTableView *tableViewMedia = nullptr;
    QStatusBar *statusBar = nullptr;

private:
    void configureTable(QTableView *table, QAction *deleteAction);
    void setupPreview();
    void buildActions(QMainWindow *window);
    void buildMenus(QMainWindow *window);
    void buildToolBar(QMainWindow *window);
    void buildStatusBar(QMainWindow *window);
    QWidget *buildPreviewArea(QWidget *parent);
    QWidget *buildPage(QWidget *parent, const char *name, QPushButton *&edit, QPushButton *&del,
                       QTableView *&table, const char *editName, const char *delName, const char *tableName,
                       const char *editIcon);
};
