#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal dialogs that open while it lives, one step per dialog, in
// the order they appear. A dialog beyond the script is rejected and counted.
class ModalScript : public QObject
{
public:
    using Step = std::function<void(QWidget *modal)>;

    explicit ModalScript(QList<Step> steps);

    // Class names of every modal dialog seen, in order.
    QStringList seen() const { return classes; }
    bool finished() const { return steps.isEmpty(); }

    // Common steps.
    static Step accept();
    static Step reject();
    // Sets the text of the dialog's line edit named "lineEdit", then accepts.
    static Step enter(const QString &text);
    // Remembers a message box's texts in *texts (text, then informative text), then presses button.
    static Step answerBox(int button, QStringList *texts = nullptr);

private:
    void poll();

    QList<Step> steps;
    QStringList classes;
    QPointer<QWidget> last;
    QTimer timer;
};
