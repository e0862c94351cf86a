#pragma once

class QHBoxLayout;
class QLabel;
class QMainWindow;
class QPushButton;
class QStatusBar;
class QTableView;
class QToolBox;
class QWidget;

// The main window's widgets, built in code with the object names that the
// rest of the program and the tests look them up by.
class MainWindowForm
{
public:
    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);

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
    QWidget *buildPreviewArea(QWidget *parent);
    QWidget *buildPage(QWidget *parent, const char *name, QPushButton *&edit, QPushButton *&del,
                       QTableView *&table, const char *editName, const char *delName, const char *tableName,
                       const char *editIcon);
};
