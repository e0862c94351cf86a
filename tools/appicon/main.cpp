// Draws the application icon for the desktop's hicolor theme: a scalable
// SVG and PNGs of the usual sizes, all from one description of the picture
// (a dark disc, the LED bar lit in a fan of colours, the hub).
//
//     rotavue-appicon OUTDIR   writes OUTDIR/scalable/apps/rotavue.svg and
//                              OUTDIR/NxN/apps/rotavue.png
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

constexpr int viewBox = 256;
constexpr int rays = 12;

// The lit lines of one turn: angle in degrees and colour.
QColor rayColour(int i)
{
    return QColor::fromHsv((i * 360 / rays) % 360, 220, 255);
}

QString svg()
{
    QString out;
    QTextStream s(&out);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
      << "  <circle cx=\"128\" cy=\"128\" r=\"120\" fill=\"#1b1f3a\"/>\n"
      << "  <circle cx=\"128\" cy=\"128\" r=\"120\" fill=\"none\" stroke=\"#e03030\" stroke-width=\"6\"/>\n";
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays;
        s << "  <line x1=\"128\" y1=\"128\" x2=\"" << QString::number(128 + 100 * std::cos(a), 'f', 2) << "\" y2=\""
          << QString::number(128 + 100 * std::sin(a), 'f', 2) << "\" stroke=\"" << rayColour(i).name()
          << "\" stroke-width=\"14\" stroke-linecap=\"round\"/>\n";
    }
    s << "  <rect x=\"118\" y=\"20\" width=\"20\" height=\"216\" rx=\"10\" fill=\"#f0f0f0\" "
         "transform=\"rotate(30 128 128)\"/>\n"
      << "  <circle cx=\"128\" cy=\"128\" r=\"18\" fill=\"#f0f0f0\"/>\n"
      << "</svg>\n";
    return out;
}

QImage png(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(side) / viewBox, double(side) / viewBox);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1b, 0x1f, 0x3a));
    p.drawEllipse(QPointF(128, 128), 120, 120);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe0, 0x30, 0x30), 6));
    p.drawEllipse(QPointF(128, 128), 120, 120);
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays;
        p.setPen(QPen(rayColour(i), 14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(128, 128), QPointF(128 + 100 * std::cos(a), 128 + 100 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.save();
    p.translate(128, 128);
    p.rotate(30);
    p.drawRoundedRect(QRectF(-10, -108, 20, 216), 10, 10);
    p.restore();
    p.drawEllipse(QPointF(128, 128), 18, 18);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: rotavue-appicon OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("scalable/apps")))
        return 1;
    QFile file(out.filePath(QStringLiteral("scalable/apps/rotavue.svg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg().toUtf8()) < 0)
        return 1;
    file.close();
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        if (!out.mkpath(folder) || !png(side).save(out.filePath(folder + QStringLiteral("/rotavue.png")), "PNG"))
            return 1;
    }
    return 0;
}
