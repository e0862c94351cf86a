#include "edit/DiyPainter.h"

#include "edit/DiyLog.h"
#include "edit/DiyShape.h"
#include "edit/DiyTextLayout.h"
#include "edit/HistoryObject.h"
#include "edit/RingTexture.h"
#include "edit/RoundAreaWidget.h"
#include "edit/ZoomRule.h"

#include <QImageWriter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>

namespace {

// Room for the line edit's own margins and cursor, so typed text never scrolls.
constexpr int editorSlack = 8;
constexpr int minimumEditorWidth = 20;

QImage blankCanvas()
{
    return DiyDrawing::clearPicture(QSize(DiyPainter::areaSide, DiyPainter::areaSide));
}

} // namespace

DiyPainter::DiyPainter(const QString &fileName, QWidget *parent) : QWidget(parent)
{
    ringTexture = RingTexture::make();
    const QImage loaded = fileName.isEmpty() ? QImage() : QImage(fileName);
    // Palette and grey pictures cannot be painted on: draw on a 32-bit copy.
    canvasPicture = loaded.isNull() ? blankCanvas() : loaded.convertToFormat(QImage::Format_ARGB32);
    basePicture = canvasPicture;
    const QPoint areaAt = loaded.isNull() ? QPoint(0, 0)
                                          : QPoint(qMax(0, (loaded.width() - areaSide) / 2),
                                                   qMax(0, (loaded.height() - areaSide) / 2));
    roundArea = QRect(areaAt, QSize(areaSide, areaSide));
    fixSize(canvasPicture.size());
    qCDebug(lcDiy).noquote() << QStringLiteral("#DiyPainter# open \"%1\" %2 x %3")
                                    .arg(fileName)
                                    .arg(canvasPicture.width())
                                    .arg(canvasPicture.height());

    floatingShape = new DiyShape(this);
    floatingShape->setObjectName(QStringLiteral("floatingShape"));
    floatingShape->hide();

    textEditor = new QLineEdit(this);
    textEditor->setObjectName(QStringLiteral("textEditor"));
    textEditor->setFrame(false);
    textEditor->setAutoFillBackground(false);
    setTextEditorColour(textColour);
    textEditor->hide();

    roundAreaWidget = new RoundAreaWidget(this);
    roundAreaWidget->setObjectName(QStringLiteral("roundArea"));
    roundAreaWidget->setTexture(ringTexture);
    roundAreaWidget->move(roundArea.topLeft());
    roundAreaWidget->hide();

    connect(textEditor, &QLineEdit::textEdited, this, &DiyPainter::onTextChanged);
    connect(textEditor, &QLineEdit::returnPressed, this, &DiyPainter::onTextPressEnter);
    connect(floatingShape, &DiyShape::signalPointChanged, this, &DiyPainter::onShapeWidgetPointChanged);

    historyList.append(canvasPicture, 0);
}

DiyPainter::~DiyPainter() = default;

void DiyPainter::setBackgroundColor(const QColor &colour)
{
    pen.backgroundColor = colour;
    update();
}

void DiyPainter::setTextFont(const QFont &textFont)
{
    font = textFont;
}

// ---- the text field ---------------------------------------------------------

bool DiyPainter::isTyping() const
{
    return !textEditor->isHidden();
}

void DiyPainter::focusTextEditor()
{
    textEditor->setFocus();
}

void DiyPainter::setTextEditorColour(const QColor &colour)
{
    QPalette pal = textEditor->palette();
    pal.setColor(QPalette::Text, DiyDrawing::effective(colour));
    // Transparent, so the canvas shows behind what is typed.
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Window, Qt::transparent);
    textEditor->setPalette(pal);
}

void DiyPainter::setTextEditorFont(const QFont &editorFont)
{
    textEditor->setFont(editorFont);
    const int height = textEditor->fontMetrics().height();
    textEditor->setMinimumHeight(height);
    textEditor->setMaximumHeight(height);
    onTextChanged(textEditor->text());
}

void DiyPainter::onTextChanged(const QString &text)
{
    const int width = textEditor->fontMetrics().horizontalAdvance(text) + editorSlack;
    textEditor->resize(qMax(width, minimumEditorWidth), textEditor->height());
}

void DiyPainter::startTyping(const QPoint &at)
{
    setTextEditorFont(font);
    setTextEditorColour(textColour);
    textEditor->clear();
    onTextChanged(QString());
    textEditor->move(at);
    textEditor->show();
    textEditor->raise();
    textEditor->setFocus();
}

void DiyPainter::onTextPressEnter()
{
    const QPoint origin = !textEditor->isHidden() ? textEditor->pos() : floatingShape->pos();
    const DiyTextLayout layout(textEditor->text(), textLayoutStyle, roundTextRadius, textEditor->font());
    if (!layout.isValid())
        return;
    showFloating(layout.render(textColour, origin, size()), origin);
    textEditor->hide();
    // Text counts as drawing: closing the editor must not drop it unasked.
    if (!floatingShape->currentImage().isNull())
        modified = true;
}

// ---- floating shape ---------------------------------------------------------

void DiyPainter::showFloating(const QImage &picture, const QPoint &at)
{
    floatingShape->setCurrentImage(picture);
    floatingShape->move(at);
    // An empty shape would only catch clicks meant for the canvas.
    floatingShape->setVisible(!picture.isNull());
    floatingShape->raise();
    previewShown = false;
    update();
}

void DiyPainter::onShapeWidgetPointChanged(QPoint)
{
    repaintShape();
}

void DiyPainter::repaintShape()
{
    if (floatingShape->isHidden() || DiyDrawing::isStroke(shapeType))
        return;
    if (shapeType == DiyTool::Text) {
        if (textEditor->isHidden())
            onTextPressEnter();
        return;
    }
    // The shape stays where it was dragged; its picture is drawn afresh.
    const QImage picture = DiyDrawing::renderAlone(shapeType, startPoint, endPoint, pen, size());
    showFloating(picture, floatingShape->pos());
    modified = true;
}

bool DiyPainter::enterDiyShape()
{
    const QImage shape = floatingShape->currentImage();
    if (shape.isNull())
        return false;
    endStroke();
    if (!canvasPicture.isNull()) {
        QPainter painter(&canvasPicture);
        painter.drawImage(floatingShape->pos(), shape);
    }
    floatingShape->setCurrentImage(QImage());
    floatingShape->hide();
    level = 0;
    basePicture = canvasPicture;
    snapshot(canvasPicture, 0);
    previewShown = false;
    update();
    return true;
}

void DiyPainter::finishTypingAndMerge()
{
    if (textEditor->text().isEmpty())
        textEditor->hide();
    if (!textEditor->isHidden())
        onTextPressEnter();
    if (enterDiyShape())
        startPoint = QPoint();
}

void DiyPainter::finishPending()
{
    if (!textEditor->isHidden())
        onTextPressEnter();
    enterDiyShape();
}

void DiyPainter::selectTool(int tool)
{
    if (!textEditor->isHidden())
        onTextPressEnter();
    enterDiyShape();
    shapeType = tool;
    if (tool == DiyTool::Move)
        enterAreaMoveMode();
    else
        leaveAreaMoveMode();
}

// ---- round area -------------------------------------------------------------

void DiyPainter::enterAreaMoveMode()
{
    if (areaMoveMode)
        return;
    finishTypingAndMerge();
    roundAreaWidget->move(roundArea.topLeft());
    roundAreaWidget->show();
    roundAreaWidget->raise();
    areaMoveMode = true;
    update();
}

void DiyPainter::leaveAreaMoveMode()
{
    if (!areaMoveMode)
        return;
    finishTypingAndMerge();
    roundAreaWidget->hide();
    roundArea.moveTopLeft(roundAreaWidget->pos());
    areaMoveMode = false;
    update();
}

// ---- history ----------------------------------------------------------------

void DiyPainter::snapshot(const QImage &picture, int snapshotLevel)
{
    historyList.append(picture, snapshotLevel);
}

// A stroke's snapshot shares the canvas picture; refreshing it on every mouse
// move would copy the whole canvas each time, so it is brought up to date when
// the stroke ends or before anything else reads the history.
void DiyPainter::syncStroke()
{
    if (!strokeEntry || !strokeEntryStale)
        return;
    historyList.update(strokeEntry, canvasPicture);
    basePicture = canvasPicture;
    strokeEntryStale = false;
}

void DiyPainter::endStroke()
{
    syncStroke();
    strokeEntry = nullptr;
}

void DiyPainter::revokeCancel()
{
    if (!textEditor->isHidden()) {
        textEditor->hide();
        previewShown = false;
        update();
        return;
    }
    if (!floatingShape->isHidden() && !floatingShape->currentImage().isNull()) {
        floatingShape->setCurrentImage(QImage());
        floatingShape->hide();
        previewShown = false;
        update();
        return;
    }
    endStroke();
    if (historyList.size() < 2)
        return;
    historyList.removeNewest();
    const HistoryObject *entry = historyList.newest();
    canvasPicture = entry->picture();
    basePicture = canvasPicture;
    if (entry->level() != -1)
        level = entry->level();
    previewShown = false;
    fixSize(canvasPicture.size());
    update();
}

// ---- zoom -------------------------------------------------------------------

bool DiyPainter::zoomIn()
{
    return zoomStep(+1);
}

bool DiyPainter::zoomOut()
{
    return zoomStep(-1);
}

bool DiyPainter::zoomStep(int delta)
{
    leaveAreaMoveMode();
    endStroke();
    if (basePicture.isNull())
        return false;
    finishTypingAndMerge();

    const int before = level;
    if (!ZoomRule::stepAllowed(basePicture.size(), before, before + delta)) {
        qCDebug(lcDiy) << "#DiyPainter# zoom step refused at level" << before << "of" << basePicture.size();
        return false;
    }
    level = before + delta;
    const QSize target = ZoomRule::zoomedSize(basePicture.size(), level);
    canvasPicture = target.isEmpty()
                        ? QImage()
                        : basePicture.scaled(target, Qt::KeepAspectRatioByExpanding, Qt::FastTransformation);
    snapshot(canvasPicture, before);
    fixSize(target);
    move(5, 5);
    // The round area goes back to the middle of the new size.
    roundArea.moveTopLeft(QPoint((target.width() - areaSide) / 2, (target.height() - areaSide) / 2));
    update();
    qCDebug(lcDiy) << "#DiyPainter# zoom level" << level << "size" << target;
    return true;
}

void DiyPainter::fixSize(const QSize &newSize)
{
    setMinimumSize(newSize);
    setMaximumSize(newSize);
    resize(newSize);
}

// ---- results ----------------------------------------------------------------

QImage DiyPainter::getImage()
{
    leaveAreaMoveMode();
    syncStroke();
    const QPoint at = roundArea.topLeft();
    // The canvas over the background, on a picture reaching from (0, 0) to the
    // area's far corner; only the part under the area is composed.
    const QSize composed(at.x() < 0 ? areaSide : at.x() + areaSide, at.y() < 0 ? areaSide : at.y() + areaSide);
    const QRect covered = QRect(QPoint(0, 0), composed).translated(-at).intersected(QRect(0, 0, areaSide, areaSide));
    QImage square(areaSide, areaSide, QImage::Format_ARGB32);
    square.fill(0);
    QPainter painter(&square);
    painter.setClipRect(covered);
    if (pen.backgroundColor.isValid())
        painter.fillRect(covered, pen.backgroundColor);
    if (!canvasPicture.isNull())
        painter.drawImage(-at, canvasPicture);
    painter.end();
    return square;
}

bool DiyPainter::saveImage(const QString &fileName, QString *error)
{
    finishPending();
    leaveAreaMoveMode();
    syncStroke();
    auto fail = [&](const QString &reason) {
        qCDebug(lcDiy).noquote() << QStringLiteral("#DiyPainter# saveImage \"%1\" failed: %2").arg(fileName, reason);
        if (error)
            *error = reason;
        return false;
    };
    if (canvasPicture.isNull())
        return fail(tr("the picture is empty (zoomed out to nothing)."));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(canvasPicture)) {
        file.cancelWriting();
        return fail(writer.errorString());
    }
    if (!file.commit())
        return fail(file.errorString());
    modified = false;
    return true;
}

// ---- mouse and painting -----------------------------------------------------

void DiyPainter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || areaMoveMode)
        return;
    if (textEditor->text().isEmpty())
        textEditor->hide();
    if (!textEditor->isHidden()) {
        onTextPressEnter();
        return;
    }
    // The click that ends a floating shape does not start a new one.
    if (enterDiyShape()) {
        startPoint = QPoint();
        return;
    }
    if (shapeType == DiyTool::Text) {
        startTyping(event->position().toPoint());
        return;
    }
    startPoint = event->position().toPoint();
    endPoint = startPoint;
    previewShown = true;
    previewDragged = false;
}

void DiyPainter::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || areaMoveMode || startPoint.isNull())
        return;
    if (shapeType == DiyTool::Text)
        return;
    if (DiyDrawing::isStroke(shapeType)) {
        endPoint = event->position().toPoint();
        previewShown = false;
        drawStrokeSegment();
        return;
    }
    const QRect before = previewArea();
    endPoint = event->position().toPoint();
    previewShown = true;
    previewDragged = true;
    modified = true;
    update(before.united(previewArea()));
}

void DiyPainter::drawStrokeSegment()
{
    const QRect dirty = DiyDrawing::boundingBox(startPoint, endPoint, pen.penWidth).adjusted(-2, -2, 2, 2);
    if (!canvasPicture.isNull()) {
        QPainter painter(&canvasPicture);
        DiyDrawing::draw(painter, shapeType, startPoint, endPoint, pen);
    }
    startPoint = endPoint;
    modified = true;
    if (strokeEntry) {
        strokeEntryStale = true;
    } else {
        strokeEntry = historyList.append(canvasPicture, level);
        basePicture = canvasPicture;
        strokeEntryStale = false;
    }
    level = 0;
    update(dirty);
}

void DiyPainter::mouseReleaseEvent(QMouseEvent *event)
{
    if (areaMoveMode)
        return;
    if (DiyDrawing::isStroke(shapeType)) {
        endStroke(); // the next stroke gets a snapshot of its own
        return;
    }
    if (event->button() != Qt::LeftButton || startPoint.isNull() || shapeType == DiyTool::Text)
        return;
    const QRect before = previewArea();
    endPoint = event->position().toPoint();
    previewShown = false;
    if (endPoint == startPoint) {
        update(before);
        return;
    }
    const QRect box = DiyDrawing::boundingBox(startPoint, endPoint, pen.penWidth);
    showFloating(DiyDrawing::renderAlone(shapeType, startPoint, endPoint, pen, size()), box.topLeft());
    modified = true;
}

QRect DiyPainter::previewArea() const
{
    if (!previewShown || !previewDragged)
        return QRect();
    return DiyDrawing::boundingBox(startPoint, endPoint, pen.penWidth).adjusted(-2, -2, 2, 2);
}

void DiyPainter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (pen.backgroundColor.isValid())
        painter.fillRect(dirty, pen.backgroundColor);
    if (!canvasPicture.isNull())
        painter.drawImage(dirty.topLeft(), canvasPicture, dirty);
    // The dragged shape is drawn over the canvas here rather than into a copy
    // of the whole canvas on every mouse move.
    if (previewShown && previewDragged && !DiyDrawing::isStroke(shapeType) && shapeType != DiyTool::Text)
        DiyDrawing::draw(painter, shapeType, startPoint, endPoint, pen);
    if (!areaMoveMode)
        painter.drawImage(roundArea.topLeft(), ringTexture);
}
