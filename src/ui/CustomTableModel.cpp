#include "ui/CustomTableModel.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/PlaylistOrder.h"
#include "ui/UiLog.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>

namespace {
const char *kRowsMime = "application/x-rotavue-playlist-rows";
}

CustomTableModel::CustomTableModel(const QList<CustomTableItem> &items, int columnCount, QObject *parent)
    : QAbstractTableModel(parent), items(items), columns(columnCount)
{
}

int CustomTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(items.size());
}

int CustomTableModel::columnCount(const QModelIndex &) const
{
    return columns;
}

QVariant CustomTableModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= items.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QVariant::fromValue(items.at(index.row()));
    return QVariant();
}

bool CustomTableModel::setData(const QModelIndex &, const QVariant &, int)
{
    return false; // the row editors change the objects themselves
}

QVariant CustomTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QVariant stored = headerTexts.value(section);
    return stored.isValid() ? QVariant(stored.toString()) : QVariant();
}

bool CustomTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int)
{
    if (orientation == Qt::Vertical)
        return false;
    headerTexts.insert(section, value);
    return true;
}

Qt::ItemFlags CustomTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    // Rows are dragged to a new place in their list; a drop on a row lands before it.
    return index.isValid() ? base | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled : base | Qt::ItemIsDropEnabled;
}

QStringList CustomTableModel::mimeTypes() const
{
    return {QLatin1String(kRowsMime)};
}

QMimeData *CustomTableModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && !rows.contains(index.row()))
            rows.append(index.row());
    }
    if (rows.isEmpty())
        return nullptr;
    std::sort(rows.begin(), rows.end());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    // The model's address: rows never travel to the other list or another window.
    out << quint64(reinterpret_cast<quintptr>(this)) << rows;
    auto *data = new QMimeData;
    data->setData(QLatin1String(kRowsMime), bytes);
    return data;
}

bool CustomTableModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                    const QModelIndex &parent)
{
    if (action != Qt::MoveAction || !data || !data->hasFormat(QLatin1String(kRowsMime)))
        return false;
    QDataStream in(data->data(QLatin1String(kRowsMime)));
    quint64 source = 0;
    QList<int> rows;
    in >> source >> rows;
    if (in.status() != QDataStream::Ok || source != quint64(reinterpret_cast<quintptr>(this)) || rows.isEmpty())
        return false;
    // The lists select contiguous rows only.
    const int first = rows.first();
    const int count = int(rows.size());
    if (rows.last() - first + 1 != count)
        return false;
    const int destination = row >= 0 ? row : parent.isValid() ? parent.row() : int(items.size());
    // Nothing is left for the view to remove: it finds no removeRows here.
    return moveRows(QModelIndex(), first, count, QModelIndex(), destination);
}

bool CustomTableModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                                const QModelIndex &destinationParent, int destinationChild)
{
    if (sourceParent.isValid() || destinationParent.isValid() || count < 1 || sourceRow < 0
        || sourceRow + count > items.size() || destinationChild < 0 || destinationChild > items.size())
        return false;
    if (destinationChild >= sourceRow && destinationChild <= sourceRow + count)
        return false; // the rows would stay where they are
    if (!beginMoveRows(QModelIndex(), sourceRow, sourceRow + count - 1, QModelIndex(), destinationChild))
        return false;
    QList<int> numbers = indexes();
    std::sort(numbers.begin(), numbers.end());
    const QList<CustomTableItem> moving = items.mid(sourceRow, count);
    items.remove(sourceRow, count);
    const int insertAt = destinationChild > sourceRow ? destinationChild - count : destinationChild;
    for (int i = 0; i < count; ++i)
        items.insert(insertAt + i, moving.at(i));
    // The rows keep the same index numbers, now in the order they stand.
    for (int i = 0; i < items.size(); ++i)
        setIndexOf(items.at(i).object, numbers.at(i));
    endMoveRows();
    emitAllRowsChanged();
    emit playlistChanged();
    return true;
}

Qt::DropActions CustomTableModel::supportedDropActions() const
{
    return QAbstractTableModel::supportedDropActions() | Qt::MoveAction;
}

void CustomTableModel::sort(int, Qt::SortOrder)
{
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

void CustomTableModel::appendItems(const QList<CustomTableItem> &newItems)
{
    if (newItems.isEmpty())
        return;
    const int first = int(items.size());
    beginInsertRows(QModelIndex(), first, first + int(newItems.size()) - 1);
    items.append(newItems);
    endInsertRows();
    emit playlistChanged();
}

void CustomTableModel::appendNumbered(QObject *object)
{
    setIndexOf(object, nextIndex());
    appendItems({CustomTableItem(object)});
}

void CustomTableModel::setItems(const QList<CustomTableItem> &newItems)
{
    beginResetModel();
    items = newItems;
    endResetModel();
    emit playlistChanged();
}

void CustomTableModel::delRow(int start, int count)
{
    if (count < 1 || start < 0)
        return;
    if (items.size() < start + count)
        return; // a range past the end is refused whole
    beginRemoveRows(QModelIndex(), start, start + count - 1);
    for (int pass = 0; pass < count; ++pass) {
        qCDebug(lcUi) << "#CustomTableModel# delRow " << start << ", " << count;
        delete items.at(start).object;
        items.removeAt(start);
    }
    for (int i = start; i < items.size(); ++i) {
        setIndexOf(items.at(i).object, i + 1);
        qCDebug(lcUi) << "#CustomTableModel# delRow() index changed. " << i + 1;
    }
    endRemoveRows();
    // The renumbered rows show their new numbers, open row editors included.
    if (start < items.size())
        emit dataChanged(index(start, 0), index(int(items.size()) - 1, columns - 1));
    emit playlistChanged();
}

void CustomTableModel::refrehItem(const QModelIndex &index)
{
    qCDebug(lcUi) << "#CustomTableModel# refrehItem() " << index;
    emit dataChanged(index, index);
    emit playlistChanged();
}

void CustomTableModel::refreshObject(const QObject *object)
{
    const int row = rowOf(object);
    if (row >= 0)
        refrehItem(index(row, 0));
}

int CustomTableModel::indexOf(const QObject *object)
{
    if (auto *image = qobject_cast<const ImageObject *>(object))
        return image->index();
    if (auto *media = qobject_cast<const MediaObject *>(object))
        return media->index();
    return 0;
}

void CustomTableModel::setIndexOf(QObject *object, int index)
{
    if (auto *image = qobject_cast<ImageObject *>(object))
        image->setIndex(index);
    else if (auto *media = qobject_cast<MediaObject *>(object))
        media->setIndex(index);
}

QList<int> CustomTableModel::indexes() const
{
    QList<int> numbers;
    for (const CustomTableItem &item : items)
        numbers.append(indexOf(item.object));
    return numbers;
}

int CustomTableModel::rowOf(const QObject *object) const
{
    for (int row = 0; row < items.size(); ++row) {
        if (items.at(row).object == object)
            return row;
    }
    return -1;
}

int CustomTableModel::largestIndex() const
{
    return PlaylistOrder::largest(indexes());
}

void CustomTableModel::emitAllRowsChanged()
{
    if (!items.isEmpty())
        emit dataChanged(index(0, 0), index(int(items.size()) - 1, columns - 1));
}

bool CustomTableModel::moveBy(int row, int step)
{
    const int target = row + step;
    if (step == 0 || row < 0 || row >= items.size() || target < 0 || target >= items.size())
        return false;
    // moveRows takes the place before which the row goes, as the rows stand now.
    return moveRows(QModelIndex(), row, 1, QModelIndex(), step < 0 ? target : target + 1);
}

bool CustomTableModel::moveToIndex(QObject *object, int oldIndex, int newIndex)
{
    const int moving = rowOf(object);
    if (moving < 0 || oldIndex == newIndex)
        return false;
    const QList<int> numbers = PlaylistOrder::reindexed(indexes(), moving, oldIndex, newIndex);
    const QList<int> order = PlaylistOrder::stableOrder(numbers);
    for (int row = 0; row < items.size(); ++row)
        setIndexOf(items.at(row).object, numbers.at(row));

    QList<CustomTableItem> reordered;
    for (int row : order)
        reordered.append(items.at(row));
    // Usually one row moves; announced as such, the views keep the selection on it.
    const int target = int(reordered.indexOf(items.at(moving)));
    QList<CustomTableItem> oneMove = items;
    oneMove.move(moving, target);
    if (target == moving) {
        if (reordered != items)
            setItems(reordered);
    } else if (oneMove == reordered) {
        beginMoveRows(QModelIndex(), moving, moving, QModelIndex(), target > moving ? target + 1 : target);
        items = reordered;
        endMoveRows();
    } else {
        setItems(reordered);
    }
    emitAllRowsChanged(); // the index numbers shown in the rows changed
    emit playlistChanged();
    return true;
}
