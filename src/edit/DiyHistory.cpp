#include "edit/DiyHistory.h"

#include "edit/DiyLog.h"
#include "edit/HistoryObject.h"

DiyHistory::DiyHistory(qint64 byteLimit) : limit(byteLimit)
{
}

DiyHistory::~DiyHistory() = default;

HistoryObject *DiyHistory::append(const QImage &picture, int level)
{
    entries.push_back(std::make_unique<HistoryObject>(picture, level));
    HistoryObject *added = entries.back().get();
    dropOldest();
    return added;
}

void DiyHistory::update(HistoryObject *entry, const QImage &picture)
{
    entry->setPicture(picture);
    dropOldest();
}

void DiyHistory::removeNewest()
{
    if (!entries.empty())
        entries.pop_back();
}

qint64 DiyHistory::bytes() const
{
    qint64 total = 0;
    for (const auto &entry : entries)
        total += entry->bytes();
    return total;
}

void DiyHistory::dropOldest()
{
    qint64 total = bytes();
    size_t drop = 0;
    while (entries.size() - drop > 1 && (entries.size() - drop > size_t(maxEntries) || total > limit)) {
        total -= entries[drop]->bytes();
        ++drop;
    }
    if (drop == 0)
        return;
    qCDebug(lcDiy) << "#DiyPainter# history: dropped" << drop << "oldest, keeping" << entries.size() - drop
                   << "of" << total << "bytes";
    entries.erase(entries.begin(), entries.begin() + long(drop));
}
