#include "CardInfo.h"

#include "app/RegularFile.h"
#include "display/PolarSampling.h"

#include <QFile>
#include <QJsonArray>

namespace {

constexpr int tableSize = 4096;
constexpr int entryTable = 16;
constexpr int entryCount = 500;
constexpr int entrySize = 6;
const QByteArray header = QByteArray::fromHex("2211223344556677");
const QByteArray trailer = QByteArray::fromHex("7766554433221100");

int word(const QByteArray &bytes, int at)
{
    return (quint8(bytes.at(at)) << 8) | quint8(bytes.at(at + 1));
}

} // namespace

QString CardInfo::read(const QString &path, int ledCount, int lineCount)
{
    QFile file(path);
    const QString unopened = RegularFile::openForReading(file);
    if (!unopened.isEmpty())
        return tr("%1: %2").arg(path, unopened);
    const QByteArray table = file.read(tableSize);
    if (table.size() < tableSize)
        return tr("%1: not a card file: it is shorter than its %2-byte table of contents.").arg(path).arg(tableSize);
    if (!table.startsWith(header) || table.mid(3024, 8) != trailer)
        return tr("%1: not a card file: the table of contents has no card markers.").arg(path);

    const int blocks = word(table, 8);
    QJsonArray entries;
    for (int e = 0; e < entryCount; ++e) {
        const int at = entryTable + e * entrySize;
        if (table.mid(at, entrySize).count('\0') == entrySize)
            continue;
        entries.append(QJsonObject{{QStringLiteral("firstBlock"), word(table, at)},
                                   {QStringLiteral("lastBlock"), word(table, at + 2)},
                                   {QStringLiteral("time"), quint8(table.at(at + 4))},
                                   {QStringLiteral("repeat"), quint8(table.at(at + 5))}});
    }
    const qint64 blockSize = PolarSampling::ledDataLength(ledCount, lineCount);
    const qint64 expected = tableSize + blocks * blockSize;
    result = QJsonObject{{QStringLiteral("file"), path},
                         {QStringLiteral("blocks"), blocks},
                         {QStringLiteral("entries"), entries},
                         {QStringLiteral("fileSize"), file.size()},
                         {QStringLiteral("blockSize"), blockSize},
                         {QStringLiteral("expectedSize"), expected},
                         {QStringLiteral("sizeMatches"), file.size() == expected}};
    return QString();
}
