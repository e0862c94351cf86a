#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>

// Shared palette, measures and motifs, so every picture reads as one family.
namespace Style {

inline const QColor ink{0x22, 0x31, 0x3f};
inline const QColor blue{0x1e, 0x6f, 0xd9};
inline const QColor sky{0xd6, 0xe6, 0xfb};
inline const QColor orange{0xf2, 0x8c, 0x28};
inline const QColor green{0x25, 0x9a, 0x5c};
inline const QColor red{0xdd, 0x3f, 0x35};
inline const QColor wood{0xf6, 0xd9, 0xa8};
inline const QColor white{0xff, 0xff, 0xff};

// Toolbar and button icons are drawn on a 64-unit grid.
constexpr qreal grid = 64;
constexpr qreal stroke = 4;
constexpr qreal radius = 6;
constexpr qreal smallRadius = 3;

QImage transparentCanvas(const QSize &size);
void beginPainting(QPainter &p, QImage &image, qreal scale);

QPen outlinePen(const QColor &color = ink, qreal width = stroke);
QPainterPath roundedRect(const QRectF &rect, qreal r = radius);
void fillAndStroke(QPainter &p, const QPainterPath &path, const QColor &fill);

// Clears a ring around a motif laid over another, so both stay apart when small.
void clearArea(QPainter &p, const QPainterPath &area);

void pencil(QPainter &p, const QPointF &tip, qreal angleDeg, qreal length, qreal width);
void usbStick(QPainter &p, const QRectF &body, bool connectorUp);
void plusBadge(QPainter &p, const QPointF &centre, qreal r);
void playTriangle(QPainter &p, const QPointF &centre, qreal size, const QColor &color);

// Capital letters from straight strokes and arcs: only E, F, G, I and N are needed.
QPainterPath lineLetters(const QString &text, const QRectF &box);

} // namespace Style
