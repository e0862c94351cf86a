// How long the drawing canvas takes to follow one mouse move while the user
// drags a rectangle or draws a pen stroke: the move event and the repaint it
// causes, on the blank 450 x 450 canvas and on a 2000 x 2000 picture, shown
// in a scroll area the size of the editor's.
#include "edit/DiyDrawing.h"
#include "edit/DiyPainter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

QString pictureFile(const QTemporaryDir &dir, int side)
{
    if (side == DiyPainter::areaSide)
        return QString(); // the blank canvas of a new drawing
    QImage picture(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const QString path = dir.filePath(QStringLiteral("canvas.png"));
    picture.save(path);
    return path;
}

void sendMove(QWidget *canvas, const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
}

void sendButton(QWidget *canvas, QEvent::Type type, const QPoint &at)
{
    QMouseEvent event(type, QPointF(at), canvas->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Counts the canvas's paint events, to show that each move was drawn.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void dragMoves(benchmark::State &state, int tool)
{
    const int side = int(state.range(0));
    QTemporaryDir dir;
    QScrollArea view;
    view.resize(880, 700);
    auto *canvas = new DiyPainter(pictureFile(dir, side));
    canvas->setShapeType(tool);
    canvas->setPenWidth(6);
    canvas->setPenColor(Qt::red);
    canvas->setBrushColor(Qt::blue);
    view.setWidget(canvas);
    view.show();
    QApplication::processEvents();
    PaintCounter counter;
    canvas->installEventFilter(&counter);

    const QPoint start(40, 40);
    sendButton(canvas, QEvent::MouseButtonPress, start);
    std::vector<double> times;
    int i = 0;
    for (auto _ : state) {
        // A zigzag across the visible part of the canvas.
        const QPoint at(60 + (i * 37) % 380, 60 + (i * 23) % 380);
        QElapsedTimer timer;
        timer.start();
        sendMove(canvas, at);
        QApplication::processEvents(); // the repaint the move asked for
        times.push_back(timer.nsecsElapsed() / 1e6);
        ++i;
    }
    sendButton(canvas, QEvent::MouseButtonRelease, QPoint(60, 60));
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times.empty() ? 0.0 : times[times.size() / 2];
    state.counters["p90_ms"] = times.empty() ? 0.0 : times[times.size() * 9 / 10];
    state.counters["paints_per_move"] = times.empty() ? 0.0 : double(counter.paints) / double(times.size());
}

void BM_RectangleDragMove(benchmark::State &state)
{
    dragMoves(state, DiyTool::Rect);
}
BENCHMARK(BM_RectangleDragMove)->Arg(450)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_PenStrokeMove(benchmark::State &state)
{
    dragMoves(state, DiyTool::Pen);
}
BENCHMARK(BM_PenStrokeMove)->Arg(450)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("rotavue.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
