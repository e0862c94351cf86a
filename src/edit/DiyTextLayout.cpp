#include "edit/DiyTextLayout.h"

#include "edit/DiyDrawing.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>

namespace {

// One entry per code point, so that characters beyond the basic plane stay whole.
QStringList characters(const QString &text)
{
    QStringList list;
    for (char32_t c : text.toUcs4())
        list.append(QString::fromUcs4(&c, 1));
    return list;
}

} // namespace

DiyTextLayout::DiyTextLayout(const QString &text, int style, int radius, const QFont &font)
    : font(font), style(style)
{
    switch (style) {
    case DiyTextStyle::Horizontal:
        layOutHorizontal(text);
        break;
    case DiyTextStyle::Vertical:
        layOutVertical(text);
        break;
    case DiyTextStyle::Round:
        layOutRound(text, radius);
        break;
    default:
        valid = false;
        break;
    }
}

bool DiyTextLayout::isWide(char32_t codePoint)
{
    return codePoint >= 0x4E00 && codePoint <= 0x9FA5;
}

// The baseline sits one ascent below the top, so the drawn text covers what
// the text field showed while typing, descenders included.
void DiyTextLayout::layOutHorizontal(const QString &text)
{
    const QFontMetrics metrics(font);
    placed.append({text, QPointF(0, metrics.ascent()), QRect()});
    box = QSize(metrics.horizontalAdvance(text), metrics.height() + 8);
}

void DiyTextLayout::layOutVertical(const QString &text)
{
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    const int wideCell = metrics.horizontalAdvance(QStringLiteral("国"));
    const int narrowCell = metrics.horizontalAdvance(QStringLiteral("A"));
    const QStringList chars = characters(text);
    int widest = 0;
    for (int i = 0; i < chars.size(); ++i) {
        const int cellWidth = isWide(chars[i].toUcs4().value(0)) ? wideCell : narrowCell;
        placed.append({chars[i], QPointF(), QRect(0, i * lineHeight, cellWidth, lineHeight)});
        widest = qMax(widest, cellWidth);
    }
    box = QSize(widest, int(chars.size()) * lineHeight);
}

void DiyTextLayout::layOutRound(const QString &text, int radius)
{
    const QFontMetrics metrics(font);
    const int wideCell = metrics.horizontalAdvance(QStringLiteral("国"));
    box = QSize(wideCell + 2 * radius, 2 * radius + metrics.height());
    const QStringList chars = characters(text);
    if (chars.isEmpty())
        return;
    // A spoke from the centre (radius, radius) up to one pixel below the top,
    // turned counter-clockwise from 12 o'clock by an equal step per character.
    const qreal step = 360.0 / chars.size();
    QLineF spoke(radius, radius, radius, 1);
    for (int i = 0; i < chars.size(); ++i) {
        const qreal angle = 90 + i * step;
        if (angle >= 450)
            break;
        spoke.setAngle(angle);
        placed.append({chars[i], QPointF(spoke.p2().x(), metrics.ascent() + spoke.p2().y()), QRect()});
    }
}

QImage DiyTextLayout::render(const QColor &colour, const QPoint &origin, const QSize &canvasSize) const
{
    if (!valid || box.isEmpty())
        return QImage();
    const QRect area(origin, box);
    QImage picture = DiyDrawing::clearPicture(box);
    QPainter painter;
    DiyDrawing::beginInBox(painter, picture, area, canvasSize);
    painter.setPen(DiyDrawing::effective(colour));
    painter.setFont(font);
    painter.translate(origin);
    for (const Piece &piece : placed) {
        if (style == DiyTextStyle::Vertical)
            painter.drawText(piece.cell, Qt::AlignCenter, piece.text);
        else
            painter.drawText(piece.baseline, piece.text);
    }
    painter.end();
    return picture;
}
