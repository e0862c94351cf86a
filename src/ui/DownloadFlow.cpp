#include "ui/DownloadFlow.h"

#include "card/DownloadChecks.h"
#include "card/DownloadJob.h"
#include "card/GetSaveFileDialog.h"
#include "card/SelectUsbPathDialog.h"
#include "card/StickList.h"
#include "card/VolumeSource.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "display/PlayMediaHandler.h"
#include "import/ProgressDialog.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"
#include "ui/CustomTableModel.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QObject>

#include <memory>

DownloadFlow::DownloadFlow(QWidget *window, StickList &sticks, VolumeSource &volumes, PlayMediaHandler *handler,
                           CustomTableModel *pictures, CustomTableModel *sequences)
    : window(window), sticks(sticks), volumes(volumes), handler(handler), pictureModel(pictures),
      sequenceModel(sequences)
{
}

DownloadFlow::~DownloadFlow() = default;

bool DownloadFlow::confirm(const QString &text)
{
    return QMessageBox::question(window, tr("dialog_title_tip"), text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel)
           == QMessageBox::Ok;
}

// Asked before anything is chosen: an empty card, more than the display plays, and times the card cannot hold.
bool DownloadFlow::confirmPlaylist()
{
    const QList<ImageObject *> pictures = pictureModel->objectsOf<ImageObject>();
    if (DownloadChecks::isEmpty(pictures, sequenceModel->objectsOf<MediaObject>())
        && !confirm(tr("The playlist is empty: the card file will hold nothing to show. "
                       "Download an empty card anyway?")))
        return false;
    // Written as the format says all the same; the user decides.
    for (const QString &limit : DownloadChecks::cardLimits(pictures, sequenceModel->objectsOf<MediaObject>())) {
        if (!confirm(limit + QLatin1Char(' ') + tr("Download anyway?")))
            return false;
    }
    const QList<int> rows = DownloadChecks::rowsBeyondLongestTime(pictures);
    if (rows.isEmpty())
        return true;
    QStringList numbers;
    for (int row : rows)
        numbers << QString::number(row);
    return confirm(tr("A card shows a picture for at most 25.5 s. These pictures are set to show longer "
                      "and will show 25.5 s: %1. Download anyway?")
                       .arg(numbers.join(QLatin1String(", "))));
}

bool DownloadFlow::chooseStick(QString &folder)
{
    folder = SelectUsbPathDialog::choose(sticks, window);
    return !folder.isEmpty();
}

bool DownloadFlow::chooseName(const QString &folder, QString &path, CardWriter::Replace &replace)
{
    GetSaveFileDialog dialog(window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    path = folder + QLatin1Char('/') + dialog.fileName() + QStringLiteral(".bin");
    replace = CardWriter::Replace::Beside;
    if (!QFileInfo::exists(path))
        return true;
    if (!confirm(tr("The stick already holds a card file %1. Replace it?").arg(QDir::toNativeSeparators(path))))
        return false;
    replace = CardWriter::Replace::MakeRoomIfNeeded;
    return true;
}

void DownloadFlow::run()
{
    if (running || !confirmPlaylist())
        return;
    QString folder;
    if (!chooseStick(folder))
        return;
    // The volume there now: a stick pulled during the name prompt must not
    // turn the bare mount folder into the target.
    const ChosenStick stick = volumes.identify(folder);
    QString path;
    CardWriter::Replace replace;
    if (!chooseName(folder, path, replace))
        return;
    start(path, stick, replace);
}

void DownloadFlow::start(const QString &path, const ChosenStick &stick, CardWriter::Replace replace)
{
    auto job = std::make_unique<DownloadJob>();
    job->pictures = pictureModel->objectsOf<ImageObject>();
    job->sequences = sequenceModel->objectsOf<MediaObject>();
    job->stick = stick;
    job->replace = replace;
    // Block n of m, shown once the looper has written it; dropped with the window.
    job->progress = [this, context = window](int written, int total) {
        QMetaObject::invokeMethod(
            context,
            [this, written, total] {
                if (progressDialog)
                    progressDialog->setProgress(written, total);
            },
            Qt::QueuedConnection);
    };
    handler->setDownloadCancelled(false);
    running = true;
    handler->sendHandlerMessage(handler->obtainMessage(WhatCode::Download, std::move(job), path));
    // The playlist must not change under the writer: a cancel stops it at the
    // next block, and the window stays busy until its reply has arrived.
    while (running) {
        ProgressDialog dialog(tr("dialog_title_downloading"), window);
        progressDialog = &dialog;
        dialog.exec();
        if (running)
            handler->setDownloadCancelled(true);
    }
}

void DownloadFlow::finished(Message *msg)
{
    const std::unique_ptr<Message> reply(msg);
    const std::unique_ptr<DownloadJob> job = msg->takePayload<WhatCode::Download>();
    running = false;
    if (progressDialog)
        progressDialog->accept();
    const CardWriteResult *result = job ? &job->result : nullptr;
    const QString text = result && result->complete() ? tr("dialog_title_download_suc").arg(msg->text)
                         : result && !result->message.isEmpty() ? result->message
                                                                : tr("The card file %1 was not written.").arg(msg->text);
    QMessageBox::information(window, tr("dialog_title_tip"), text, QMessageBox::Ok);
}
