#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The factory content's pictures, drawn here: a welcome picture and patterns
// that help set up a display, as raw LED samples (green, red, blue per LED;
// lines from 12 o'clock counter-clockwise, LEDs from the rim in) for a
// display of the given counts.
class FactoryPictures
{
public:
    FactoryPictures(int ledCount, int lineCount);

    // The product's name on a colour ring.
    QByteArray welcome() const;
    // Twelve coloured spokes; the one at 12 o'clock white and the one a
    // quarter turn on (9 o'clock) doubled, so direction and start show.
    QByteArray spokes() const;
    // Rings of the primaries every six LEDs, white on the rim and at the centre.
    QByteArray rings() const;
    // The hue turning with the angle, the brightness rising towards the rim.
    QByteArray colourRamps() const;
    // Red, green, blue and white quarters: a wrong byte order shows at once.
    QByteArray primaries() const;
    // A sweeping arm with a fading trail, one block per frame.
    QList<QByteArray> sweep(int frames) const;
    // A ring running from the centre to the rim, one block per frame.
    QList<QByteArray> pulse(int frames) const;

    // Samples a picture at the LEDs' places (nearest pixel, no calibration).
    QByteArray sample(const QImage &picture) const;

private:
    // One block whose colour each LED gets from colourAt(line, led), led 0 the centre.
    template<typename ColourAt>
    QByteArray samples(ColourAt colourAt) const;

    int leds;
    int lines;
};
