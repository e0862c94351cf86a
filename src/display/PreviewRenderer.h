#pragma once

#include <QByteArray>
#include <QImage>

class ImageObject;

// Draws the round preview of raw LED samples (three bytes per LED: green,
// red, blue; lines from 12 o'clock counter-clockwise, LEDs from the rim in).
class PreviewRenderer
{
public:
    // Draws into a new size x size picture and stores it as the record's preview.
    static void ledDataToPreview(ImageObject *object, int size, const QByteArray &samples);
    // The picture alone; reads the display parameters once.
    static QImage render(int size, const QByteArray &samples, int ledCount, int lineCount);
};
