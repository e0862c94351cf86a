#include "FactoryPictures.h"

#include "display/PolarSampling.h"

#include <QColor>
#include <QConicalGradient>
#include <QFont>
#include <QPainter>

#include <cmath>

FactoryPictures::FactoryPictures(int ledCount, int lineCount) : leds(ledCount), lines(lineCount)
{
}

template<typename ColourAt>
QByteArray FactoryPictures::samples(ColourAt colourAt) const
{
    QByteArray block;
    block.reserve(qsizetype(leds) * lines * 3);
    for (int k = 0; k < lines; ++k) {
        for (int i = leds - 1; i >= 0; --i) {
            const QColor c = colourAt(k, i);
            block.append(char(c.green())).append(char(c.red())).append(char(c.blue()));
        }
    }
    return block;
}

QByteArray FactoryPictures::sample(const QImage &picture) const
{
    const QImage working = PolarSampling::workingSquare(picture);
    const auto geo = PolarSampling::geometry(leds, lines);
    QByteArray block;
    block.reserve(qsizetype(geo->pixels.size()) * 3);
    for (const int pixel : geo->pixels) { // lines in order, each from the rim in
        const QRgb c = working.pixel(pixel % PolarSampling::workingSize, pixel / PolarSampling::workingSize);
        block.append(char(qGreen(c))).append(char(qRed(c))).append(char(qBlue(c)));
    }
    return block;
}

QByteArray FactoryPictures::welcome() const
{
    QImage picture(PolarSampling::workingSize, PolarSampling::workingSize, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(PolarSampling::centre, PolarSampling::centre);
    QConicalGradient hues(centre, 90);
    for (int h = 0; h <= 6; ++h)
        hues.setColorAt(h / 6.0, QColor::fromHsv((h * 60) % 360, 255, 255));
    painter.setPen(QPen(QBrush(hues), 34));
    painter.drawEllipse(centre, 200, 200);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(68);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 160, 450, 100), Qt::AlignCenter, QStringLiteral("Rotavue"));
    QFont small(name);
    small.setPixelSize(38);
    painter.setFont(small);
    painter.setPen(QColor(255, 200, 40));
    painter.drawText(QRectF(0, 255, 450, 50), Qt::AlignCenter, QStringLiteral("welcome"));
    painter.end();
    return sample(picture);
}

QByteArray FactoryPictures::spokes() const
{
    const int spokeCount = 12;
    const int step = qMax(1, lines / spokeCount);
    const int width = qMax(1, lines / 90); // about four degrees
    return samples([=](int k, int) {
        const int spoke = k / step;
        if (k % step >= width || spoke >= spokeCount)
            return QColor(Qt::black);
        if (spoke == 0 || (spoke == spokeCount / 4 && k % step < 2 * width))
            return QColor(Qt::white);
        return QColor::fromHsv(spoke * 360 / spokeCount, 255, 255);
    });
}

QByteArray FactoryPictures::rings() const
{
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    return samples([=](int, int i) {
        if (i == leds - 1 || i == 0)
            return QColor(Qt::white);
        return i % 6 == 0 ? colours[(i / 6) % 3] : QColor(Qt::black);
    });
}

QByteArray FactoryPictures::colourRamps() const
{
    return samples([=](int k, int i) {
        const int value = leds > 1 ? 40 + 215 * i / (leds - 1) : 255;
        return QColor::fromHsv(k * 360 / lines, 255, value);
    });
}

QByteArray FactoryPictures::primaries() const
{
    const QColor quarters[] = {Qt::red, Qt::green, Qt::blue, Qt::white};
    return samples([=](int k, int i) {
        const int quarter = qMin(3, k * 4 / lines);
        const bool edge = k * 4 % lines < 4 || i < leds / 8;
        return edge ? QColor(Qt::black) : quarters[quarter];
    });
}

QList<QByteArray> FactoryPictures::sweep(int frames) const
{
    QList<QByteArray> blocks;
    const int trail = lines / 8;
    for (int f = 0; f < frames; ++f) {
        const int arm = lines - 1 - f * lines / frames; // clockwise on screen, as a hand
        blocks.append(samples([=](int k, int i) {
            const int behind = (k - arm + lines) % lines; // counter-clockwise of the arm
            if (behind >= trail)
                return i == leds - 1 ? QColor(40, 40, 40) : QColor(Qt::black);
            const int value = 255 - 230 * behind / trail;
            return QColor::fromHsv(120 + 60 * i / qMax(1, leds - 1), behind == 0 ? 0 : 255, value);
        }));
    }
    return blocks;
}

QList<QByteArray> FactoryPictures::pulse(int frames) const
{
    QList<QByteArray> blocks;
    for (int f = 0; f < frames; ++f) {
        const int ring = f * (leds - 1) / qMax(1, frames - 1);
        blocks.append(samples([=](int k, int i) {
            const int distance = qAbs(i - ring);
            if (distance > 2)
                return QColor(Qt::black);
            return QColor::fromHsv((k * 360 / lines + f * 30) % 360, 200, 255 - distance * 90);
        }));
    }
    return blocks;
}
