#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

// Answers the modal windows that a test's action opens, in order: each step
// waits for the next modal window of its kind, then acts on it (a modal box
// blocks the test otherwise).
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    // Returns false when the modal window is not the kind the step waits for.
    using Step = std::function<bool(QWidget *modal)>;

    ModalAnswerer();

    // File dialogs remember folders in the user's settings: a test calls this
    // before its first dialog, so that they go to a folder of its own.
    static void keepSettingsIn(const QString &folder);

    void then(Step step);
    // A message box: its text is kept in texts(), then the button is clicked.
    void thenAnswer(QMessageBox::StandardButton button);
    void thenCancelFileDialog();
    void thenChooseFile(const QString &path);

    bool done() const { return steps.isEmpty(); }
    int answered() const { return handled; }
    QStringList texts() const { return boxTexts; }
    QStringList titles() const { return boxTitles; }

private:
    void poll();

    QTimer timer;
    QList<Step> steps;
    QPointer<QWidget> last; // answered already, maybe still closing
    int handled = 0;
    QStringList boxTexts;
    QStringList boxTitles;
};
