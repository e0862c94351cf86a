#pragma once

#include <QMutex>
#include <QStringList>
#include <QtMessageHandler>

// Collects the debug output written while it lives (from any thread).
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QStringList lines() const;
    int count(const QString &line) const;
    bool contains(const QString &fragment) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);

    mutable QMutex lock;
    QStringList captured;
    QtMessageHandler previous;
};
