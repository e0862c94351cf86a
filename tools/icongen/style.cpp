#include "style.h"

#include <QtMath>

namespace Style {

QImage transparentCanvas(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginPainting(QPainter &p, QImage &image, qreal scale)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
}

QPen outlinePen(const QColor &color, qreal width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath roundedRect(const QRectF &rect, qreal r)
{
    QPainterPath path;
    path.addRoundedRect(rect, r, r);
    return path;
}

void fillAndStroke(QPainter &p, const QPainterPath &path, const QColor &fill)
{
    p.fillPath(path, fill);
    p.strokePath(path, outlinePen());
}

void clearArea(QPainter &p, const QPainterPath &area)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(area, Qt::black);
    p.restore();
}

void pencil(QPainter &p, const QPointF &tip, qreal angleDeg, qreal length, qreal width)
{
    // Drawn along +x from the tip, then turned into place.
    const qreal h = width / 2;
    const qreal cone = width * 1.1;
    const qreal band = width * 0.75;

    p.save();
    p.translate(tip);
    p.rotate(angleDeg);

    QPainterPath outline;
    outline.moveTo(0, 0);
    outline.lineTo(cone, -h);
    outline.lineTo(length - h, -h);
    outline.arcTo(QRectF(length - 2 * h, -h, 2 * h, width), 90, -180);
    outline.lineTo(cone, h);
    outline.closeSubpath();

    p.fillPath(outline, wood);
    p.fillRect(QRectF(cone, -h, length - cone - band, width), orange);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(length - band, -h, band, width), red);
    p.restore();

    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(cone * 0.4, -h * 0.4);
    lead.lineTo(cone * 0.4, h * 0.4);
    lead.closeSubpath();
    p.fillPath(lead, ink);

    const QPen pen = outlinePen();
    p.strokePath(outline, pen);
    p.setPen(pen);
    p.drawLine(QPointF(cone, -h), QPointF(cone, h));
    p.restore();
}

void usbStick(QPainter &p, const QRectF &body, bool connectorUp)
{
    const qreal cw = body.width() * 0.6;
    const qreal ch = body.height() * 0.4;
    const qreal cy = connectorUp ? body.top() - ch + 1 : body.bottom() - 1;
    const QRectF connector(body.center().x() - cw / 2, cy, cw, ch);
    fillAndStroke(p, roundedRect(connector, 1.5), white);
    const qreal hole = cw * 0.22;
    const qreal hy = connector.center().y() - hole / 2 + (connectorUp ? -1 : 1);
    p.fillRect(QRectF(connector.left() + cw * 0.22, hy, hole, hole), ink);
    p.fillRect(QRectF(connector.right() - cw * 0.22 - hole, hy, hole, hole), ink);
    fillAndStroke(p, roundedRect(body, smallRadius + 1), blue);
}

void plusBadge(QPainter &p, const QPointF &centre, qreal r)
{
    QPainterPath gap;
    gap.addEllipse(centre, r + 3, r + 3);
    clearArea(p, gap);
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawEllipse(centre, r, r);
    p.setPen(outlinePen(white, stroke));
    const qreal arm = r * 0.5;
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void playTriangle(QPainter &p, const QPointF &centre, qreal size, const QColor &color)
{
    // Shifted right so the triangle looks centred by its area, not its box.
    const qreal h = size / 2;
    const QPointF c = centre + QPointF(size * 0.1, 0);
    QPainterPath tri;
    tri.moveTo(c + QPointF(-h * 0.85, -h));
    tri.lineTo(c + QPointF(h, 0));
    tri.lineTo(c + QPointF(-h * 0.85, h));
    tri.closeSubpath();
    p.fillPath(tri, color);
    p.strokePath(tri, outlinePen(color, size * 0.12));
}

QPainterPath lineLetters(const QString &text, const QRectF &box)
{
    const qreal h = box.height();
    auto widthOf = [h](QChar c) {
        switch (c.unicode()) {
        case 'E': return h * 0.52;
        case 'F': return h * 0.5;
        case 'G': return h * 0.78;
        case 'N': return h * 0.66;
        default: return 0.0;
        }
    };
    const qreal gap = h * 0.3;
    qreal total = -gap;
    for (QChar c : text)
        total += widthOf(c) + gap;

    QPainterPath path;
    qreal x = box.center().x() - total / 2;
    const qreal top = box.top();
    const qreal bottom = box.bottom();
    const qreal mid = box.center().y();
    for (QChar c : text) {
        const qreal w = widthOf(c);
        switch (c.unicode()) {
        case 'E':
            path.moveTo(x + w, top);
            path.lineTo(x, top);
            path.lineTo(x, bottom);
            path.lineTo(x + w, bottom);
            path.moveTo(x, mid);
            path.lineTo(x + w * 0.85, mid);
            break;
        case 'F':
            path.moveTo(x + w, top);
            path.lineTo(x, top);
            path.lineTo(x, bottom);
            path.moveTo(x, mid);
            path.lineTo(x + w * 0.85, mid);
            break;
        case 'G': {
            const QRectF r(x, top, w, h);
            path.arcMoveTo(r, 45);
            path.arcTo(r, 45, 315);
            path.lineTo(x + w * 0.55, mid);
            break;
        }
        case 'I':
            path.moveTo(x, top);
            path.lineTo(x, bottom);
            break;
        case 'N':
            path.moveTo(x, bottom);
            path.lineTo(x, top);
            path.lineTo(x + w, bottom);
            path.lineTo(x + w, top);
            break;
        default:
            break;
        }
        x += w + gap;
    }
    return path;
}

} // namespace Style
