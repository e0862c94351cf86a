#pragma once

#include <QDialog>
#include <QString>

class ProgressCount;
class QLabel;

// The modal busy window shown while a job runs on another thread: a running
// animation beside a one-line message, and Cancel. It stops nothing itself.
//
//     progressDialog = new ProgressDialog(text, this);
//     progressDialog->exec();  // the completion slot: accept(), delete, pointer = nullptr
//     if (jobStillRunning) ...  // cancelled: stop the job
//     delete progressDialog;   // if still set
//     progressDialog = nullptr;
class ProgressDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int indicatorSide = 72;

    explicit ProgressDialog(const QString &text, QWidget *parent = nullptr);

    // The message; owners may change it while the job runs.
    QLabel *textLabel() const { return messageLabel; }
    // "n of m" under the message, once the job says how far it is.
    void setProgress(int done, int total);
    const ProgressCount *progress() const { return count; }

private:
    QLabel *messageLabel;
    ProgressCount *count;
};
