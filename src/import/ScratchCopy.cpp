#include "import/ScratchCopy.h"

#include "app/WorkDirectory.h"
#include "import/ImportLog.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>

namespace {
std::atomic<int> g_nextCopy{1};
}

QString ScratchCopy::pictureName(int n, const QString &source)
{
    return QStringLiteral("image_") + QString::number(n) + QLatin1Char('.') + QFileInfo(source).completeSuffix();
}

QString ScratchCopy::copyPicture(const QString &source)
{
    WorkDirectory::ensureTempDir();
    const QString copy = WorkDirectory::tempDir() + pictureName(g_nextCopy.fetch_add(1), source);
    QFile::remove(copy);
    if (QFile::copy(source, copy))
        return copy;
    // Keep pointing at the original rather than at a copy that does not exist.
    qCDebug(lcImport) << "#MainWindow# copy to temp failed:" << source;
    return source;
}
