#include "icons.h"

#include "style.h"

#include <QConicalGradient>
#include <QFontDatabase>
#include <QRadialGradient>
#include <QRawFont>
#include <QtMath>

using namespace Style;

namespace {

// ---- toolbar (64 grid, shown at 30 px) ----

void drawPictureCard(QPainter &p, const QRectF &card)
{
    const QPainterPath frame = roundedRect(card);
    p.fillPath(frame, sky);
    p.save();
    p.setClipPath(frame);
    const qreal l = card.left(), b = card.bottom(), w = card.width(), h = card.height();
    QPainterPath hills;
    hills.moveTo(l, b);
    hills.lineTo(l + w * 0.36, card.top() + h * 0.42);
    hills.lineTo(l + w * 0.58, card.top() + h * 0.66);
    hills.lineTo(l + w * 0.74, card.top() + h * 0.52);
    hills.lineTo(card.right() + 2, b - h * 0.08);
    hills.lineTo(card.right() + 2, b + 2);
    hills.closeSubpath();
    p.fillPath(hills, blue);
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawEllipse(QPointF(l + w * 0.72, card.top() + h * 0.28), h * 0.13, h * 0.13);
    p.restore();
    p.strokePath(frame, outlinePen());
}

void drawFilmCard(QPainter &p, const QRectF &card)
{
    const QPainterPath frame = roundedRect(card);
    p.fillPath(frame, ink);
    const qreal strip = card.width() * 0.2;
    const QRectF screen(card.left() + strip, card.top(), card.width() - 2 * strip, card.height());
    p.fillRect(screen, blue);
    // Sprocket holes down both edges.
    const int holes = 4;
    const qreal hole = strip * 0.42;
    for (int i = 0; i < holes; ++i) {
        const qreal y = card.top() + card.height() * (i + 0.5) / holes - hole / 2;
        for (qreal x : {card.left() + strip / 2, card.right() - strip / 2})
            p.fillPath(roundedRect(QRectF(x - hole / 2, y, hole, hole), 1), white);
    }
    playTriangle(p, screen.center(), screen.height() * 0.4, white);
    p.strokePath(frame, outlinePen());
}

void openPicture(QPainter &p)
{
    drawPictureCard(p, QRectF(4, 8, 50, 42));
    plusBadge(p, QPointF(50, 50), 11);
}

void importMedia(QPainter &p)
{
    drawFilmCard(p, QRectF(4, 8, 50, 42));
    plusBadge(p, QPointF(50, 50), 11);
}

void importGif(QPainter &p)
{
    fillAndStroke(p, roundedRect(QRectF(14, 4, 46, 36)), sky);
    const QRectF front(4, 14, 48, 38);
    fillAndStroke(p, roundedRect(front), white);
    p.strokePath(lineLetters(QStringLiteral("GIF"), QRectF(10, 24, 34, 18)),
                 outlinePen(blue, stroke + 0.5));
    plusBadge(p, QPointF(50, 50), 11);
}

void newDrawing(QPainter &p)
{
    // A round canvas: the display shows round pictures.
    fillAndStroke(p, [] { QPainterPath c; c.addEllipse(QPointF(28, 36), 24, 24); return c; }(), white);
    QPainterPath line;
    line.moveTo(14, 44);
    line.cubicTo(20, 30, 26, 50, 34, 34);
    p.strokePath(line, outlinePen(blue, stroke));
    pencil(p, QPointF(34, 32), -45, 38, 12);
}

void downloadToStick(QPainter &p)
{
    usbStick(p, QRectF(17, 24, 30, 26), false);
    // Arrow down into the stick, set apart from it by a thin gap.
    QPainterPath arrow;
    arrow.moveTo(32, 4);
    arrow.lineTo(32, 34);
    arrow.moveTo(20, 22);
    arrow.lineTo(32, 34);
    arrow.lineTo(44, 22);
    QPainterPathStroker gap;
    gap.setWidth(12);
    gap.setCapStyle(Qt::RoundCap);
    gap.setJoinStyle(Qt::RoundJoin);
    clearArea(p, gap.createStroke(arrow));
    p.strokePath(arrow, outlinePen(orange, 6));
}

void previewStick(QPainter &p)
{
    usbStick(p, QRectF(6, 18, 28, 30), true);
    // Eye over the lower right corner.
    QPainterPath eye;
    const QPointF c(42, 44);
    eye.moveTo(c.x() - 20, c.y());
    eye.quadTo(c.x(), c.y() - 22, c.x() + 20, c.y());
    eye.quadTo(c.x(), c.y() + 22, c.x() - 20, c.y());
    eye.closeSubpath();
    QPainterPathStroker grow;
    grow.setWidth(10);
    grow.setJoinStyle(Qt::RoundJoin);
    clearArea(p, grow.createStroke(eye).united(eye));
    fillAndStroke(p, eye, white);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawEllipse(c, 7.5, 7.5);
    p.setBrush(ink);
    p.drawEllipse(c, 3, 3);
}

void openCard(QPainter &p)
{
    // A card file holding a round picture: a page with a folded corner and a ring of dots.
    QPainterPath page;
    page.moveTo(10, 4);
    page.lineTo(42, 4);
    page.lineTo(54, 16);
    page.lineTo(54, 60);
    page.lineTo(10, 60);
    page.closeSubpath();
    fillAndStroke(p, page, white);
    QPainterPath fold;
    fold.moveTo(42, 4);
    fold.lineTo(42, 16);
    fold.lineTo(54, 16);
    p.strokePath(fold, outlinePen());
    p.setPen(Qt::NoPen);
    const QColor dots[] = {blue, orange, green, red};
    const QPointF c(32, 37);
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(90.0 + i * 30);
        p.setBrush(dots[i % 4]);
        p.drawEllipse(QPointF(c.x() + 14 * qCos(a), c.y() - 14 * qSin(a)), 3.4, 3.4);
    }
    p.setBrush(ink);
    p.drawEllipse(c, 3, 3);
}

void factoryReset(QPainter &p)
{
    // An anticlockwise arrow round a dot: back to the start.
    const QPointF c(32, 33);
    const qreal r = 21;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const qreal start = 110, sweep = 280;
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    p.strokePath(arc, outlinePen(blue, 6));

    const qreal a = qDegreesToRadians(start + sweep);
    const QPointF end(c.x() + r * qCos(a), c.y() - r * qSin(a));
    const QPointF along(-qSin(a), -qCos(a)); // anticlockwise tangent on screen
    const QPointF out(qCos(a), -qSin(a));
    QPainterPath head;
    head.moveTo(end + along * 12);
    head.lineTo(end - along * 2 + out * 11);
    head.lineTo(end - along * 2 - out * 11);
    head.closeSubpath();
    p.fillPath(head, blue);
    p.strokePath(head, outlinePen(blue, 3));

    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c, 6, 6);
}

void colourCalibration(QPainter &p)
{
    // Six hue segments around a hub: a colour wheel split into petals.
    const QPointF c(32, 32);
    const qreal outer = 28, inner = 11;
    const QColor hues[] = {QColor(0xe5, 0x39, 0x35), QColor(0xf2, 0x9a, 0x1e), QColor(0xf2, 0xd0, 0x24),
                           QColor(0x2f, 0xaf, 0x5a), QColor(0x1e, 0x6f, 0xd9), QColor(0x8e, 0x4c, 0xd0)};
    for (int i = 0; i < 6; ++i) {
        const qreal start = 90 + i * 60 + 4;
        const qreal span = 52;
        QPainterPath seg;
        seg.arcMoveTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), start);
        seg.arcTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), start, span);
        seg.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner), start + span, -span);
        seg.closeSubpath();
        p.fillPath(seg, hues[i]);
        p.strokePath(seg, outlinePen(hues[i].darker(135), 2));
    }
    p.setPen(outlinePen());
    p.setBrush(white);
    p.drawEllipse(c, 6, 6);
}

// ---- buttons ----

void playButton(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(QPointF(32, 32), 30, 30);
    playTriangle(p, QPointF(32, 32), 26, white);
}

void stopButton(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawEllipse(QPointF(32, 32), 30, 30);
    p.fillPath(roundedRect(QRectF(21, 21, 22, 22), smallRadius), white);
}

// A card with a pencil across its top right corner, cut free of the card.
void editCard(QPainter &p, void (*drawCard)(QPainter &, const QRectF &))
{
    drawCard(p, QRectF(4, 12, 44, 40));
    QPainterPath gap;
    gap.moveTo(26, 38);
    gap.lineTo(62, 2);
    QPainterPathStroker wide;
    wide.setWidth(24);
    wide.setCapStyle(Qt::RoundCap);
    clearArea(p, wide.createStroke(gap));
    pencil(p, QPointF(26, 40), -45, 40, 13);
}

void editPicture(QPainter &p)
{
    editCard(p, drawPictureCard);
}

void editVideo(QPainter &p)
{
    editCard(p, drawFilmCard);
}

void deleteItem(QPainter &p)
{
    // Lid, handle and a tapered bin.
    p.setPen(outlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(24, 5, 16, 8), 2, 2);
    fillAndStroke(p, roundedRect(QRectF(8, 12, 48, 8), smallRadius), red);
    QPainterPath bin;
    bin.moveTo(13, 20);
    bin.lineTo(51, 20);
    bin.lineTo(47, 58);
    bin.lineTo(17, 58);
    bin.closeSubpath();
    fillAndStroke(p, bin, red);
    p.setPen(outlinePen(white, stroke));
    for (qreal x : {24.0, 32.0, 40.0})
        p.drawLine(QPointF(x, 28), QPointF(x + (x - 32) * 0.1, 50));
}

// ---- row step buttons (32 grid, shown at 16 px) ----

void stepSquare(QPainter &p)
{
    // A white rim keeps the dark square visible on a pure blue row.
    p.fillPath(roundedRect(QRectF(1, 1, 30, 30), 7), white);
    p.fillPath(roundedRect(QRectF(3, 3, 26, 26), 5.5), ink);
}

void plusStep(QPainter &p)
{
    stepSquare(p);
    p.fillRect(QRectF(8, 14, 16, 4), white);
    p.fillRect(QRectF(14, 8, 4, 16), white);
}

void minusStep(QPainter &p)
{
    stepSquare(p);
    p.fillRect(QRectF(8, 14, 16, 4), white);
}

// ---- drawing tools of the DIY editor (32 grid, shown at 16 px) ----

constexpr qreal toolStroke = 2.6;

void paintbrushTool(QPainter &p)
{
    // A stroke of paint under a brush held at 45 degrees.
    QPainterPath paint;
    paint.moveTo(3, 27);
    paint.cubicTo(6, 22, 10, 29, 14, 24);
    p.strokePath(paint, outlinePen(blue, 3.4));

    p.save();
    p.translate(13, 19);
    p.rotate(-45);
    const QPainterPath handle = roundedRect(QRectF(9, -2.6, 12, 5.2), 2.6);
    fillAndStroke(p, handle, orange);
    p.fillPath(roundedRect(QRectF(4, -3.4, 6, 6.8), 1), sky);
    p.strokePath(roundedRect(QRectF(4, -3.4, 6, 6.8), 1), outlinePen(ink, 2));
    QPainterPath tuft;
    tuft.moveTo(4, -3.4);
    tuft.cubicTo(0, -3, -3, -1, -4.5, 0);
    tuft.cubicTo(-3, 1, 0, 3, 4, 3.4);
    tuft.closeSubpath();
    p.fillPath(tuft, blue);
    p.strokePath(tuft, outlinePen(ink, 2));
    p.restore();
}

void rectTool(QPainter &p)
{
    p.fillRect(QRectF(4, 7, 24, 18), sky);
    p.setBrush(Qt::NoBrush);
    QPen square = outlinePen(ink, toolStroke);
    square.setJoinStyle(Qt::MiterJoin);
    p.setPen(square);
    p.drawRect(QRectF(4, 7, 24, 18));
}

void lineTool(QPainter &p)
{
    p.setPen(outlinePen(ink, toolStroke + 0.4));
    p.drawLine(QPointF(6, 26), QPointF(26, 6));
    p.setPen(outlinePen(ink, 1.6));
    p.setBrush(blue);
    p.drawEllipse(QPointF(6, 26), 3.4, 3.4);
    p.drawEllipse(QPointF(26, 6), 3.4, 3.4);
}

void moveTool(QPainter &p)
{
    // An open hand: four fingers over a palm, the thumb to the left.
    QPainterPath hand;
    const qreal tops[] = {8, 5, 6, 9};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 9.5 + i * 4.6;
        hand.addRoundedRect(QRectF(x, tops[i], 4.6, 20 - tops[i]), 2.3, 2.3);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.3, -9, 4.6, 12), 2.3, 2.3);
    hand = hand.united(QTransform().translate(7.5, 21).rotate(-38).map(thumb));
    hand = hand.united(roundedRect(QRectF(9.5, 14, 18.4, 14), 6));
    hand.setFillRule(Qt::WindingFill);
    const QPainterPath outline = hand.simplified();
    p.fillPath(outline, wood);
    p.strokePath(outline, outlinePen(ink, 2.2));
    p.setPen(outlinePen(ink, 1.4));
    for (int i = 1; i < 4; ++i) {
        const qreal x = 9.5 + i * 4.6;
        p.drawLine(QPointF(x, tops[i] + 4), QPointF(x, 16));
    }
}

void ellipseTool(QPainter &p)
{
    p.setPen(outlinePen(ink, toolStroke));
    p.setBrush(sky);
    p.drawEllipse(QPointF(16, 16), 12.5, 9.5);
}

void roundRectTool(QPainter &p)
{
    p.fillPath(roundedRect(QRectF(4, 7, 24, 18), 6.5), sky);
    p.strokePath(roundedRect(QRectF(4, 7, 24, 18), 6.5), outlinePen(ink, toolStroke));
}

void textTool(QPainter &p)
{
    // A capital A from three strokes.
    QPainterPath a;
    a.moveTo(6, 27);
    a.lineTo(16, 4.5);
    a.lineTo(26, 27);
    a.moveTo(10.2, 19);
    a.lineTo(21.8, 19);
    QPen pen = outlinePen(blue, 4.2);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    p.strokePath(a, pen);
}

void eraserTool(QPainter &p)
{
    // A two-tone block tilted onto a rubbed-out line.
    p.setPen(outlinePen(QColor(0xa8, 0xb4, 0xc0), 2));
    p.drawLine(QPointF(13, 28), QPointF(29, 28));
    p.save();
    p.translate(12, 25);
    p.rotate(-40);
    const QRectF body(-1, -6.5, 24, 13);
    const QPainterPath block = roundedRect(body, 3);
    p.fillPath(block, white);
    p.save();
    p.setClipPath(block);
    p.fillRect(QRectF(9, -7, 16, 14), red);
    p.restore();
    p.strokePath(block, outlinePen(ink, 2.2));
    p.setPen(outlinePen(ink, 1.6));
    p.drawLine(QPointF(9, -6.5), QPointF(9, 6.5));
    p.restore();
}

// ---- language badges (120 x 50 grid, shown at 60 x 25) ----

QPainterPath badgeShape()
{
    return roundedRect(QRectF(3, 3, 114, 44), 10);
}

void glyphBadge(QPainter &p, const QColor &color, const QString &glyph)
{
    p.fillPath(badgeShape(), color);
    QFont font(cjkFamily());
    font.setPixelSize(100);
    QPainterPath text;
    text.addText(0, 0, font, glyph);
    // Fit by the drawn outline, not the font's metrics, so any CJK font sits alike.
    const QRectF bounds = text.boundingRect();
    const qreal target = 32;
    const qreal s = target / bounds.height();
    QTransform t;
    t.translate(60, 25);
    t.scale(s, s);
    t.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = t.map(text);
    p.fillPath(placed, white);
    p.strokePath(placed, outlinePen(white, 1.2));
}

void simplifiedBadge(QPainter &p)
{
    glyphBadge(p, blue, QStringLiteral("简"));
}

void traditionalBadge(QPainter &p)
{
    glyphBadge(p, green, QStringLiteral("繁"));
}

void englishBadge(QPainter &p)
{
    p.fillPath(badgeShape(), orange.darker(112));
    p.strokePath(lineLetters(QStringLiteral("EN"), QRectF(40, 13, 40, 24)), outlinePen(white, 5.5));
}

} // namespace

QString cjkFamily()
{
    static const QString found = [] {
        const QString glyphs = QStringLiteral("简繁");
        QStringList candidates = {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                                  QStringLiteral("Droid Sans Fallback")};
        candidates += QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        for (const QString &family : candidates) {
            QFont font(family);
            font.setPixelSize(64);
            const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
            if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0)
                continue;
            bool all = true;
            for (QChar c : glyphs)
                all = all && raw.supportsCharacter(c);
            if (all)
                return family;
        }
        return QString();
    }();
    return found;
}

QList<Picture> pngPictures()
{
    const QSize toolbar(64, 64);
    const QSize button(48, 48);
    return {
        {QStringLiteral("open.png"), toolbar, grid, openPicture},
        {QStringLiteral("download_file.png"), toolbar, grid, downloadToStick},
        {QStringLiteral("design.png"), toolbar, grid, newDrawing},
        {QStringLiteral("import_media.png"), toolbar, grid, importMedia},
        {QStringLiteral("import_gif.png"), toolbar, grid, importGif},
        {QStringLiteral("preview_usb.png"), toolbar, grid, previewStick},
        {QStringLiteral("default_ui.png"), toolbar, grid, factoryReset},
        {QStringLiteral("open_card.png"), toolbar, grid, openCard},
        {QStringLiteral("ic_flowers.png"), toolbar, grid, colourCalibration},
        {QStringLiteral("play.png"), QSize(130, 130), grid, playButton},
        {QStringLiteral("stop.png"), QSize(130, 130), grid, stopButton},
        {QStringLiteral("write.png"), button, grid, editPicture},
        {QStringLiteral("edit_delete.png"), button, grid, deleteItem},
        {QStringLiteral("xine.png"), button, grid, editVideo},
        {QStringLiteral("plus.png"), QSize(32, 32), 32, plusStep},
        {QStringLiteral("moins.png"), QSize(32, 32), 32, minusStep},
        {QStringLiteral("paintbrush.png"), QSize(32, 32), 32, paintbrushTool},
        {QStringLiteral("rect.png"), QSize(32, 32), 32, rectTool},
        {QStringLiteral("line.png"), QSize(32, 32), 32, lineTool},
        {QStringLiteral("cursor_hand.png"), QSize(32, 32), 32, moveTool},
        {QStringLiteral("round2.png"), QSize(32, 32), 32, ellipseTool},
        {QStringLiteral("rect_round.png"), QSize(32, 32), 32, roundRectTool},
        {QStringLiteral("A.png"), QSize(32, 32), 32, textTool},
        {QStringLiteral("eraser.png"), QSize(32, 32), 32, eraserTool},
        {QStringLiteral("zh_cn.png"), QSize(120, 50), 120, simplifiedBadge},
        {QStringLiteral("zh_hk.png"), QSize(120, 50), 120, traditionalBadge},
        {QStringLiteral("en_us.png"), QSize(120, 50), 120, englishBadge},
    };
}

QImage render(const Picture &picture)
{
    QImage image = transparentCanvas(picture.pixels);
    QPainter p;
    beginPainting(p, image, picture.pixels.width() / picture.design);
    picture.draw(p);
    p.end();
    return image;
}

QImage windowIcon(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p;
    beginPainting(p, image, side / 256.0);

    const QPointF c(128, 128);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x1b, 0x24));
    p.drawEllipse(c, 122, 122);
    p.setPen(QPen(QColor(0x2e, 0x3b, 0x4a), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 118, 118);

    const int leds = 7;
    const qreal barAngle = 62; // degrees anticlockwise from 3 o'clock
    const qreal first = 26, last = 104;
    const qreal led = 7.5;
    auto ledColor = [](int i, int n) { return QColor::fromHsvF(qreal(i) / n * 0.8, 0.85, 1.0); };

    // Faint trails behind the bar hint at the turning.
    for (int i = 0; i < leds; i += 2) {
        const qreal r = first + (last - first) * i / (leds - 1);
        QConicalGradient g(c, barAngle);
        QColor full = ledColor(i, leds);
        full.setAlpha(170);
        QColor none = full;
        none.setAlpha(0);
        g.setColorAt(0.0, full);
        g.setColorAt(0.25, none);
        g.setColorAt(1.0, none);
        QPen pen(QBrush(g), 6);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int((barAngle + 4) * 16), int(86 * 16));
    }

    p.save();
    p.translate(c);
    p.rotate(-barAngle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x47, 0x56));
    p.drawRoundedRect(QRectF(-14, -13, last + 28, 26), 13, 13);
    for (int i = 0; i < leds; ++i) {
        const qreal x = first + (last - first) * i / (leds - 1);
        const QColor col = ledColor(i, leds);
        QRadialGradient glow(QPointF(x, 0), 1.8 * led);
        QColor g0 = col;
        g0.setAlpha(140);
        QColor g1 = col;
        g1.setAlpha(0);
        glow.setColorAt(0, g0);
        glow.setColorAt(1, g1);
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, 0), 1.8 * led, 1.8 * led);
        p.setBrush(col);
        p.drawEllipse(QPointF(x, 0), led, led);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(x, 0), led * 0.4, led * 0.4);
    }
    p.restore();

    // Hub.
    p.setBrush(QColor(0x5a, 0x68, 0x78));
    p.drawEllipse(c, 13, 13);
    p.setBrush(QColor(0x14, 0x1b, 0x24));
    p.drawEllipse(c, 5, 5);
    p.end();
    return image;
}

QList<QImage> spinnerFrames(int side, int count)
{
    // GIF has on/off transparency only: edges are blended onto the usual dialog grey,
    // and only pixels the dots never touch stay transparent.
    const QColor matte(0xef, 0xef, 0xef);
    QList<QImage> frames;
    for (int f = 0; f < count; ++f) {
        QImage dots = transparentCanvas(QSize(side, side));
        QPainter p;
        beginPainting(p, dots, side / 72.0);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count; ++i) {
            const int age = (f - i + count) % count; // 0 = the leading dot
            QColor col = blue;
            col.setAlphaF(age == 0 ? 1.0 : qMax(0.18, 1.0 - age * 0.11));
            const qreal a = qDegreesToRadians(90.0 - 360.0 * i / count);
            const qreal r = 26;
            const qreal dot = age == 0 ? 5.2 : qMax(3.4, 5.0 - age * 0.2);
            p.setBrush(col);
            p.drawEllipse(QPointF(36 + r * qCos(a), 36 - r * qSin(a)), dot, dot);
        }
        p.end();

        QImage flat(side, side, QImage::Format_ARGB32);
        flat.fill(Qt::transparent);
        const QImage src = dots.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < side; ++y) {
            const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            QRgb *out = reinterpret_cast<QRgb *>(flat.scanLine(y));
            for (int x = 0; x < side; ++x) {
                const int a = qAlpha(in[x]);
                if (a == 0)
                    continue;
                auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
                out[x] = qRgb(mix(qRed(in[x]), matte.red()), mix(qGreen(in[x]), matte.green()),
                              mix(qBlue(in[x]), matte.blue()));
            }
        }
        frames.append(flat);
    }
    return frames;
}
