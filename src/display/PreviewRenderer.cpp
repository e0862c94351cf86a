#include "display/PreviewRenderer.h"

#include "app/DisplayParameters.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "display/PreviewDots.h"

void PreviewRenderer::ledDataToPreview(ImageObject *object, int size, const QByteArray &samples)
{
    object->setPreviewImage(
        render(size, samples, DisplayParameters::ledCount(), DisplayParameters::lineCount()));
}

QImage PreviewRenderer::render(int size, const QByteArray &samples, int ledCount, int lineCount)
{
    QImage canvas = PreviewDots::blackCanvas(size);
    const double half = size / 2;
    const auto *data = reinterpret_cast<const uchar *>(samples.constData());
    qsizetype next = 0;
    for (int k = 0; k < lineCount; ++k) {
        for (int i = ledCount - 1; i >= 0; --i, next += 3) {
            if (next + 3 > samples.size())
                return canvas; // a short buffer draws what it holds
            const QRgb colour = qRgb(data[next + 1], data[next], data[next + 2]);
            PreviewDots::drawDot(canvas, PolarSampling::ledPosition(ledCount, lineCount, k, i, half, half),
                                 colour);
        }
    }
    return canvas;
}
