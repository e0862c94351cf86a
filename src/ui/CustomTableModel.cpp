#include "ui/CustomTableModel.h"

#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/UiLog.h"


namespace {
void setObjectIndex(QObject *object, int index)
{
    if (auto *image = qobject_cast<ImageObject *>(object))
        image->setIndex(index);
    else if (auto *media = qobject_cast<MediaObject *>(object))
        media->setIndex(index);
}
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
    return index.isValid() ? base : base | Qt::ItemIsDropEnabled;
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
}

void CustomTableModel::setItems(const QList<CustomTableItem> &newItems)
{
    beginResetModel();
    items = newItems;
    endResetModel();
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
        setObjectIndex(items.at(i).object, i + 1);
        qCDebug(lcUi) << "#CustomTableModel# delRow() index changed. " << i + 1;
    }
    endRemoveRows();
}

void CustomTableModel::refrehItem(const QModelIndex &index)
{
    qCDebug(lcUi) << "#CustomTableModel# refrehItem() " << index;
    emit dataChanged(index, index);
}
