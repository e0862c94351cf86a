#include "ui/FileKind.h"

#include <QFileInfo>
#include <QImageReader>

FileKind::Kind FileKind::of(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        return Unknown;
    if (suffix == QLatin1String("gif"))
        return Gif;
    if (suffix == QLatin1String("rotavue"))
        return Project;
    if (videoSuffixes().contains(suffix))
        return Video;
    if (pictureSuffixes().contains(suffix))
        return Picture;
    return Unknown;
}

QStringList FileKind::pictureSuffixes()
{
    // PNG and JPEG first: they are what users bring, and always readable.
    QStringList suffixes{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg")};
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format).toLower();
        // svg is drawn, not read at a size; gif is a frame sequence here.
        if (suffix == QLatin1String("gif") || suffix == QLatin1String("svg") || suffix == QLatin1String("svgz"))
            continue;
        if (!suffixes.contains(suffix))
            suffixes.append(suffix);
    }
    return suffixes;
}

QStringList FileKind::videoSuffixes()
{
    return {QStringLiteral("avi"), QStringLiteral("rmvb"), QStringLiteral("mp4"), QStringLiteral("mkv")};
}

QString FileKind::patterns(const QStringList &suffixes)
{
    QStringList out;
    for (const QString &suffix : suffixes)
        out << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    return out.join(QLatin1Char(' '));
}

QString FileKind::pictureFilter()
{
    return QStringLiteral("image Files (%1)").arg(patterns(pictureSuffixes()));
}

QString FileKind::gifFilter()
{
    return QStringLiteral("gif (%1)").arg(patterns({QStringLiteral("gif")}));
}

QString FileKind::videoFilter()
{
    return QStringLiteral("Medias (%1)").arg(patterns(videoSuffixes()));
}
