#include "ui/MainWindowForm.h"

#include "display/WindowBrush.h"
#include "edit/RingTexture.h"
#include "ui/PreviewArea.h"
#include "ui/ScaledPreview.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QStatusBar>
#include <QItemSelectionModel>
#include <QTableView>
#include <QToolBox>
#include <QVBoxLayout>

namespace {
const char *kVersion = "20170425_0.26";
constexpr int previewSide = 450;
constexpr int playButtonSide = 65;

QPushButton *makeLanguageButton(QWidget *parent, QHBoxLayout *row, const char *name, const char *icon)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(60, 25);
    button->setIcon(QIcon(QLatin1String(icon)));
    button->setIconSize(QSize(60, 25));
    button->setCheckable(true);
    button->setChecked(true);
    button->hide(); // English only, for every start
    row->addWidget(button);
    return button;
}

QLabel *makeStatusLabel(QStatusBar *bar)
{
    auto *label = new QLabel(bar);
    label->setFrameShape(QFrame::NoFrame);
    label->setFrameShadow(QFrame::Sunken);
    bar->addWidget(label, 0);
    return label;
}

QPushButton *makePlayButton(QWidget *parent, const char *name, const char *icon)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setIcon(QIcon(QLatin1String(icon)));
    button->setIconSize(QSize(playButtonSide, playButtonSide));
    button->setFixedSize(playButtonSide + 6, playButtonSide + 6);
    // Showing or hiding a button must not move the preview.
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}
}

void MainWindowForm::setupUi(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(900, 619);
    window->setMinimumSize(800, 600);
    window->setWindowIcon(QIcon(QStringLiteral(":/images/logo2.jpg")));

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    auto *layout = new QHBoxLayout(centralWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    widget = buildPreviewArea(centralWidget);
    // Both sides grow with the window, the preview more.
    layout->addWidget(widget, 2);

    toolBox = new QToolBox(centralWidget);
    toolBox->setObjectName(QStringLiteral("toolBox"));
    toolBox->setMinimumWidth(330);
    page = buildPage(toolBox, "page", btnEditImage, btnDelImage, tableView, "btnEditImage", "btnDelImage",
                     "tableView", ":/images/write.png");
    page_2 = buildPage(toolBox, "page_2", btnEditMedia, btnDelMedia, tableViewMedia, "btnEditMedia",
                       "btnDelMedia", "tableViewMedia", ":/images/xine.png");
    toolBox->addItem(page, QString());
    toolBox->addItem(page_2, QString());
    toolBox->setCurrentIndex(0);
    layout->addWidget(toolBox, 1);

    window->setCentralWidget(centralWidget);
    buildActions(window);
    buildToolBar(window);
    buildStatusBar(window);
    configureTable(tableView, actionDeletePicture);
    configureTable(tableViewMedia, actionDeleteSequence);
    setupPreview();
    retranslateUi(window);
}

void MainWindowForm::setupPreview()
{
    WindowBrush::apply(previewWidget, QBrush(blankPreview()));
    WindowBrush::apply(widget, Qt::white);
    WindowBrush::apply(toolBox, QColor(200, 200, 200));
    btnPlay->hide();
    btnStop->hide();
    btnEditMedia->hide();
    btnEditImage->setEnabled(false); // until a picture that can be edited is selected
    btnDelImage->setEnabled(false);
    btnDelMedia->setEnabled(false);
}

void MainWindowForm::configureTable(QTableView *table, QAction *deleteAction)
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
    // Rows are dragged to a new place in their own list; files come from outside.
    table->setDragEnabled(true);
    table->setDragDropMode(QAbstractItemView::DragDrop);
    table->setDragDropOverwriteMode(false);
    table->setDefaultDropAction(Qt::MoveAction);
    table->setDropIndicatorShown(true);
    // The Delete key does what the list's Del button does (a time box being
    // edited keeps the key for its text).
    deleteAction->setShortcut(QKeySequence::Delete);
    deleteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table->addAction(deleteAction);
}

QPair<int, int> MainWindowForm::rowsToDelete(const QTableView *table)
{
    const QModelIndexList selected = table->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        const int current = table->currentIndex().row();
        return {current, current < 0 ? 0 : 1};
    }
    int first = selected.first().row();
    int last = first;
    for (const QModelIndex &index : selected) {
        first = qMin(first, index.row());
        last = qMax(last, index.row());
    }
    return {first, last - first + 1};
}

void MainWindowForm::buildActions(QMainWindow *window)
{
    auto make = [window](const char *name, const char *icon) {
        auto *action = new QAction(QIcon(QLatin1String(icon)), QString(), window);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    actionOpenImage = make("actionOpenImage", ":/images/open.png");
    actionDownload = make("actionDownload", ":/images/download_file.png");
    actionNewDiy = make("actionNewDiy", ":/images/design.png");
    actionImportVideo = make("actionImportVideo", ":/images/import_media.png");
    actionImportGif = make("actionImportGif", ":/images/import_gif.png");
    actionPreview = make("actionPreview", ":/images/preview_usb.png");
    actionDefault = make("actionDefault", ":/images/default_ui.png");
    actionSettingColor = make("actionSettingColor", ":/images/ic_flowers.png");
    actionDeletePicture = make("actionDeletePicture", ":/images/edit_delete.png");
    actionDeleteSequence = make("actionDeleteSequence", ":/images/edit_delete.png");
    actionLedCount = make("actionLedCount", "");
    actionLineCount = make("actionLineCount", "");
    actionOpenCard = make("actionOpenCard", ":/images/open_card.png");
    actionPlayShow = make("actionPlayShow", ":/images/play.png");
    actionPlayShow->setShortcut(Qt::Key_F5);

    // The desktop's own binding, or the usual one where the desktop has none.
    auto command = [window](const char *name, QKeySequence::StandardKey key, const char *usual) {
        auto *action = new QAction(window);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        if (action->shortcut().isEmpty())
            action->setShortcut(QKeySequence(QLatin1String(usual)));
        return action;
    };
    actionNewProject = command("actionNewProject", QKeySequence::New, "Ctrl+N");
    actionOpenProject = command("actionOpenProject", QKeySequence::Open, "Ctrl+O");
    actionSaveProject = command("actionSaveProject", QKeySequence::Save, "Ctrl+S");
    actionSaveProjectAs = command("actionSaveProjectAs", QKeySequence::SaveAs, "Ctrl+Shift+S");
    actionQuit = command("actionQuit", QKeySequence::Quit, "Ctrl+Q");
    actionDelete = new QAction(QIcon(QStringLiteral(":/images/edit_delete.png")), QString(), window);
    actionDelete->setObjectName(QStringLiteral("actionDelete"));
    actionMoveUp = command("actionMoveUp", QKeySequence::UnknownKey, "Ctrl+Shift+Up");
    actionMoveDown = command("actionMoveDown", QKeySequence::UnknownKey, "Ctrl+Shift+Down");
    actionShortcuts = command("actionShortcuts", QKeySequence::HelpContents, "F1");
    actionAbout = new QAction(window);
    actionAbout->setObjectName(QStringLiteral("actionAbout"));
    actionZhCn = make("actionZhCn", ":/images/zh_cn.png");
    actionZhHk = make("actionZhHk", ":/images/zh_hk.png");
    actionEnUs = make("actionEnUs", ":/images/en_us.png");
    languageGroup = new QActionGroup(window);
    for (QAction *language : {actionZhCn, actionZhHk, actionEnUs}) {
        language->setCheckable(true);
        languageGroup->addAction(language);
    }
    buildMenus(window);
}

void MainWindowForm::buildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    auto menu = [bar](const char *name) {
        QMenu *added = bar->addMenu(QString());
        added->setObjectName(QLatin1String(name));
        return added;
    };
    // Project files first, then what brings files in and what takes the playlist out.
    fileMenu = menu("fileMenu");
    fileMenu->addActions({actionNewProject, actionOpenProject});
    fileMenu->addSeparator();
    fileMenu->addActions({actionSaveProject, actionSaveProjectAs});
    fileMenu->addSeparator();
    fileMenu->addActions({actionOpenImage, actionImportGif, actionImportVideo, actionNewDiy});
    fileMenu->addSeparator();
    fileMenu->addAction(actionDownload);
    fileMenu->addSeparator();
    fileMenu->addAction(actionQuit);

    editMenu = menu("editMenu");
    editMenu->addAction(actionDelete);
    // The lists' own Delete actions take the key; here it is only written beside the entry.
    actionDelete->setShortcut(QKeySequence::Delete);
    actionDelete->setShortcutContext(Qt::WidgetShortcut);
    editMenu->addSeparator();
    editMenu->addActions({actionMoveUp, actionMoveDown});

    // The stick, calibration and display geometry functions live in a menu of their own.
    toolsMenu = menu("toolsMenu");
    toolsMenu->addAction(actionPreview);
    toolsMenu->addAction(actionDefault);
    toolsMenu->addAction(actionOpenCard);
    toolsMenu->addSeparator();
    toolsMenu->addAction(actionPlayShow);
    toolsMenu->addSeparator();
    toolsMenu->addAction(actionSettingColor);
    toolsMenu->addSeparator();
    toolsMenu->addAction(actionLedCount);
    toolsMenu->addAction(actionLineCount);

    languageMenu = menu("languageMenu");
    languageMenu->addActions({actionZhCn, actionZhHk, actionEnUs});

    helpMenu = menu("helpMenu");
    helpMenu->addActions({actionShortcuts, actionAbout});
}

QList<QAction *> MainWindowForm::allMenuActions() const
{
    QList<QAction *> all;
    for (const QMenu *menu : {fileMenu, editMenu, toolsMenu, languageMenu, helpMenu}) {
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                all.append(action);
        }
    }
    return all;
}

void MainWindowForm::buildToolBar(QMainWindow *window)
{
    toolBar = new QToolBar(window);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(30, 30));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setFloatable(false);
    toolBar->setMovable(false);
    window->addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addActions({actionNewDiy, actionOpenImage, actionImportVideo, actionImportGif, actionDownload});

    auto *container = new QWidget(toolBar);
    auto *column = new QVBoxLayout(container);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    btnZhCn = makeLanguageButton(container, row, "btnZhCn", ":/images/zh_cn.png");
    btnZhHk = makeLanguageButton(container, row, "btnZhHk", ":/images/zh_hk.png");
    btnEnUs = makeLanguageButton(container, row, "btnEnUs", ":/images/en_us.png");
    column->addLayout(row);
    column->addStretch(1);
    toolBar->addWidget(container);
}

void MainWindowForm::buildStatusBar(QMainWindow *window)
{
    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);
    versionLabel = makeStatusLabel(statusBar);
    lineLabel = makeStatusLabel(statusBar);
    ledLabel = makeStatusLabel(statusBar);
}

void MainWindowForm::showDisplayParameters(int lineCount, int ledCount)
{
    versionLabel->setText(tr(" Ver: %1").arg(QLatin1String(kVersion)));
    lineLabel->setText(tr(" LINE:%1").arg(lineCount));
    ledLabel->setText(tr(" LED:%1").arg(ledCount));
}

void MainWindowForm::showShowPlaying(bool playing, bool sequenceSelected)
{
    actionPlayShow->setData(playing);
    actionPlayShow->setText(playing ? tr("Stop show") : tr("Play show"));
    btnPlay->setVisible(!playing && sequenceSelected);
    btnStop->setVisible(playing);
}

void MainWindowForm::highlightRow(int kind, int row)
{
    QTableView *table = kind == 0 ? tableView : tableViewMedia;
    toolBox->setCurrentIndex(kind == 0 ? 0 : 1);
    const QModelIndex index = table->model()->index(row, 0);
    table->setCurrentIndex(index); // its row editor opens as for a click
    table->selectRow(row);
    table->scrollTo(index);
}

QWidget *MainWindowForm::buildPreviewArea(QWidget *parent)
{
    previewWidget = new ScaledPreview;
    previewWidget->setObjectName(QStringLiteral("previewWidget"));
    btnPlay = makePlayButton(nullptr, "btnPlay", ":/images/play.png");
    btnStop = makePlayButton(nullptr, "btnStop", ":/images/stop.png");
    auto *area = new PreviewArea(previewWidget, btnPlay, btnStop, parent);
    area->setObjectName(QStringLiteral("widget"));
    return area;
}

QImage MainWindowForm::blankPreview()
{
    QImage blank(RingTexture::size, RingTexture::size, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    QPainter(&blank).drawImage(0, 0, RingTexture::make());
    return blank;
}

QWidget *MainWindowForm::buildPage(QWidget *parent, const char *name, QPushButton *&edit, QPushButton *&del,
                                   QTableView *&table, const char *editName, const char *delName,
                                   const char *tableName, const char *editIcon)
{
    auto *pageWidget = new QWidget(parent);
    pageWidget->setObjectName(QLatin1String(name));
    auto *column = new QVBoxLayout(pageWidget);
    column->setContentsMargins(4, 4, 4, 4);
    auto *buttons = new QHBoxLayout;
    edit = new QPushButton(QIcon(QLatin1String(editIcon)), QString(), pageWidget);
    edit->setObjectName(QLatin1String(editName));
    del = new QPushButton(QIcon(QStringLiteral(":/images/edit_delete.png")), QString(), pageWidget);
    del->setObjectName(QLatin1String(delName));
    buttons->addWidget(edit);
    buttons->addWidget(del);
    buttons->addStretch(1);
    column->addLayout(buttons);
    table = new QTableView(pageWidget);
    table->setObjectName(QLatin1String(tableName));
    column->addWidget(table);
    return pageWidget;
}

void MainWindowForm::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(tr("Rotavue Display"));
    btnEditImage->setText(tr("编辑图片"));
    btnDelImage->setText(tr("删除图片"));
    btnEditMedia->setText(tr("编辑视频"));
    btnDelMedia->setText(tr("删除视频"));
    toolBox->setItemText(toolBox->indexOf(page), tr("图片列表"));
    toolBox->setItemText(toolBox->indexOf(page_2), tr("视频列表"));
    btnPlay->setText(QString());
    btnStop->setText(QString());
    actionOpenImage->setText(tr("action_title_open_image"));
    actionDownload->setText(tr("action_title_download"));
    actionNewDiy->setText(tr("action_title_new_diy"));
    actionImportVideo->setText(tr("action_title_import_video"));
    actionImportGif->setText(tr("action_title_import_gif"));
    actionPreview->setText(tr("action_title_preview"));
    actionDefault->setText(tr("action_title_default"));
    actionSettingColor->setText(tr("颜色调试参数"));
    actionOpenCard->setText(tr("Open card…"));
    actionPlayShow->setText(actionPlayShow->data().toBool() ? tr("Stop show") : tr("Play show"));
    toolBar->setWindowTitle(tr("action_title_menu"));
    toolsMenu->setTitle(tr("menu_title_tools"));
    actionLedCount->setText(tr("menu_title_led_count"));
    actionLineCount->setText(tr("menu_title_line_count"));
    languageMenu->setTitle(tr("menu_title_language"));
    // Each language is named in its own language, whichever is in force.
    actionZhCn->setText(tr("language_zh_cn"));
    actionZhHk->setText(tr("language_zh_hk"));
    actionEnUs->setText(tr("language_en_us"));
    fileMenu->setTitle(tr("&File"));
    actionNewProject->setText(tr("&New Project"));
    actionOpenProject->setText(tr("&Open Project..."));
    actionSaveProject->setText(tr("&Save Project"));
    actionSaveProjectAs->setText(tr("Save Project &As..."));
    actionQuit->setText(tr("&Quit"));
    editMenu->setTitle(tr("&Edit"));
    actionDelete->setText(tr("&Delete"));
    actionMoveUp->setText(tr("Move &Up"));
    actionMoveDown->setText(tr("Move Do&wn"));
    helpMenu->setTitle(tr("&Help"));
    actionShortcuts->setText(tr("&Keyboard Shortcuts"));
    actionAbout->setText(tr("&About Rotavue"));
    // The toolbar says what each button does before it is pressed.
    actionNewDiy->setToolTip(tr("Draw a new picture of your own"));
    actionOpenImage->setToolTip(tr("Add picture files to the picture list"));
    actionImportVideo->setToolTip(tr("Add a stretch of a video clip to the video list"));
    actionImportGif->setToolTip(tr("Add an animated GIF to the video list"));
    actionDownload->setToolTip(tr("Write the playlist to a USB stick as one card file"));
}
