#pragma once

#include <QImage>
#include <QObject>

// One undo snapshot of the drawing canvas: a whole copy of its picture and the
// zoom level that goes with it.
class HistoryObject : public QObject
{
    Q_OBJECT
public:
    HistoryObject(const QImage &picture, int level);

    int level() const { return zoomLevel; }
    QImage picture() const { return image; }
    void setPicture(const QImage &picture) { image = picture; }
    qint64 bytes() const { return image.sizeInBytes(); }

private:
    int zoomLevel;
    QImage image;
};
