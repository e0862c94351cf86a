#include "CardInfo.h"

#include "app/RegularFile.h"
#include "card/CardTableOfContents.h"
#include "display/PolarSampling.h"

#include <QFile>
#include <QJsonArray>

QString CardInfo::read(const QString &path, int ledCount, int lineCount)
{
    QFile file(path);
    const QString unopened = RegularFile::openForReading(file);
    if (!unopened.isEmpty())
        return tr("%1: %2").arg(path, unopened);
    const CardTableOfContents::Contents table = CardTableOfContents::read(file.read(CardTableOfContents::size));
    if (!table.problem.isEmpty())
        return tr("%1: %2").arg(path, table.problem);

    const int blocks = table.blocks;
    QJsonArray entries;
    for (const CardTableOfContents::Entry &entry : table.entries) {
        entries.append(QJsonObject{{QStringLiteral("firstBlock"), entry.firstBlock},
                                   {QStringLiteral("lastBlock"), entry.lastBlock},
                                   {QStringLiteral("time"), entry.time},
                                   {QStringLiteral("repeat"), entry.repeat}});
    }
    const qint64 blockSize = PolarSampling::ledDataLength(ledCount, lineCount);
    const qint64 expected = CardTableOfContents::size + blocks * blockSize;
    result = QJsonObject{{QStringLiteral("file"), path},
                         {QStringLiteral("blocks"), blocks},
                         {QStringLiteral("entries"), entries},
                         {QStringLiteral("fileSize"), file.size()},
                         {QStringLiteral("blockSize"), blockSize},
                         {QStringLiteral("expectedSize"), expected},
                         {QStringLiteral("sizeMatches"), file.size() == expected}};
    return QString();
}
