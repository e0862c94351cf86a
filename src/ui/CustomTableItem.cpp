#include "ui/CustomTableItem.h"

#include <QModelIndex>
#include <QVariant>

CustomTableItem::CustomTableItem()
{
    typeId();
}

CustomTableItem::CustomTableItem(QObject *object) : object(object)
{
    typeId();
}

int CustomTableItem::typeId()
{
    static const int id = qRegisterMetaType<CustomTableItem>("CustomTableItem");
    return id;
}

QObject *CustomTableItem::objectAt(const QModelIndex &index)
{
    const QVariant value = index.data(Qt::DisplayRole);
    if (!value.canConvert<CustomTableItem>())
        return nullptr;
    return value.value<CustomTableItem>().object;
}
