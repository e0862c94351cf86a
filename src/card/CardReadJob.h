#pragma once

#include "card/CardBlockLayout.h"
#include "card/CardRecords.h"

#include <QString>

#include <atomic>
#include <memory>

class HandlerMessage;
class Message;
class QThread;

// One read of a card back into the playlist: the request (which file, in
// which format, for which display) and, once run, its records or the reason
// there are none. The request message owns it; the handler passes it on to
// its reply, and the window then owns it.
class CardReadJob
{
public:
    enum Kind {
        PreviewFromUsb, // legacy "Z1.bin" from a stick
        RestoreFactory, // legacy "default.bin", the factory content
        OpenCard,       // a card as download writes it
    };

    // UI thread. The records will live on home (null: the calling thread).
    CardReadJob(Kind kind, const QString &path, const CardBlockLayout &layout, QThread *home = nullptr);

    // Looper thread. Reads the file while stickReadOk is set.
    void run();
    // Looper thread, for the handler of a read request: takes the job out of
    // msg (which stays the looper's), runs it and returns the reply of the
    // same code, owning the job, for the handler to post to the window (a
    // request without a job gets a reply without one; other codes, null).
    static Message *answer(HandlerMessage &handler, Message *msg);
    // The job a read request or its reply carries, now the caller's; null for
    // other codes or a message without one.
    static std::unique_ptr<CardReadJob> takeFrom(Message *msg);

    // Any thread. Whether reading is still wanted: set when the read starts,
    // cleared when its busy dialog returns. The window keeps its own handle.
    std::shared_ptr<std::atomic<bool>> stickReadOk() const { return wanted; }
    bool stillWanted() const { return wanted->load(); }

    Kind kind() const { return readKind; }
    QString path() const { return filePath; }
    CardBlockLayout layout() const { return blockLayout; }
    // After run(): why nothing was read, naming the file; empty when records
    // came or when reading was stopped.
    QString problem() const { return reason; }
    // After run(): usbImageList and usbMediaList, owned until taken.
    CardRecords &records() { return read; }

private:
    Kind readKind;
    QString filePath;
    CardBlockLayout blockLayout;
    std::shared_ptr<std::atomic<bool>> wanted = std::make_shared<std::atomic<bool>>(true);
    QString reason;
    CardRecords read;
};
