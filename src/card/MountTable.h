#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The kernel's mount table in the form of /proc/self/mountinfo.
class MountTable
{
public:
    struct Entry {
        QString device;      // "major:minor"
        QString root;        // the folder of the file system that is mounted
        QString mountPoint;
        QString fileSystem;
        QString source;      // for example "/dev/sdb1"
    };

    static QList<Entry> parse(const QByteArray &text);
    // Reverses the octal escapes ("\040" for a space) of mountinfo paths.
    static QString unescape(const QByteArray &field);

private:
    static bool parseLine(const QByteArray &line, Entry &entry);
};
