#pragma once

#include <QList>
#include <QPointer>

class ImageObject;
class MediaObject;

// The playlist in the order and with the times the display plays its card:
// the pictures, each for its display time as the card stores it (tenths of a
// second, at most 25.5 s), then the sequences, each its loop count of times
// at one frame per 200 ms on screen. Entries the card does not list (beyond
// the 500th) and entries that show nothing (a time of 0, no frames, a loop
// count of 0) are left out. After the last entry the show starts again.
class ShowSchedule
{
public:
    static constexpr int frameMs = 200;

    struct Item {
        enum Kind { Picture, Sequence };
        Kind kind = Picture;
        int row = 0;                    // in the picture list or the video list
        QPointer<ImageObject> picture;  // pictures
        QPointer<MediaObject> sequence; // sequences
        int durationMs = 0;             // pictures
        int loops = 0;                  // sequences
    };

    // Where the show stands: which item, which pass of a sequence, which frame.
    struct Step {
        int item = 0;
        int loop = 0;
        int frame = 0;
        bool operator==(const Step &o) const { return item == o.item && loop == o.loop && frame == o.frame; }
    };

    ShowSchedule() = default;
    ShowSchedule(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences);

    bool isEmpty() const { return items.isEmpty(); }
    const QList<Item> &itemList() const { return items; }
    const Item &item(const Step &step) const { return items.at(step.item); }

    Step first() const { return Step(); }
    // The step after this one; after the last, the first again.
    Step next(const Step &step) const;
    int durationMs(const Step &step) const;
    // The picture or frame shown at this step; null once it was deleted.
    ImageObject *record(const Step &step) const;

private:
    QList<Item> items;
};
