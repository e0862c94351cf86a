#include "edit/ContrastAdjuster.h"

#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "edit/ContrastLog.h"
#include "messaging/HandlerMessage.h"
#include "messaging/Message.h"
#include "messaging/ReplyChannel.h"
#include "messaging/WhatCodes.h"

#include <opencv2/core.hpp>

ContrastAdjuster::ContrastAdjuster(ImageObject *image, QImage picture, ReplyChannel *replies)
    : image(image), source(std::move(picture)), replies(replies)
{
    if (source.isNull())
        return;
    // The matrix sees four 8-bit channels per pixel: palette, grey-level and
    // other layouts become 32-bit ARGB first.
    if (source.format() != QImage::Format_ARGB32)
        source = source.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return; // out of memory
    // bits() detaches: the matrix lies over memory that only we hold.
    matrix = std::make_unique<cv::Mat>(source.height(), source.width(), CV_8UC4, source.bits(),
                                       size_t(source.bytesPerLine()));
}

ContrastAdjuster::~ContrastAdjuster() = default;

float ContrastAdjuster::factorOf(int sliderValue)
{
    return float(sliderValue) / 10.0f;
}

int ContrastAdjuster::sliderValueOf(float factor)
{
    return qBound(0, qRound(factor * 10.0f), sliderMaximum);
}

bool ContrastAdjuster::canAdjust(int imageType)
{
    return imageType != ImageObject::CardPicture;
}

namespace {

// Every channel of every pixel times factor, rounded, clamped to 0..255.
cv::Mat scaledBy(const cv::Mat &matrix, float factor)
{
    cv::Mat out;
    matrix.convertTo(out, -1, double(factor), 0.0);
    return out;
}

// A picture over the matrix's memory, valid while the matrix lives.
QImage viewOf(const cv::Mat &matrix)
{
    return QImage(matrix.data, matrix.cols, matrix.rows, int(matrix.step), QImage::Format_ARGB32);
}

} // namespace

QImage ContrastAdjuster::adjusted(float factor) const
{
    if (!matrix)
        return QImage();
    return viewOf(scaledBy(*matrix, factor)).copy();
}

void ContrastAdjuster::request(HandlerMessage *handler, int sliderValue)
{
    if (!handler) {
        const std::lock_guard<std::mutex> work(workLock);
        {
            const std::lock_guard<std::mutex> state(stateLock);
            if (finished)
                return;
            applied = ++requested;
        }
        adjust(sliderValue);
        return;
    }
    quint64 sequence = 0;
    {
        const std::lock_guard<std::mutex> state(stateLock);
        if (finished)
            return;
        sequence = ++requested;
        requestedValue = sliderValue;
    }
    handler->removeHandlerMessages(WhatCode::Contrast);
    auto payload = std::make_unique<ContrastRequest>(ContrastRequest{shared_from_this(), sequence});
    handler->sendHandlerMessageDelayed(
        handler->obtainMessage(WhatCode::Contrast, std::move(payload), QString::number(sliderValue)), debounceMs);
}

void ContrastAdjuster::handle(const Message *msg)
{
    const ContrastRequest *request = msg ? msg->payload<WhatCode::Contrast>() : nullptr;
    if (!request || !request->adjuster)
        return;
    request->adjuster->apply(msg->text.toInt(nullptr, 10), request->sequence, msg->target);
}

void ContrastAdjuster::apply(int value, quint64 sequence, HandlerMessage *handler)
{
    const std::lock_guard<std::mutex> work(workLock);
    {
        const std::lock_guard<std::mutex> state(stateLock);
        if (finished)
            return; // the dialog has gone, or applied the last value itself
    }
    adjust(value);
    const std::lock_guard<std::mutex> state(stateLock);
    applied = sequence;
    if (replies && handler)
        replies->post(handler->obtainMessage(WhatCode::Contrast, nullptr, QString::number(value)));
}

bool ContrastAdjuster::finish(HandlerMessage *handler)
{
    if (handler)
        handler->removeHandlerMessages(WhatCode::Contrast);
    const std::lock_guard<std::mutex> work(workLock); // waits for an adjustment under way
    int value = 0;
    {
        const std::lock_guard<std::mutex> state(stateLock);
        if (finished)
            return false;
        finished = true;
        replies = nullptr;
        if (applied == requested)
            return false;
        applied = requested;
        value = requestedValue;
    }
    adjust(value);
    return true;
}

void ContrastAdjuster::addImageContract(int value)
{
    const std::lock_guard<std::mutex> work(workLock);
    adjust(value);
}

void ContrastAdjuster::adjust(int value)
{
    if (!image)
        return;
    const float factor = factorOf(qBound(0, value, sliderMaximum));
    image->setContrast(factor);
    qCDebug(lcContrast).nospace() << "UpdateImageContract::addImageContract " << factor;
    if (!matrix) {
        qCDebug(lcContrast, "UpdateImageContract::addImageContract imageMat is NULL.");
        return;
    }
    const cv::Mat out = scaledBy(*matrix, factor);
    const QImage picture = viewOf(out); // no copy: out lives until the end of this call
    image->setThumbnail(PolarSampling::workingSquare(picture).scaled(60, 60, Qt::KeepAspectRatio,
                                                                     Qt::FastTransformation));
    image->setLedData(QByteArray());
    PolarSampling::imageToLedData(picture, image);
}
