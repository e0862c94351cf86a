// The table of contents of a card file, as read back from a stick.
#include "card/CardTableOfContents.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const CardTableOfContents::Contents contents = CardTableOfContents::read(bytes);
    // What a table can hold, whatever the bytes: a reader that says more is wrong.
    if (contents.entries.size() > CardTableOfContents::maxEntries || contents.blocks < 0 || contents.blocks > 0xFFFF)
        std::abort();
    if (!contents.problem.isEmpty() && (!contents.entries.isEmpty() || contents.blocks != 0))
        std::abort();
    for (const CardTableOfContents::Entry &entry : contents.entries) {
        if (entry.firstBlock < 0 || entry.firstBlock > 0xFFFF || entry.lastBlock < 0 || entry.lastBlock > 0xFFFF
            || entry.time < 0 || entry.time > 255 || entry.repeat < 0 || entry.repeat > 255)
            std::abort();
    }
    return 0;
}
