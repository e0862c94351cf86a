#pragma once

#include "card/CardWriter.h"
#include "card/ChosenStick.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>

class CustomTableModel;
class Message;
class PlayMediaHandler;
class ProgressDialog;
class QWidget;
class StickList;
class VolumeSource;

// The download to a stick, from the questions to the reply: the stick
// chooser, the file name, what to ask before writing, the busy dialog while
// the looper writes, and the message that ends it. UI thread only.
class DownloadFlow
{
    // Its texts are the main window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
public:
    DownloadFlow(QWidget *window, StickList &sticks, VolumeSource &volumes, PlayMediaHandler *handler,
                 CustomTableModel *pictures, CustomTableModel *sequences);
    ~DownloadFlow();

    // The whole download as the user asked for it.
    void run();
    // Writes the playlist to the card file at path; returns once the reply arrived.
    void start(const QString &path, const ChosenStick &stick = ChosenStick(),
               CardWriter::Replace replace = CardWriter::Replace::Beside);
    // The reply (what 8); takes msg.
    void finished(Message *msg);
    bool isRunning() const { return running; }

private:
    bool confirmPlaylist();
    bool chooseStick(QString &folder);
    bool chooseName(const QString &folder, QString &path, CardWriter::Replace &replace);
    bool confirm(const QString &text);

    QWidget *window;
    StickList &sticks;
    VolumeSource &volumes;
    PlayMediaHandler *handler;
    CustomTableModel *pictureModel;
    CustomTableModel *sequenceModel;
    QPointer<ProgressDialog> progressDialog;
    bool running = false;
};
