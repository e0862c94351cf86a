#include "import/PictureLimit.h"

#include <QtGlobal>

QStringList PictureLimit::fitting(const QStringList &files, int listed)
{
    return files.mid(0, qMax(0, maxPictures - listed));
}
