#include "ui/PlaylistOrder.h"

#include <QtGlobal>

int PlaylistOrder::largest(const QList<int> &indexes)
{
    int maxIndex = 0;
    for (int index : indexes)
        maxIndex = qMax(maxIndex, index);
    return maxIndex;
}

QList<int> PlaylistOrder::reindexed(const QList<int> &indexes, int moving, int oldIndex, int newIndex)
{
    QList<int> result = indexes;
    newIndex = qMin(newIndex, largest(indexes));
    for (int row = 0; row < result.size(); ++row) {
        const int index = result.at(row);
        if (row == moving)
            result[row] = newIndex;
        else if (oldIndex < newIndex && index > oldIndex && index <= newIndex)
            result[row] = index - 1;
        else if (oldIndex > newIndex && index >= newIndex && index < oldIndex)
            result[row] = index + 1;
    }
    return result;
}

QList<int> PlaylistOrder::stableOrder(const QList<int> &indexes)
{
    QList<int> rows;
    for (int row = 0; row < indexes.size(); ++row)
        rows.append(row);
    // Insertion sort: stable, and the lists are short.
    for (int i = 1; i < rows.size(); ++i) {
        const int key = rows.at(i);
        int j = i - 1;
        while (j >= 0 && indexes.at(rows.at(j)) > indexes.at(key)) {
            rows[j + 1] = rows.at(j);
            --j;
        }
        rows[j + 1] = key;
    }
    return rows;
}
