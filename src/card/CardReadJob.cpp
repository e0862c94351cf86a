#include "card/CardReadJob.h"

#include "card/CardReader.h"
#include "card/LegacyCardReader.h"

CardReadJob::CardReadJob(Kind kind, const QString &path, const CardBlockLayout &layout, QThread *home)
    : readKind(kind), filePath(path), blockLayout(layout), read(home)
{
}

void CardReadJob::run()
{
    if (readKind == OpenCard) {
        CardReader reader(*wanted);
        reason = reader.read(filePath, blockLayout, read);
        return;
    }
    LegacyCardReader reader(*wanted);
    reason = reader.read(filePath, blockLayout.ledCount, blockLayout.lineCount, read);
}
