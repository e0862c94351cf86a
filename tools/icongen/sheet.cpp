#include "sheet.h"

#include <QFont>
#include <QPainter>

namespace {

const QColor toolbarGrey(0xef, 0xef, 0xef);
const QColor panelGrey(200, 200, 200);
const QColor rowHighlight(0x30, 0x8c, 0xc6);
const QColor rowEditing(0x00, 0x00, 0xff);

// The same smooth scaling QIcon applies when a pixmap is larger than asked.
QImage atSize(const QImage &image, const QSize &size)
{
    return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

class Sheet
{
public:
    explicit Sheet(QPainter &p) : p(p)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        p.setFont(font);
    }

    void heading(const QString &text)
    {
        y += 10;
        p.setPen(Qt::black);
        p.drawText(QPointF(12, y + 12), text);
        y += 18;
    }

    QPainter &p;
    int y = 0;
};

void pushButton(QPainter &p, const QRect &r)
{
    p.setPen(QColor(0x9a, 0x9a, 0x9a));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xf6, 0xf6, 0xf6));
    g.setColorAt(1, QColor(0xe4, 0xe4, 0xe4));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

// Close to how Qt's common style greys out a disabled action's icon: grey levels
// mapped onto a black, background, white ramp.
QImage disabledLook(const QImage &image, const QColor &bg)
{
    QImage im = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < im.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(im.scanLine(y));
        for (int x = 0; x < im.width(); ++x) {
            const int g = qGray(line[x]);
            auto ramp = [g](int c) { return g < 128 ? (c * (g << 1)) >> 8 : qMin(c + ((g - 128) << 1), 255); };
            line[x] = qRgba(ramp(bg.red()), ramp(bg.green()), ramp(bg.blue()), qAlpha(line[x]));
        }
    }
    return im;
}

} // namespace

QImage contactSheet(const QMap<QString, QImage> &images, const QList<QImage> &spinner)
{
    const int width = 900;
    QImage sheet(width, 1900, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    Sheet s(p);

    s.heading(QStringLiteral("Toolbar, 30 px with text beside, light grey"));
    const QList<QPair<QString, QString>> actions = {
        {QStringLiteral("design.png"), QStringLiteral("New DIY")},
        {QStringLiteral("open.png"), QStringLiteral("Open picture")},
        {QStringLiteral("import_media.png"), QStringLiteral("Import video")},
        {QStringLiteral("import_gif.png"), QStringLiteral("Import GIF")},
        {QStringLiteral("download_file.png"), QStringLiteral("Download")},
        {QStringLiteral("preview_usb.png"), QStringLiteral("Preview USB")},
        {QStringLiteral("default_ui.png"), QStringLiteral("Restore")},
        {QStringLiteral("ic_flowers.png"), QStringLiteral("Colour setup")},
    };
    // The last two rows show the greyed look of disabled actions.
    for (int row = 0; row < 4; ++row) {
        const bool disabled = row >= 2;
        p.fillRect(QRect(0, s.y, width, 44), toolbarGrey);
        int x = 8;
        for (int i = (row % 2) * 4; i < (row % 2) * 4 + 4; ++i) {
            const QImage icon = atSize(images.value(actions[i].first), QSize(30, 30));
            p.drawImage(x, s.y + 7, disabled ? disabledLook(icon, toolbarGrey) : icon);
            p.setPen(disabled ? QColor(0xbe, 0xbe, 0xbe) : QColor(Qt::black));
            p.drawText(QPointF(x + 36, s.y + 27), actions[i].second);
            x += 150;
        }
        // Language badges sit at the toolbar's right end.
        if (row == 0) {
            int bx = width - 3 * 62 - 8;
            for (const char *name : {"zh_cn.png", "zh_hk.png", "en_us.png"}) {
                const QRect r(bx, s.y + 4, 60, 25);
                pushButton(p, r);
                p.drawImage(r.topLeft(), atSize(images.value(QLatin1String(name)), r.size()));
                bx += 62;
            }
        }
        s.y += 44;
    }

    s.heading(QStringLiteral("Play and stop, 65 px flat, on white beside the round preview"));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(110, s.y + 102), 100, 100);
    p.drawImage(214, s.y + 26, atSize(images.value(QStringLiteral("play.png")), QSize(65, 65)));
    p.drawImage(214, s.y + 110, atSize(images.value(QStringLiteral("stop.png")), QSize(65, 65)));
    s.y += 206;

    s.heading(QStringLiteral("Push buttons at 16, 20 and 24 px on the grey (200) panel"));
    p.fillRect(QRect(0, s.y, width, 52), panelGrey);
    {
        int x = 10;
        for (int side : {16, 20, 24}) {
            for (const char *name : {"write.png", "edit_delete.png", "xine.png"}) {
                const QRect r(x, s.y + 10, side + 16, 32);
                pushButton(p, r);
                p.drawImage(r.center().x() - side / 2 + 1, r.center().y() - side / 2 + 1,
                            atSize(images.value(QLatin1String(name)), QSize(side, side)));
                x += side + 22;
            }
            x += 30;
        }
    }
    s.y += 52;

    s.heading(QStringLiteral("Row step buttons, 16 px, on white, highlight and pure blue rows"));
    for (const QColor &bg : {QColor(Qt::white), rowHighlight, rowEditing}) {
        p.fillRect(QRect(0, s.y, width, 60), bg);
        p.setPen(bg == Qt::white ? Qt::black : Qt::white);
        p.drawText(QPointF(20, s.y + 35), QStringLiteral("Time  3.0 s"));
        p.drawImage(130, s.y + 22, atSize(images.value(QStringLiteral("plus.png")), QSize(16, 16)));
        p.drawImage(160, s.y + 22, atSize(images.value(QStringLiteral("moins.png")), QSize(16, 16)));
        s.y += 60;
    }

    s.heading(QStringLiteral("DIY tool buttons, 55 x 25, icon 16 px with text beside, on the dialog grey"));
    p.fillRect(QRect(0, s.y, width, 70), toolbarGrey);
    {
        const QList<QPair<QString, QString>> tools = {
            {QStringLiteral("paintbrush.png"), QStringLiteral("Pen")},
            {QStringLiteral("rect.png"), QStringLiteral("Rect")},
            {QStringLiteral("line.png"), QStringLiteral("Line")},
            {QStringLiteral("cursor_hand.png"), QStringLiteral("Move")},
            {QStringLiteral("round2.png"), QStringLiteral("Oval")},
            {QStringLiteral("rect_round.png"), QStringLiteral("RRect")},
            {QStringLiteral("A.png"), QStringLiteral("Text")},
            {QStringLiteral("eraser.png"), QStringLiteral("Erase")},
        };
        for (int i = 0; i < tools.size(); ++i) {
            const QRect r(10 + (i % 4) * 62, s.y + 6 + (i / 4) * 30, 55, 25);
            pushButton(p, r);
            p.drawImage(r.left() + 3, r.top() + 4, atSize(images.value(tools[i].first), QSize(16, 16)));
            p.setPen(Qt::black);
            p.drawText(QPointF(r.left() + 22, r.top() + 17), tools[i].second);
            // The same icons large, to judge the drawing itself.
            p.drawImage(300 + i * 70, s.y + 3, atSize(images.value(tools[i].first), QSize(64, 64)));
        }
    }
    s.y += 70;

    s.heading(QStringLiteral("Busy indicator frames, 72 px, on the dialog grey and on white"));
    for (const QColor &bg : {toolbarGrey, QColor(Qt::white)}) {
        p.fillRect(QRect(0, s.y, width, 76), bg);
        int x = 4;
        for (const QImage &frame : spinner) {
            p.drawImage(x, s.y + 2, frame);
            x += 74;
        }
        s.y += 76;
    }

    s.heading(QStringLiteral("Window icon at 256, 64, 32 and 16 px, on white and dark"));
    {
        const QImage logo = images.value(QStringLiteral("logo2.jpg"));
        p.drawImage(10, s.y, logo);
        p.fillRect(QRect(360, s.y, 90, 256), QColor(0x30, 0x30, 0x30));
        int yy = s.y + 10;
        for (int side : {64, 32, 16}) {
            p.drawImage(290, yy, atSize(logo, QSize(side, side)));
            p.drawImage(370, yy, atSize(logo, QSize(side, side)));
            yy += side + 12;
        }
    }
    s.y += 262;

    s.heading(QStringLiteral("Every PNG at its file size, over a checkerboard"));
    {
        int x = 10, y = s.y, rowHeight = 0;
        for (auto it = images.cbegin(); it != images.cend(); ++it) {
            if (!it.key().endsWith(QLatin1String(".png")))
                continue;
            const QImage &img = it.value();
            if (x + img.width() > width - 6) {
                x = 10;
                y += rowHeight + 6;
                rowHeight = 0;
            }
            for (int cy = 0; cy < img.height(); cy += 8)
                for (int cx = 0; cx < img.width(); cx += 8)
                    p.fillRect(QRect(x + cx, y + cy, qMin(8, img.width() - cx), qMin(8, img.height() - cy)),
                               ((cx + cy) / 8) % 2 ? QColor(0xcc, 0xcc, 0xcc) : QColor(0xf4, 0xf4, 0xf4));
            p.drawImage(x, y, img);
            x += img.width() + 6;
            rowHeight = qMax(rowHeight, img.height());
        }
        s.y = y + rowHeight;
    }
    p.end();
    return sheet.copy(0, 0, width, s.y + 6);
}
