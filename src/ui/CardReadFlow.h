#pragma once

#include "card/CardBlockLayout.h"
#include "card/CardReadJob.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class CustomTableModel;
class HandlerMessage;
class ProgressDialog;
class QWidget;

// Reading cards back into the playlist: preview from a stick ("Z1.bin"),
// restore the factory content ("default.bin") and open a card as download
// writes it. The read runs on the looper while the busy dialog is shown; its
// records replace both lists only when it yielded something and is still
// wanted. Nothing changes otherwise: not the playlist, not the display
// parameters, which switch only with content read for other ones.
class CardReadFlow : public QObject
{
    Q_OBJECT
public:
    // What the flow asks of the window.
    struct Window {
        std::function<QString()> chooseStick;    // the chosen stick's folder; empty when cancelled
        std::function<QString()> chooseCardFile; // a card file to open; empty when cancelled
        std::function<void()> stopPlayback;      // the sequence and the show
        std::function<void(int page)> showPage;  // the tool box: 0 pictures, 1 videos
        std::function<void()> readEnded;         // pressImageWidget() with an invalid index
        std::function<void()> listsReplaced;     // the delete buttons disabled
    };

    // The models own the playlist; the handler runs the reads (codes 14, 15
    // and 20) and hands their replies to readOver(). Nothing is owned.
    CardReadFlow(CustomTableModel *pictures, CustomTableModel *sequences, HandlerMessage *handler, QWidget *parent,
                 Window window);
    ~CardReadFlow() override;

    // The bodies of onActionPreviewFromUsb(), onActionRestoreFactory() and
    // onActionOpenCard(); each returns when its busy dialog has closed.
    void previewFromUsb();
    void restoreFactory();
    void openCard();

    // UI thread: the end of a read (previewUsbOver(), restoreFactoryOver(),
    // openCardOver()); takes the job with its records (null: none came).
    void readOver(std::unique_ptr<CardReadJob> job);

    bool stickReadOk() const { return wanted && wanted->load(); }
    ProgressDialog *progressDialog() const;

    // The file chooser of "Open card…", starting in folder.
    static QString askForCardFile(QWidget *parent, const QString &folder);

private:
    // Asks before a non-empty playlist is replaced by what is read, and
    // before the display switches (switching: that question, or empty).
    bool mayRead(const QString &what, const QString &switching);
    bool ask(const QString &question); // OK/Cancel
    void read(CardReadJob::Kind kind, const QString &path, const CardBlockLayout &layout, const QString &busyText);
    void takeOver(CardReadJob &job);
    void tell(const QString &text);

    CustomTableModel *pictures;
    CustomTableModel *sequences;
    HandlerMessage *handler;
    QPointer<QWidget> parentWidget;
    Window window;
    std::shared_ptr<std::atomic<bool>> wanted; // the running read's stickReadOk
    QPointer<ProgressDialog> progress;
    QString outcome; // what to tell once the busy dialog has closed
};
