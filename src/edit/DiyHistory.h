#pragma once

#include <QImage>
#include <QtGlobal>

#include <memory>
#include <vector>

class HistoryObject;

// The canvas's undo snapshots, oldest first. At most maxEntries are kept, and
// together they take at most the byte limit: each snapshot is a whole picture,
// and a zoomed-in canvas makes them large. The oldest go first; the newest
// always stays, however large it is.
class DiyHistory
{
public:
    static constexpr int maxEntries = 100;
    static constexpr qint64 defaultByteLimit = qint64(512) * 1024 * 1024;

    explicit DiyHistory(qint64 byteLimit = defaultByteLimit);
    ~DiyHistory();
    DiyHistory(const DiyHistory &) = delete;
    DiyHistory &operator=(const DiyHistory &) = delete;

    // The new newest snapshot; it lives until it is removed or dropped as one of the oldest.
    HistoryObject *append(const QImage &picture, int level);
    // Replaces a snapshot's picture and drops old ones should the total have grown too large.
    void update(HistoryObject *entry, const QImage &picture);
    void removeNewest();

    int size() const { return int(entries.size()); }
    HistoryObject *at(int i) const { return entries.at(size_t(i)).get(); }
    HistoryObject *newest() const { return entries.empty() ? nullptr : entries.back().get(); }
    qint64 bytes() const;
    qint64 byteLimit() const { return limit; }

private:
    void dropOldest();

    qint64 limit;
    std::vector<std::unique_ptr<HistoryObject>> entries;
};
