#pragma once

#include <QMetaType>

class QModelIndex;
class QObject;

// The value of one playlist row: a pointer to its ImageObject or MediaObject.
// Copied by value; the model that holds it decides who owns the object.
class CustomTableItem
{
public:
    CustomTableItem();
    explicit CustomTableItem(QObject *object);

    // Registers the meta-type once; later calls return the cached id.
    static int typeId();
    // The object of the row at index; null when the row holds no item.
    static QObject *objectAt(const QModelIndex &index);

    bool operator==(const CustomTableItem &other) const { return object == other.object; }
    bool operator!=(const CustomTableItem &other) const { return object != other.object; }

    QObject *object = nullptr;
};

Q_DECLARE_METATYPE(CustomTableItem)
