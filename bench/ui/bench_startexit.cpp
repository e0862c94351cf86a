// Start-up and exit of the main window, in the process: from construction to
// the window shown in English, and from the close to the window destroyed
// with a playlist of sequences (their frames share a few converted pictures).
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "ui/MainWindow.h"

#include "SampleFrames.h"
#include "TestWorkDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include "QuietDebug.h"

#include <benchmark/benchmark.h>


namespace {

constexpr int distinctFrames = 8;

const SampleFrames &sharedFrames()
{
    static const SampleFrames shared(distinctFrames);
    return shared;
}

// A sequence whose frames carry their scratch files, as imported ones do.
MediaObject *sequence(int index, int frames)
{
    const SampleFrames &shared = sharedFrames();
    auto *media = new MediaObject(index, QStringLiteral("clip%1.gif").arg(index));
    media->setGif(true);
    for (int f = 0; f < frames; ++f)
        media->appendFrame(shared.frame(f + 1, f));
    return media;
}

void BM_WindowStart(benchmark::State &state)
{
    TestWorkDir work;
    for (auto _ : state) {
        auto *window = new MainWindow;
        window->onBtnEnUsClick();
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            state.SkipWithError("the window was not shown");
            break;
        }
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// range(0): frames in the playlist, in sequences of 500.
void BM_WindowExit(benchmark::State &state)
{
    TestWorkDir work;
    const int frames = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto *window = new MainWindow;
        for (int s = 0; s * 500 < frames; ++s)
            window->addSequence(sequence(s, qMin(500, frames - s * 500)));
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            delete window;
            state.SkipWithError("the window was never shown");
            break;
        }
        state.ResumeTiming();
        delete window; // what follows the close once the user has answered for unsaved work
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowExit)->ArgName("frames")->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietDebug);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
