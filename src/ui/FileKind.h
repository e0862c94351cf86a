#pragma once

#include <QString>
#include <QStringList>

// What a file given to the window (dropped, chosen or named on the command
// line) is, by its name alone, and the file choosers' filters that go with
// it. Names are matched without regard to case: cameras and phones write
// ".JPG" and ".PNG". Any thread.
class FileKind
{
public:
    enum Kind { Unknown, Picture, Gif, Video, Project };

    static Kind of(const QString &path);

    // Lower-case suffixes of the still-picture formats Qt reads here (GIF is a sequence).
    static QStringList pictureSuffixes();
    static QStringList videoSuffixes();

    // "image Files (*.png *.PNG *.jpg ...)": each suffix in lower and upper case.
    static QString pictureFilter();
    static QString gifFilter();
    static QString videoFilter();

private:
    static QString patterns(const QStringList &suffixes);
};
