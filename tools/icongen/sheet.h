#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

// Shows every picture at the size and on the background the program uses.
QImage contactSheet(const QMap<QString, QImage> &images, const QList<QImage> &spinner);
