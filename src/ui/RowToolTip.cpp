#include "ui/RowToolTip.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString fileName(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::toNativeSeparators(QFileInfo(path).fileName());
}
}

QString RowToolTip::of(const QObject *record)
{
    if (const auto *media = qobject_cast<const MediaObject *>(record))
        return fileName(media->name());
    const auto *picture = qobject_cast<const ImageObject *>(record);
    if (!picture)
        return QString();
    if (!picture->originPath().isEmpty())
        return fileName(picture->originPath());
    switch (picture->type()) {
    case ImageObject::DiyPicture: return tr("A picture drawn in Rotavue");
    case ImageObject::CardPicture: return tr("A picture read from a card file");
    default: return QString(); // the scratch copy's name would mean nothing to the user
    }
}
