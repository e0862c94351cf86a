#pragma once

class HandlerMessage;
class ImageObject;
class MediaObject;
class Message;

// Plays the selected sequence in the preview area: one frame per tick (what
// 7), the tick going round through the handler every 200 ms. A tick that was
// already on its way when playback stopped, or when another sequence was
// chosen, is recognised by its generation and dropped. UI thread only.
class PreviewPlayback
{
public:
    static constexpr int frameIntervalMs = 200;

    explicit PreviewPlayback(HandlerMessage *handler);

    // The sequence the play button plays (null for none); stops playing.
    void select(MediaObject *media);
    MediaObject *current() const { return currentMedia; }
    bool isPlaying() const { return playing; }
    int nextFrameIndex() const { return playIndex; }

    // Starts from the first frame; false without a sequence that has frames.
    bool start();
    // Removes every queued tick.
    void stop();
    // A tick back from the looper; takes msg (sends it on or deletes it).
    // The frame to show now, or null when the tick is no longer wanted.
    ImageObject *tick(Message *msg);

private:
    HandlerMessage *handler;
    MediaObject *currentMedia = nullptr;
    bool playing = false;
    int playIndex = 0;
    int generation = 0;
};
