#pragma once

#include <QStringList>

// The picture list holds at most 50 pictures; an import takes only as many
// of the chosen files as still fit.
class PictureLimit
{
public:
    static constexpr int maxPictures = 50;

    static bool isFull(int listed) { return listed >= maxPictures; }
    // The first files, in the order chosen, that fit beside the listed pictures.
    static QStringList fitting(const QStringList &files, int listed);
};
