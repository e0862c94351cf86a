#include "import/LoadImagesHandler.h"

#include "display/ImageObject.h"
#include "import/LoadObjectItem.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "import/ImportLog.h"

#include <QCoreApplication>

LoadImagesHandler::LoadImagesHandler(HandlerThread *loop, const QStringList &files, int threads)
    : HandlerMessage(loop), files(files), threadCount(qMax(0, threads))
{
    qRegisterMetaType<Message *>("Message*");
    connect(this, &LoadImagesHandler::handlerMessageReady, this, &LoadImagesHandler::publishReport,
            Qt::DirectConnection);
}

LoadImagesHandler::~LoadImagesHandler() = default;

void LoadImagesHandler::start()
{
    if (looper()) {
        std::lock_guard<std::mutex> lock(stateLock);
        busy = true;
    }
    sendHandlerMessage(obtainMessage(WhatCode::LoadImages, const_cast<QStringList *>(&files)));
}

void LoadImagesHandler::stop()
{
    running.store(false);
}

void LoadImagesHandler::release(QObject *receiver)
{
    stop(); // before the worker is let go below, so it stops at its next check
    if (receiver) {
        disconnect(this, nullptr, receiver, nullptr); // nothing new can be posted
        QCoreApplication::removePostedEvents(receiver, QEvent::MetaCall); // ends a pending wait
    }
    bool idle = false;
    {
        std::lock_guard<std::mutex> lock(stateLock);
        released = true;
        idle = !busy;
    }
    if (idle)
        delete this;
}

std::unique_lock<std::mutex> LoadImagesHandler::lockReport()
{
    return std::unique_lock<std::mutex>(reportLock);
}

void LoadImagesHandler::acquireReport() const
{
    publishedReports.load(std::memory_order_acquire);
}

void LoadImagesHandler::publishReport()
{
    publishedReports.fetch_add(1, std::memory_order_release);
}

void LoadImagesHandler::handlerMessage(Message *msg)
{
    const QStringList *paths = msg->payload<WhatCode::LoadImages>();
    if (!paths)
        return;
    qCDebug(lcImport) << "msg what = " << msg->what;
    importAll(*paths);
    leave(); // may delete this: nothing may follow
}

// Ends the handling of message 1; deletes the handler when it was given up.
void LoadImagesHandler::leave()
{
    bool orphaned = false;
    {
        std::lock_guard<std::mutex> lock(stateLock);
        busy = false;
        orphaned = released;
    }
    if (orphaned)
        delete this;
}

void LoadImagesHandler::importAll(const QStringList &paths)
{
    // Before the baton: the threads never take it. Gone before leave(), so
    // no thread outlives the handler's flag.
    PictureWorkers workers(paths, threadCount, running, thread());
    std::unique_lock<std::mutex> baton(reportLock);
    const int count = int(paths.size());
    for (int i = 0; i < count; ++i) {
        if (!importFile(workers, i + 1, count, baton))
            return;
        qCDebug(lcImport) << "process image " << i + 1;
    }
}

// The worker's check between steps; says where an import was stopped.
bool LoadImagesHandler::proceed(const LoadObjectItem &item, int lastReport) const
{
    if (isRunning())
        return true;
    qCDebug(lcImport).nospace() << "#LoadImagesHandler# stopped at file " << item.index() << " of " << item.count()
                       << " after report " << lastReport;
    return false;
}

// False when the import was stopped on the way; the item, the report and a
// picture nobody took go with the return.
bool LoadImagesHandler::importFile(PictureWorkers &workers, int index, int count,
                                   std::unique_lock<std::mutex> &baton)
{
    LoadObjectItem item(index, count, workers.path(index - 1));
    if (!proceed(item, 0))
        return false;
    const std::unique_ptr<Message> owned(obtainMessage(WhatCode::ImageLoaded, &item));
    Message &report = *owned;

    PictureWorkers::Result done = workers.take(index - 1);
    if (!done.skipReason.isEmpty())
        return reportSkipped(report, item, done.skipReason, baton);
    item.setPreview(done.preview);
    if (!proceed(item, 0))
        return false;
    emitReport(report, baton);

    if (!proceed(item, WhatCode::ImageLoaded))
        return false;
    item.setTargetImg(done.targetImg);
    report.what = WhatCode::ImageConverted;
    emitReport(report, baton);

    if (!proceed(item, WhatCode::ImageConverted) || !done.picture)
        return false;
    report.image = done.picture.get();
    report.what = WhatCode::ImageReady;
    emitReport(report, baton);
    if (report.image)
        return proceed(item, WhatCode::ImageReady); // not taken: deleted on return
    static_cast<void>(done.picture.release()); // the dialog took it
    return true;
}

bool LoadImagesHandler::reportSkipped(Message &report, LoadObjectItem &item, const QString &reason,
                                      std::unique_lock<std::mutex> &baton)
{
    qCDebug(lcImport) << "#LoadImagesHandler# skipped" << item.path() << reason;
    if (!proceed(item, 0))
        return false;
    item.setSkipReason(reason);
    report.what = WhatCode::ImageReady;
    emitReport(report, baton);
    return true;
}

// Waits for the dialog's slot, or returns at once when the dialog is gone.
void LoadImagesHandler::emitReport(Message &report, std::unique_lock<std::mutex> &baton)
{
    baton.unlock();
    emit handlerMessageReady(&report);
    baton.lock();
}
