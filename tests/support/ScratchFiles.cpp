#include "ScratchFiles.h"

#include "app/WorkDirectory.h"

#include <QFile>
#include <QString>

bool hasScratchFiles(int id)
{
    const QString temp = WorkDirectory::tempDir();
    for (const QString &pattern : {QStringLiteral("%1.buf"), QStringLiteral("%1_1.png"), QStringLiteral("%1_2.png")}) {
        if (QFile::exists(temp + pattern.arg(id)))
            return true;
    }
    return false;
}
