#include "import/LoadImagesDialog.h"
#include "import/ProgressCount.h"

#include "import/DialogButtonBar.h"
#include "import/LoadImagesHandler.h"
#include "import/LoadObjectItem.h"
#include "import/PictureSink.h"
#include "messaging/HandlerThread.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "import/ImportLog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

LoadImagesDialog::LoadImagesDialog(const QStringList &files, PictureSink *sink, QWidget *parent)
    : QDialog(parent), sink(sink), handler(new LoadImagesHandler(HandlerThread::instance(), files)),
      tipLabel(new QLabel(tr("loadimg_loading_tip"), this)),
      pathLabel(new QLabel(tr("loadimg_loading_showpath"), this)), previewLabel(new QLabel(this)),
      loadOverButton(nullptr)
{
    // By signature, not by a slot object: when a report is dropped, the worker
    // would free a slot object whose reference count ThreadSanitizer cannot see.
    connect(handler, SIGNAL(handlerMessageReady(Message*)), this, SLOT(handlerMessage(Message*)),
            Qt::BlockingQueuedConnection);
    buildLayout();
    setWindowTitle(tr("loadimg_window_title"));
    loadOverButton->setEnabled(files.isEmpty()); // nothing to wait for: the user can always finish
    handler->start();
}

LoadImagesDialog::~LoadImagesDialog()
{
    qCDebug(lcImport, "~LoadImagesDialog()");
    handler->release(this); // no waiting: the worker deletes it if it is still inside
    handler = nullptr;
}

void LoadImagesDialog::buildLayout()
{
    auto *buttonBar = new DialogButtonBar(this);
    QDialogButtonBox *buttons = buttonBar->buttonBox();
    loadOverButton = buttons->addButton(tr("action_btn_load_over"), QDialogButtonBox::YesRole);
    buttons->addButton(tr("action_btn_cancel"), QDialogButtonBox::NoRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadImagesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LoadImagesDialog::reject);

    tipLabel->setObjectName(QStringLiteral("tipLabel"));
    tipLabel->setMinimumHeight(25);
    pathLabel->setObjectName(QStringLiteral("pathLabel"));
    pathLabel->setMinimumHeight(25);
    previewLabel->setObjectName(QStringLiteral("previewLabel"));
    previewLabel->setFixedSize(300, 300);

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->addWidget(tipLabel);
    mainLayout->addWidget(pathLabel);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addWidget(previewLabel);
    mainLayout->addLayout(row);
    progress = new ProgressCount(this);
    mainLayout->addWidget(progress);
    mainLayout->addWidget(buttonBar);
}

bool LoadImagesDialog::event(QEvent *e)
{
    // Any event may be a report's call about to read the worker's stack. Not
    // picked out by type: the event itself came from the worker, and reading
    // it here would be the same unseen hand-over again.
    if (handler)
        handler->acquireReport();
    return QDialog::event(e);
}

void LoadImagesDialog::reject()
{
    // A picture already on its way is dropped by the worker, not handed over.
    handler->stop();
    QDialog::reject();
}

void LoadImagesDialog::handlerMessage(Message *msg)
{
    std::unique_lock<std::mutex> report = handler->lockReport();
    if (msg->target != handler || !handler->isRunning())
        return; // cancelled: the worker deletes what the message still holds
    switch (msg->what) {
    case WhatCode::ImageLoaded:
        if (const LoadObjectItem *item = msg->payload<WhatCode::ImageLoaded>())
            showProgress(*item, item->preview());
        break;
    case WhatCode::ImageConverted:
        if (const LoadObjectItem *item = msg->payload<WhatCode::ImageConverted>())
            qCDebug(lcImport) << "msg what = " << msg->what << ", targetImg = "
                              << (item->targetImg().isNull() ? "true" : "false");
        break;
    case WhatCode::ImageReady:
        qCDebug(lcImport) << "msg what = " << msg->what;
        if (const LoadObjectItem *item = msg->payload<WhatCode::ImageReady>())
            handOver(msg, *item);
        break;
    default:
        break;
    }
}

void LoadImagesDialog::showProgress(const LoadObjectItem &item, const QImage &preview)
{
    previewLabel->setPixmap(QPixmap::fromImage(preview));
    tipLabel->setText(tr("loadimg_loading_tip").arg(item.index()).arg(item.count()));
    pathLabel->setText(tr("loadimg_loading_showpath").arg(item.path()));
    progress->setCount(item.index(), item.count());
}

// Runs while the worker waits, so the sink is called with the report still
// locked; the worker only looks at the message again after this returns.
void LoadImagesDialog::handOver(Message *msg, const LoadObjectItem &item)
{
    if (!item.skipReason().isEmpty()) {
        showProgress(item, QImage());
        skipped.append(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(item.path()), item.skipReason()));
    } else if (sink) {
        if (ImageObject *picture = msg->image) {
            msg->image = nullptr; // taken: the worker must not delete it
            sink->addPicture(picture);
        } else {
            sink->addPictureFile(item.path());
        }
    }
    if (item.isLast())
        finishImport();
}

void LoadImagesDialog::finishImport()
{
    loadOverButton->setEnabled(true);
    // Enter ends the import; the keyboard is not left on Cancel.
    loadOverButton->setDefault(true);
    loadOverButton->setFocus();
    // After the slot has returned: a message box here would hold the looper.
    if (!skipped.isEmpty())
        QTimer::singleShot(0, this, &LoadImagesDialog::showSkipped);
}

void LoadImagesDialog::showSkipped()
{
    const QString text = tr("These files could not be imported and were skipped:") + QLatin1String("\n\n")
                         + skipped.join(QLatin1Char('\n'));
    QMessageBox::information(this, tr("dialog_title_tip"), text);
}
