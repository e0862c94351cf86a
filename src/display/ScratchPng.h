#pragma once

#include <QByteArray>
#include <QImage>

class QIODevice;

// PNG for scratch pictures, which only this program reads back: no row
// filters and the fastest deflate level, a quarter of the time of the general
// encoder for files a little larger. Pictures with an alpha channel keep it
// (RGBA), others are stored as RGB; either loads back with the same pixels.
class ScratchPng
{
public:
    // Any thread. Empty when the picture is null or too large to encode.
    static QByteArray encode(const QImage &picture);
    // Any thread. False when the picture cannot be encoded or the device
    // takes fewer bytes than given.
    static bool write(const QImage &picture, QIODevice &device);
};
