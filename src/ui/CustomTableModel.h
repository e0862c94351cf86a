#pragma once

#include "ui/CustomTableItem.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// A one-column table over playlist rows. The rows are drawn and edited by the
// row delegates. The model owns the rows: every change of order, index
// number or membership goes through it, announced to the views. delRow
// deletes the row's object. UI thread only.
class CustomTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    CustomTableModel(const QList<CustomTableItem> &items, int columnCount, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    // Dragging rows within their list: the rows travel by number, and a drop
    // moves them with moveRows (a drag to another list is refused).
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    // Moves count rows before destinationChild (a row number as it stands
    // before the move); the index numbers follow the new order.
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count, const QModelIndex &destinationParent,
                  int destinationChild) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void appendItems(const QList<CustomTableItem> &newItems);
    // Gives the object the next index number and appends it as the last row.
    void appendNumbered(QObject *object);
    void setItems(const QList<CustomTableItem> &newItems);
    void delRow(int start, int count);
    void refrehItem(const QModelIndex &index);
    // Repaints the row that shows object (its time or loop count changed).
    void refreshObject(const QObject *object);

    // Moves the row step places up (negative) or down; false at either end
    // of the list or for a row outside it.
    bool moveBy(int row, int step);

    // Moves object from index number oldIndex to newIndex (no larger than the
    // largest index): the entries in between shift by one and the rows follow
    // the numbers. False when nothing had to move.
    bool moveToIndex(QObject *object, int oldIndex, int newIndex);

    QList<CustomTableItem> itemList() const { return items; }
    // The row's object, when it is a T; null for a row outside the list.
    template<typename T>
    T *objectAt(int row) const
    {
        return row >= 0 && row < items.size() ? qobject_cast<T *>(items.at(row).object) : nullptr;
    }
    template<typename T>
    QList<T *> objectsOf() const
    {
        QList<T *> objects;
        for (const CustomTableItem &item : items) {
            if (auto *object = qobject_cast<T *>(item.object))
                objects.append(object);
        }
        return objects;
    }
    // -1 when the object is in no row.
    int rowOf(const QObject *object) const;
    int largestIndex() const;
    // The index number a new entry gets: one more than the largest (1 when empty).
    int nextIndex() const { return largestIndex() + 1; }

signals:
    // Rows came, went, moved, or a row's content was changed through the model.
    void playlistChanged();

private:
    static int indexOf(const QObject *object);
    static void setIndexOf(QObject *object, int index);
    QList<int> indexes() const;
    void emitAllRowsChanged();

    QList<CustomTableItem> items;
    QHash<int, QVariant> headerTexts;
    int columns;
};
