#include "edit/HistoryObject.h"

HistoryObject::HistoryObject(const QImage &picture, int level) : zoomLevel(level), image(picture)
{
}
