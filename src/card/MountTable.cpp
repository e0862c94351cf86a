#include "card/MountTable.h"

#include <QFile>

namespace {
bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}
}

QString MountTable::unescape(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2])
            && isOctal(field[i + 3])) {
            bytes.append(char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
            i += 3;
        } else {
            bytes.append(field[i]);
        }
    }
    return QFile::decodeName(bytes);
}

// "36 35 98:0 /root /mnt/point rw,noatime master:1 - ext3 /dev/root rw"
bool MountTable::parseLine(const QByteArray &line, Entry &entry)
{
    const QList<QByteArray> fields = line.split(' ');
    const qsizetype separator = fields.indexOf(QByteArray("-"), 6);
    if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
        return false;
    entry.device = QString::fromLatin1(fields[2]);
    entry.root = unescape(fields[3]);
    entry.mountPoint = unescape(fields[4]);
    entry.fileSystem = unescape(fields[separator + 1]);
    entry.source = unescape(fields[separator + 2]);
    return true;
}

QList<MountTable::Entry> MountTable::parse(const QByteArray &text)
{
    QList<Entry> entries;
    for (const QByteArray &line : text.split('\n')) {
        Entry entry;
        if (parseLine(line.trimmed(), entry))
            entries.append(entry);
    }
    return entries;
}
