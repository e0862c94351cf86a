#include "QuietDebug.h"

#include <QString>

#include <cstdio>

void quietDebug(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(text));
}
