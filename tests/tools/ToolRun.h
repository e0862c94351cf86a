#pragma once

#include <QString>
#include <QStringList>

// One run of the installed rotavue-card.
struct ToolRun {
    int exitCode = -1; // -1: it crashed or did not end in time
    QString out;
    QString err;
};

ToolRun runTool(const QStringList &arguments);
