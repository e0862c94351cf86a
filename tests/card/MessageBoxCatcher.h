#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Closes the next message box that appears while it runs, remembering its
// title and text: modal boxes block the test otherwise.
class MessageBoxCatcher : public QObject
{
    Q_OBJECT
public:
    MessageBoxCatcher();

    bool caught() const { return seen; }
    QString title() const { return boxTitle; }
    QString text() const { return boxText; }

private:
    void poll();

    QTimer timer;
    bool seen = false;
    QString boxTitle;
    QString boxText;
};
