#pragma once

#include <QImage>
#include <QtGlobal>

#include <memory>
#include <mutex>

namespace cv {
class Mat;
}
class HandlerMessage;
class ImageObject;
class Message;
class ReplyChannel;

class ContrastAdjuster;

// The payload of a contrast request (what-code 16): the adjuster, kept alive
// by the message while it is queued or in hand, and the request's number.
struct ContrastRequest
{
    std::shared_ptr<ContrastAdjuster> adjuster;
    quint64 sequence = 0;
};

// The looper-side work of the contrast dialog. It keeps the source picture
// with an OpenCV matrix laid over its pixels and, for each slider value,
// multiplies every channel by value / 10, then rebuilds the picture's
// thumbnail and LED line data. Requests are debounced through what-code 16 on
// the window's handler; each one applied is reported through a ReplyChannel.
class ContrastAdjuster : public std::enable_shared_from_this<ContrastAdjuster>
{
public:
    static constexpr int debounceMs = 200;
    static constexpr int sliderMaximum = 100;

    // UI thread. source is the picture's file, already read; a palette or
    // grey-level picture is converted to 32-bit ARGB first. A null source
    // gives no matrix: each value is then only stored. replies may be null.
    // Made with std::make_shared: requests hold on to it.
    ContrastAdjuster(ImageObject *image, QImage source, ReplyChannel *replies);
    ~ContrastAdjuster();
    ContrastAdjuster(const ContrastAdjuster &) = delete;
    ContrastAdjuster &operator=(const ContrastAdjuster &) = delete;

    // The factor of a slider position, and the position that shows a stored
    // factor (rounded: 0.7f x 10 is just below 7).
    static float factorOf(int sliderValue);
    static int sliderValueOf(float factor);
    // Contrast applies to pictures that have a source file: not to those read
    // back from a card.
    static bool canAdjust(int imageType);

    bool hasMatrix() const { return matrix != nullptr; }
    // Any thread. The source with every channel (alpha too) times factor,
    // rounded and clamped to 0..255; null without a matrix.
    QImage adjusted(float factor) const;

    // UI thread. Replaces a request still queued by one for this value, due
    // in debounceMs on handler. Without a handler the value is applied now.
    void request(HandlerMessage *handler, int sliderValue);
    // Looper thread: the handler's whole part of what-code 16.
    static void handle(const Message *msg);
    // Any thread. The adjustment itself, at once; reports nothing.
    void addImageContract(int value);
    // UI thread, when the dialog closes: drops a queued request, waits for
    // one under way, and applies the last requested value if it has not been
    // applied yet. Nothing is applied or reported afterwards. Returns whether
    // it applied a value.
    bool finish(HandlerMessage *handler);

private:
    void apply(int value, quint64 sequence, HandlerMessage *handler);
    void adjust(int value);

    ImageObject *const image; // not owned; outlives the dialog
    QImage source;
    std::unique_ptr<cv::Mat> matrix; // over source's pixels; null when it did not load

    // workLock: one adjustment at a time; taken before stateLock. stateLock
    // guards the fields below and is never held while adjusting, so a slider
    // move does not wait for an adjustment under way.
    std::mutex workLock;
    std::mutex stateLock;
    ReplyChannel *replies; // null once finished
    bool finished = false;
    quint64 requested = 0; // number of the last request
    quint64 applied = 0;   // number of the last request applied
    int requestedValue = 0;
};
