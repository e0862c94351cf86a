#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of the installed rotavue-card.
struct ToolRun {
    int exitCode = -1; // -1: it crashed or did not end in time
    QString out;
    QString err;
};

ToolRun runTool(const QStringList &arguments);

// The installed binary, and the environment runTool() starts it with.
QString toolBinary();
QProcessEnvironment toolEnvironment();
// The tool keeps its scratch runs under this folder (its cache home) instead
// of the real cache; the caller's own when never set.
void setToolCacheHome(const QString &folder);
