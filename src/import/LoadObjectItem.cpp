#include "import/LoadObjectItem.h"

LoadObjectItem::LoadObjectItem(int index, int count, const QString &path)
    : position(index), total(count), file(path)
{
}
