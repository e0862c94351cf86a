#include "ui/MainWindowForm.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBox>
#include <QVBoxLayout>

namespace {
constexpr int previewSide = 450;
constexpr int playButtonSide = 65;

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
    layout->addWidget(widget, 1);

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
    layout->addWidget(toolBox, 0);

    window->setCentralWidget(centralWidget);
    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);
    retranslateUi(window);
}

QWidget *MainWindowForm::buildPreviewArea(QWidget *parent)
{
    auto *area = new QWidget(parent);
    area->setObjectName(QStringLiteral("widget"));
    auto *row = new QHBoxLayout(area);
    row->addStretch(1);

    previewWidget = new QWidget(area);
    previewWidget->setObjectName(QStringLiteral("previewWidget"));
    previewWidget->setMinimumSize(previewSide, previewSide);
    previewWidget->setMaximumSize(previewSide, previewSide);
    row->addWidget(previewWidget, 0, Qt::AlignVCenter);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch(1);
    btnPlay = makePlayButton(area, "btnPlay", ":/images/play.png");
    btnStop = makePlayButton(area, "btnStop", ":/images/stop.png");
    buttons->addWidget(btnPlay);
    buttons->addWidget(btnStop);
    buttons->addStretch(1);
    row->addLayout(buttons);
    row->addStretch(1);
    return area;
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
    auto tr = [](const char *text) { return QCoreApplication::translate("MainWindow", text); };
    window->setWindowTitle(tr("Rotavue Display"));
    btnEditImage->setText(tr("编辑图片"));
    btnDelImage->setText(tr("删除图片"));
    btnEditMedia->setText(tr("编辑视频"));
    btnDelMedia->setText(tr("删除视频"));
    toolBox->setItemText(toolBox->indexOf(page), tr("图片列表"));
    toolBox->setItemText(toolBox->indexOf(page_2), tr("视频列表"));
    btnPlay->setText(QString());
    btnStop->setText(QString());
}
