#pragma once

#include "display/PreviewDots.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>

#include <memory>
#include <vector>

class ImageObject;

// Turns a rectangular picture into the display's LED line data: the picture is
// read along the radial lines of one revolution, calibrated, and packed into
// six bit planes per line.
namespace PolarSampling {

constexpr int workingSize = 450;           // side of the working square
constexpr int centre = 225;                // centre of the revolution
constexpr int radius = 224;                // centre to the outermost LED
constexpr int minimumLength = 0x1C000;     // 114688 bytes
constexpr int bitPlanes = 6;               // bits 7 down to 2 of each byte

// Bytes of one line: floor(18 x ledCount / 8).
int lineBytes(int ledCount);
// Length of the LED line data for the given parameters, padding included.
int ledDataLength(int ledCount, int lineCount);

// Where the LEDs of every line sit: lines in angle order from 12 o'clock,
// counter-clockwise; within a line from the outermost LED to the centre.
struct Geometry {
    int ledCount = 0;
    int lineCount = 0;
    std::vector<QPointF> points;   // exact positions, ledCount x lineCount
    std::vector<int> pixels;       // rounded positions as y * workingSize + x
    std::vector<PreviewDots::Cover> cover; // the preview's dots, drawn in this order
};
// Shared, cached for the last parameters asked for; safe from any thread.
// Counts below 0 are taken as 0.
std::shared_ptr<const Geometry> geometry(int ledCount, int lineCount);
// Exact position of LED i of line k for a revolution of the given radius.
QPointF ledPosition(int ledCount, int lineCount, int line, int led, double centreXY, double radius);

// The centred square of the source scaled to 450 x 450 (fast transformation),
// as 32-bit pixels (RGB32 or ARGB32). An empty source gives a black square.
QImage workingSquare(const QImage &source);

// The LED line data of a working square, padded; draws the preview dots when
// preview is not null (it must be a 450 x 450 32-bit picture).
QByteArray sampleWorkingSquare(const QImage &working, const Geometry &geo, QImage *preview);

// What the conversion makes of a picture: its LED line data, padded, and
// the preview of what the display shows. Any thread.
struct Conversion {
    QByteArray ledData;
    QImage preview;
};
Conversion convert(const QImage &source, int ledCount, int lineCount);

// The conversion: reads the display parameters once, replaces the record's
// LED line data and preview picture, stores the data to the buffer file.
// An empty source converts like a black picture.
void imageToLedData(const QImage &source, ImageObject *target);

// LED line data of a source without a record and without a preview.
QByteArray ledDataOf(const QImage &source, int ledCount, int lineCount);

} // namespace PolarSampling
