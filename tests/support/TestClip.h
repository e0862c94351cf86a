#pragma once

#include <QSize>
#include <QString>

class ImageObject;

// Video clips made for a test with ffmpeg. Frame n of a clip shows n in
// twelve horizontal bands: band k (from the top) is white when bit k of n is
// set, black otherwise, so the number survives lossy coding, scaling and the
// conversion to LED line data.
namespace TestClip {

constexpr int bands = 12;

// Writes a clip of the given length; the codec follows the extension (.mp4 and
// .mkv: H.264, .avi: MPEG-4 part 2). Empty on success, otherwise ffmpeg's complaint.
QString make(const QString &path, double seconds, const QSize &size = QSize(400, 300), int fps = 25);
// A file holding only sound.
QString makeAudioOnly(const QString &path, double seconds);

// The frame number a converted frame of a clip of this size shows, read from
// its preview dots on the vertical line through the centre (the crop left
// untouched: the whole frame centred on the canvas); -1 when unreadable.
int frameShownIn(ImageObject *frame, const QSize &clipSize);

} // namespace TestClip
