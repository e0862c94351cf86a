#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

// Where the characters of a text stand in the canvas's three text styles,
// relative to the text's top-left corner:
// - horizontal: the whole text on one line;
// - vertical: one character per line, each centred in a cell as wide as "国"
//   for CJK ideographs and as wide as "A" for everything else;
// - round: the characters upright on a circle of the given radius, the first
//   at the top, running counter-clockwise.
class DiyTextLayout
{
public:
    struct Piece {
        QString text;
        QPointF baseline; // horizontal and round styles: where the text's baseline starts
        QRect cell;       // vertical style: the cell the character is centred in
    };

    DiyTextLayout(const QString &text, int style, int radius, const QFont &font);

    // False for an unknown style: such text is not drawn at all.
    bool isValid() const { return valid; }
    QSize boxSize() const { return box; }
    const QList<Piece> &pieces() const { return placed; }

    // The text in colour on a transparent picture of the box's size, as drawn
    // on a canvas of canvasSize with the box's top-left at origin: what lies
    // beyond the canvas is cut off.
    QImage render(const QColor &colour, const QPoint &origin, const QSize &canvasSize) const;

    // Code points 0x4E00 to 0x9FA5 take the wide cell of the vertical style.
    static bool isWide(char32_t codePoint);

private:
    void layOutHorizontal(const QString &text);
    void layOutVertical(const QString &text);
    void layOutRound(const QString &text, int radius);

    QFont font;
    int style;
    bool valid = true;
    QSize box;
    QList<Piece> placed;
};
