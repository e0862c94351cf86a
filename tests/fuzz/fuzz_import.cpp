// A picture or GIF file handed to the import: the picture reader (refusing
// and keeping damaged data), the GIF check, and every frame of the GIF cut
// the way the GIF import cuts it. The bytes go through a real regular file
// (a memory file), as the readers only open regular files.
#include "import/GifFrameCutter.h"
#include "import/GifFrameSource.h"
#include "import/PictureLoader.h"

#include "MemoryFile.h"

#include <QGuiApplication>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>

namespace {

MemoryFile *input = nullptr;

void readAsPicture()
{
    for (PictureLoader::Damaged policy : {PictureLoader::Damaged::Refuse, PictureLoader::Damaged::Keep}) {
        const PictureLoader loader(input->path(), policy);
        if (loader.isLoaded() == !loader.reason().isEmpty())
            std::abort(); // either a picture or a reason, never both or neither
        if (loader.isDamaged() && policy == PictureLoader::Damaged::Refuse)
            std::abort();
        if (loader.isLoaded())
            static_cast<void>(loader.preview());
    }
}

void readAsGif()
{
    ImageIntegrity::Finding damage;
    if (!GifFrameSource::checkFile(input->path(), &damage).isEmpty())
        return;
    GifFrameSource source(input->path());
    if (source.currentImage().isNull())
        return;
    const GifFrameCutter cutter = GifFrameCutter::forUntouchedDialog(source.currentImage().size());
    // Bounded like the import's own loop: a file that claims no count still ends.
    for (int guard = 0; guard < 64; ++guard) {
        static_cast<void>(cutter.cut(source.currentImage()));
        if (source.isLastFrame() || !source.jumpToNextFrame())
            break;
    }
    if (damage.damaged && source.currentFrameNumber() >= damage.wholeFrames)
        std::abort(); // a frame past the whole ones was given
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // The decoders' warnings would cost more time than the decoding.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Inputs are small; pictures that claim to be huge are refused, as in the program.
    QImageReader::setAllocationLimit(64);
    static MemoryFile file;
    input = &file;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    input->put(data, size);
    readAsPicture();
    readAsGif();
    return 0;
}
