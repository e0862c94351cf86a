#include "LogCapture.h"

#include <QMutexLocker>

namespace {
LogCapture *g_active = nullptr;
}

LogCapture::LogCapture()
{
    g_active = this;
    previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous);
    g_active = nullptr;
}

void LogCapture::handler(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (!g_active)
        return;
    QMutexLocker locker(&g_active->lock);
    g_active->captured.append(text);
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&lock);
    QStringList copy = captured;
    copy.detach(); // other threads keep appending to ours
    return copy;
}

int LogCapture::count(const QString &line) const
{
    QMutexLocker locker(&lock);
    return int(captured.count(line));
}

bool LogCapture::contains(const QString &fragment) const
{
    QMutexLocker locker(&lock);
    for (const QString &l : captured) {
        if (l.contains(fragment))
            return true;
    }
    return false;
}

void LogCapture::clear()
{
    QMutexLocker locker(&lock);
    captured.clear();
}
