#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

struct Picture
{
    QString file;
    QSize pixels;                          // size written to disk
    qreal design;                          // width of the drawing grid
    std::function<void(QPainter &)> draw;  // paints on the design grid
};

// Every PNG icon, in the order the contact sheet shows them.
QList<Picture> pngPictures();
QImage render(const Picture &picture);

QImage windowIcon(int side);

// Busy indicator frames, already flattened onto the dialog colour outside the dots.
QList<QImage> spinnerFrames(int side, int count);

// Empty when no installed font has the Chinese badge glyphs.
QString cjkFamily();
