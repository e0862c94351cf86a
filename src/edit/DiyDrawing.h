#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// Tool codes of the drawing canvas; the editor window's tool buttons set them.
namespace DiyTool {
enum : int {
    Pen = 1,
    Line = 2,
    Rect = 3,
    RoundRect = 4,
    Ellipse = 5,
    Text = 6,
    Move = 7,
    Erase = 8,
};
}

// How text is laid out on the canvas.
namespace DiyTextStyle {
enum : int {
    Horizontal = 0,
    Vertical = 1,
    Round = 2,
};
}

// The pen and brush settings of one drawing.
struct DiyPenSettings
{
    QColor penColor = Qt::black;
    QColor brushColor = Qt::black;
    QColor backgroundColor = Qt::white; // the eraser's colour
    Qt::PenStyle penStyle = Qt::SolidLine;
    int penWidth = 1; // below 1: no pen at all
};

// Drawing one shape of a tool from a start to an end point, the same way on
// every target (the drag preview, a stroke segment, the floating shape).
class DiyDrawing
{
public:
    static constexpr int roundness = 25; // relative, 0 to 99, of rounded rectangles

    // An unset colour draws as opaque black.
    static QColor effective(const QColor &colour);

    static bool isStroke(int tool) { return tool == DiyTool::Pen || tool == DiyTool::Erase; }

    // Pen and brush of the tool on the painter, then the shape.
    static void draw(QPainter &painter, int tool, const QPoint &start, const QPoint &end,
                     const DiyPenSettings &settings);

    // The box a floating shape takes: the two points' rectangle grown by the pen width.
    static QRect boundingBox(const QPoint &start, const QPoint &end, int penWidth);

    // The shape alone on a transparent picture of the canvas's size, cut to its
    // bounding box: what lies beyond the canvas is cut off, nothing else. Only
    // the box itself is allocated, so this stays cheap on a large canvas.
    static QImage renderAlone(int tool, const QPoint &start, const QPoint &end, const DiyPenSettings &settings,
                              const QSize &canvasSize);

    // A transparent picture of box's size for drawing in canvas coordinates:
    // the painter is translated and clipped to the canvas.
    static QImage clearPicture(const QSize &size);
    static void beginInBox(QPainter &painter, QImage &boxPicture, const QRect &box, const QSize &canvasSize);
};
