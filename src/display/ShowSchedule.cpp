#include "display/ShowSchedule.h"

#include "card/CardTableOfContents.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

ShowSchedule::ShowSchedule(const QList<ImageObject *> &pictures, const QList<MediaObject *> &sequences)
{
    int entries = 0;
    for (int row = 0; row < pictures.size() && entries < CardTableOfContents::maxEntries; ++row, ++entries) {
        Item item;
        item.kind = Item::Picture;
        item.row = row;
        item.picture = pictures.at(row);
        item.durationMs = CardTableOfContents::timeByte(pictures.at(row)->displayTime()) * 100;
        if (item.durationMs > 0)
            items.append(item);
    }
    for (int row = 0; row < sequences.size() && entries < CardTableOfContents::maxEntries; ++row, ++entries) {
        Item item;
        item.kind = Item::Sequence;
        item.row = row;
        item.sequence = sequences.at(row);
        item.loops = CardTableOfContents::repeatByte(sequences.at(row)->loopCount());
        if (item.loops > 0 && sequences.at(row)->frameCount() > 0)
            items.append(item);
    }
}

ShowSchedule::Step ShowSchedule::next(const Step &step) const
{
    if (items.isEmpty())
        return Step();
    const Item &current = items.at(step.item);
    if (current.kind == Item::Sequence && current.sequence) {
        if (step.frame + 1 < current.sequence->frameCount())
            return {step.item, step.loop, step.frame + 1};
        if (step.loop + 1 < current.loops)
            return {step.item, step.loop + 1, 0};
    }
    return {int((step.item + 1) % items.size()), 0, 0};
}

int ShowSchedule::durationMs(const Step &step) const
{
    const Item &current = items.at(step.item);
    return current.kind == Item::Picture ? current.durationMs : frameMs;
}

ImageObject *ShowSchedule::record(const Step &step) const
{
    const Item &current = items.at(step.item);
    if (current.kind == Item::Picture)
        return current.picture;
    return current.sequence ? current.sequence->frame(step.frame) : nullptr;
}
