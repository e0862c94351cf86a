#pragma once

#include "ui/CustomTableItem.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// A one-column table over playlist rows. The rows are drawn and edited by the
// row delegates; the model only stores them. delRow deletes the row's object.
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
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void appendItems(const QList<CustomTableItem> &newItems);
    void setItems(const QList<CustomTableItem> &newItems);
    void delRow(int start, int count);
    void refrehItem(const QModelIndex &index);

    QList<CustomTableItem> itemList() const { return items; }

private:
    QList<CustomTableItem> items;
    QHash<int, QVariant> headerTexts;
    int columns;
};
