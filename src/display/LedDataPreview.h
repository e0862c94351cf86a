#pragma once

#include "display/TestColorUtil.h"

#include <QByteArray>
#include <QImage>

#include <array>

// Previews of LED line data read back from a card, where no source picture
// is left: the bit planes are unpacked into the calibrated bytes, and those
// are traced back to the colour levels they were calibrated from.
namespace LedDataPreview {

constexpr int previewSize = 450;
constexpr int thumbnailSize = 60;

// The inverse of the packing: for every line, the calibrated bytes of each LED
// from the outermost to the innermost as blue, green, red. Bits 1 and 0 were
// never stored and come back as 0, as do bits of a final incomplete byte and
// bytes beyond the end of data.
QByteArray unpackBitPlanes(const QByteArray &data, int ledCount, int lineCount);

// Channel level per calibrated byte (bits 1 and 0 ignored). Of the levels that
// calibrate to a byte, black and full brightness are kept exactly, otherwise
// the middle one; a byte the table never gives maps like its nearest neighbour.
struct Uncalibration {
    std::array<quint8, 256> r{}, g{}, b{};
    static Uncalibration of(const TestColorUtil::Lookup &table);
};

// The dots polar sampling drew for these LEDs, at the same places and in the
// colours the calibrated bytes came from (current calibration table).
QImage ofBitPlanes(const QByteArray &data, int ledCount, int lineCount);
// Raw LED samples (green, red, blue per LED) drawn as the card reader draws them.
QImage ofRawSamples(const QByteArray &samples, int ledCount, int lineCount);
// The playlist row's picture: the preview fitted into 60 x 60, fast.
QImage thumbnailOf(const QImage &preview);

} // namespace LedDataPreview
