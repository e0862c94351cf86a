#include "TestClip.h"

#include "display/ImageObject.h"
#include "display/PolarSampling.h"

#include <QFileInfo>
#include <QProcess>

namespace {

QString runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y", "-nostdin"} + arguments);
    if (!ffmpeg.waitForFinished(120000))
        return QStringLiteral("ffmpeg did not run: ") + ffmpeg.errorString();
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        return QString::fromLocal8Bit(ffmpeg.readAllStandardError());
    return QString();
}

} // namespace

QString TestClip::make(const QString &path, double seconds, const QSize &size, int fps)
{
    const QString pattern =
        QStringLiteral("color=c=black:s=%1x%2:r=%3:d=%4,format=gray,"
                       "geq=lum='if(bitand(N\\,pow(2\\,floor(Y*%5/H)))\\,255\\,0)',format=yuv420p")
            .arg(size.width())
            .arg(size.height())
            .arg(fps)
            .arg(seconds)
            .arg(bands);
    QStringList codec{"-c:v", "libx264", "-preset", "veryfast"};
    if (QFileInfo(path).suffix() == QLatin1String("avi"))
        codec = {"-c:v", "mpeg4", "-q:v", "2"};
    return runFfmpeg(QStringList{"-f", "lavfi", "-i", pattern} + codec + QStringList{path});
}

QString TestClip::makeAudioOnly(const QString &path, double seconds)
{
    return runFfmpeg({"-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), "-c:a",
                      "aac", "-f", "mp4", path});
}

int TestClip::frameShownIn(ImageObject *frame, const QSize &clipSize)
{
    const QImage preview = frame->previewImage();
    if (preview.isNull())
        return -1;
    const auto geo = PolarSampling::geometry(112, 450);
    const int top = (450 - clipSize.height()) / 2;
    const double bandHeight = double(clipSize.height()) / bands;
    int number = 0;
    for (int k = 0; k < bands; ++k) {
        const double y = top + (k + 0.5) * bandHeight;
        // The LED of line 0 (upwards) or of the opposite line nearest to the band's middle.
        int best = -1;
        double distance = 1e9;
        for (int line : {0, 225}) {
            for (int led = 0; led < 112; ++led) {
                const QPointF p = geo->points[size_t(line * 112 + led)];
                if (qAbs(p.x() - 225) < 1 && qAbs(p.y() - y) < distance) {
                    distance = qAbs(p.y() - y);
                    best = line * 112 + led;
                }
            }
        }
        if (best < 0 || distance > bandHeight / 3)
            return -1;
        const QPointF p = geo->points[size_t(best)];
        const int grey = qGray(preview.pixel(qRound(p.x()), qRound(p.y())));
        if (grey > 40)
            number |= 1 << k;
    }
    return number;
}
