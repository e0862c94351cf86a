#pragma once

#include <QString>

// The program's own copy of an imported file in the temp directory, so that
// the playlist does not depend on the user's file staying where it was.
class ScratchCopy
{
public:
    // Any thread. Copies source to "image_<n>.<complete suffix>" (n counts
    // from 1 for the run) and returns the copy's path; the source's own path
    // when the copy cannot be made.
    static QString copyPicture(const QString &source);
    // The name the copy number n of source gets.
    static QString pictureName(int n, const QString &source);
};
