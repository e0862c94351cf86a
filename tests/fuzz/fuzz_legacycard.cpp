// A legacy card file ("Z1.bin" on a stick, the factory "default.bin") read
// into pictures and sequences, for a small display so that every block is a
// few bytes. The bytes go through a real regular file (a memory file).
#include "app/WorkDirectory.h"
#include "card/CardRecords.h"
#include "card/LegacyCardReader.h"
#include "display/ImageObject.h"

#include "MemoryFile.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

MemoryFile *input = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QTemporaryDir scratch;
    WorkDirectory::initPrivate(scratch.path());
    static MemoryFile file;
    input = &file;
    if (!scratch.isValid())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    input->put(data, size);
    const std::atomic<bool> keepReading{true};
    LegacyCardReader reader(keepReading);
    CardRecords records;
    const QString problem = reader.read(input->path(), 2, 3, records);
    const QList<ImageObject *> pictures = records.takePictures();
    const bool gavePictures = !pictures.isEmpty();
    qDeleteAll(pictures);
    if (!problem.isEmpty() && gavePictures)
        std::abort(); // a reason and records at once
    return 0;
}
