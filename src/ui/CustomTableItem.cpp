#include "ui/CustomTableItem.h"

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
