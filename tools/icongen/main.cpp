// Draws every icon and picture of the program, so none of them comes from elsewhere.
// Usage: icongen <images-dir> [--frames <dir>] [--sheet <file.png>]

#include "icons.h"
#include "sheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMap>

#include <cstdio>

namespace {

bool save(const QImage &image, const QString &path, int quality = -1)
{
    QImageWriter writer(path);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "icongen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: icongen <images-dir> [--frames <dir>] [--sheet <file.png>]\n");
        return 2;
    }
    const QDir out(args.first());
    QString framesDir, sheetPath;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--frames"))
            framesDir = args[i + 1];
        else if (args[i] == QLatin1String("--sheet"))
            sheetPath = args[i + 1];
    }

    if (cjkFamily().isEmpty()) {
        std::fprintf(stderr, "icongen: no font has the glyphs for the Chinese language badges;"
                             " install one, e.g. fonts-wqy-zenhei\n");
        return 1;
    }
    if (!QDir().mkpath(out.path()))
        return 1;

    QMap<QString, QImage> images;
    bool ok = true;
    for (const Picture &picture : pngPictures()) {
        const QImage image = render(picture);
        images.insert(picture.file, image);
        ok = save(image.convertToFormat(QImage::Format_ARGB32), out.filePath(picture.file)) && ok;
    }
    const QImage logo = windowIcon(256);
    images.insert(QStringLiteral("logo2.jpg"), logo);
    ok = save(logo, out.filePath(QStringLiteral("logo2.jpg")), 92) && ok;

    const QList<QImage> frames = spinnerFrames(72, 12);
    if (!framesDir.isEmpty()) {
        QDir().mkpath(framesDir);
        for (int i = 0; i < frames.size(); ++i)
            ok = save(frames[i], QDir(framesDir).filePath(QStringLiteral("progress-%1.png").arg(i, 2, 10, QLatin1Char('0'))))
                 && ok;
    }
    if (!sheetPath.isEmpty())
        ok = save(contactSheet(images, frames), sheetPath) && ok;

    std::printf("icongen: %lld pictures in %s (CJK font: %s)\n", static_cast<long long>(images.size()),
                qPrintable(out.path()), qPrintable(cjkFamily()));
    return ok ? 0 : 1;
}
