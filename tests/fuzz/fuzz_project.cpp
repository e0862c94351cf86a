// A project file ("NAME.rotavue") as a user may pick it: any bytes, read
// first for its header and then whole, as the window opens it. The bytes go
// through a file on disk: SQLite resolves links, so a memory file's
// /proc/self/fd name would not open.
#include "app/WorkDirectory.h"
#include "project/ProjectReader.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString inputPath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QTemporaryDir scratch;
    WorkDirectory::initPrivate(scratch.path());
    if (!scratch.isValid())
        std::abort();
    inputPath = scratch.filePath(QStringLiteral("input.rotavue"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(inputPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    const ProjectReader::Header header = ProjectReader::inspect(inputPath);
    if (header.ok != header.message.isEmpty())
        std::abort(); // a refusal always says why, and only a refusal does
    if (!header.ok)
        return 0;
    const ProjectReader::Result result = ProjectReader().read(inputPath);
    if (result.ok != bool(result.content) || result.ok == !result.message.isEmpty())
        std::abort();
    return 0;
}
