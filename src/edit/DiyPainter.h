#pragma once

#include "edit/DiyDrawing.h"
#include "edit/DiyHistory.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

class DiyShape;
class HistoryObject;
class QLineEdit;
class RoundAreaWidget;

// The drawing surface of the DIY editor. Strokes go straight onto the canvas
// picture; every other shape, and text, first floats as a DiyShape that the
// next click merges. Merges, strokes and zoom steps leave undo snapshots. The
// round display area (a 450 x 450 square) is marked by the ring and, in
// area-move mode, placed by dragging a RoundAreaWidget; getImage() returns
// the square under it.
class DiyPainter : public QWidget
{
    Q_OBJECT
public:
    static constexpr int areaSide = 450;

    // A file that does not load gives a blank, transparent 450 x 450 canvas.
    explicit DiyPainter(const QString &fileName, QWidget *parent = nullptr);
    ~DiyPainter() override;

    // Settings; the editor window calls repaintShape() after changing one, so
    // that a floating shape takes it at once.
    void setBackgroundColor(const QColor &colour);
    QColor backgroundColor() const { return pen.backgroundColor; }
    void setShapeType(int tool) { shapeType = tool; }
    int currentShapeType() const { return shapeType; }
    void setPenColor(const QColor &colour) { pen.penColor = colour; }
    void setBrushColor(const QColor &colour) { pen.brushColor = colour; }
    void setPenStyle(Qt::PenStyle style) { pen.penStyle = style; }
    void setPenWidth(int width) { pen.penWidth = width; }
    const DiyPenSettings &penSettings() const { return pen; }
    void setTextFont(const QFont &font);
    QFont textFont() const { return font; }
    void setTextColor(const QColor &colour) { textColour = colour; }
    QColor textColor() const { return textColour; }
    void setTextStyle(int style) { textLayoutStyle = style; }
    int textStyle() const { return textLayoutStyle; }
    void setTextRadius(int radius) { roundTextRadius = radius; }
    int textRadius() const { return roundTextRadius; }

    // The one-line field where text is typed.
    bool isTyping() const;
    void focusTextEditor();
    void setTextEditorColour(const QColor &colour);
    // The field's font, one line high, as wide as its text.
    void setTextEditorFont(const QFont &font);

    // The editor's tool change: typed text and a floating shape are merged
    // first; the move tool enters area-move mode, every other tool leaves it.
    void selectTool(int tool);

    bool isAreaMoveMode() const { return areaMoveMode; }
    // Both finish typed text and a floating shape first.
    void enterAreaMoveMode();
    void leaveAreaMoveMode();

    // Re-renders the floating shape with the current settings.
    void repaintShape();
    // Merges the floating shape into the canvas picture; false when none floats.
    bool enterDiyShape();
    // Typed text becomes a shape, and the floating shape is merged.
    void finishPending();
    // Undo: drops typed text, else the floating shape, else the newest snapshot.
    void revokeCancel();
    // One zoom step each; false when the step is refused.
    bool zoomIn();
    bool zoomOut();

    // Finishes pending work and writes the canvas picture (without the
    // background colour) as PNG; a failed write leaves no file under the
    // name and says why in error.
    bool saveImage(const QString &fileName, QString *error = nullptr);
    // The 450 x 450 square under the round area, over the background colour;
    // what lies left of or above the canvas is transparent black.
    QImage getImage();

    bool isModified() const { return modified; }
    void setModified(bool on) { modified = on; }

    QImage canvasImage() const { return canvasPicture; }
    QRect roundAreaRect() const { return roundArea; }
    int zoomLevel() const { return level; }
    const DiyHistory &history() const { return historyList; }
    bool isPreviewShown() const { return previewShown; }

public slots:
    void onTextChanged(const QString &text);
    void onTextPressEnter();
    void onShapeWidgetPointChanged(QPoint point);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool zoomStep(int delta);
    void startTyping(const QPoint &at);
    void finishTypingAndMerge();
    void drawStrokeSegment();
    void showFloating(const QImage &picture, const QPoint &at);
    void snapshot(const QImage &picture, int snapshotLevel);
    void syncStroke();
    void endStroke();
    void fixSize(const QSize &size);
    QRect previewArea() const;

    DiyHistory historyList;
    HistoryObject *strokeEntry = nullptr; // snapshot of the running stroke, an element of historyList
    bool strokeEntryStale = false;        // the stroke drew since its snapshot was last brought up to date
    QImage ringTexture;
    QRect roundArea;
    QImage canvasPicture;
    QImage basePicture;
    int level = 0;
    bool previewShown = false;
    bool previewDragged = false; // the drag has moved, so there is a shape to preview
    bool modified = false;
    bool areaMoveMode = false;
    int shapeType = DiyTool::Rect;
    DiyPenSettings pen;
    QFont font;
    QColor textColour;
    int textLayoutStyle = 0;
    int roundTextRadius = 0;
    QLineEdit *textEditor = nullptr;
    DiyShape *floatingShape = nullptr;
    RoundAreaWidget *roundAreaWidget = nullptr;
    QPoint startPoint;
    QPoint endPoint;
};
