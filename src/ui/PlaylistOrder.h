#pragma once

#include <QList>

// The rule for moving a playlist entry to another position, on the entries'
// index numbers alone: the moved entry takes the new index (no larger than
// the largest one), the entries it passes shift by one towards its old place,
// and the list is then ordered by index, equal indexes keeping their order.
class PlaylistOrder
{
public:
    // The indexes after the entry at row `moving` went from oldIndex to newIndex.
    static QList<int> reindexed(const QList<int> &indexes, int moving, int oldIndex, int newIndex);
    // The rows in index order: element i is the row that comes i-th (a stable sort).
    static QList<int> stableOrder(const QList<int> &indexes);
    static int largest(const QList<int> &indexes);
};
