// Soak: cycles of import, play, reorder, delete and download, driven through
// the main window's own slots, for --soak_seconds (60 by default). Resident
// memory, open file descriptors and the size of this run's scratch folder
// must stay flat; they are measured after every cycle and reported as the
// first cycle's values, the last cycle's and the largest seen.
//   soak_mainwindow --soak_seconds=1800
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "edit/GetImgeLocationDialog.h"
#include "import/LoadGifDialog.h"
#include "ui/CustomTableModel.h"
#include "ui/MainWindow.h"

#include "GifWriter.h"
#include "ProcessStats.h"
#include "TestWorkDir.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

int g_soakSeconds = 60;

// Answers every modal dialog the cycle opens: the crop dialog is accepted as
// placed, the picture import closed once it is complete, message boxes
// (download success) acknowledged; the GIF import ends by itself.
class ModalDriver : public QObject
{
public:
    ModalDriver()
    {
        connect(&timer, &QTimer::timeout, this, &ModalDriver::answer);
        timer.start(10);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<LoadGifDialog *>(modal))
            return;
        if (auto *crop = qobject_cast<GetImgeLocationDialog *>(modal)) {
            crop->onBtnOk();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->accept();
        } else if (auto *buttons = modal->findChild<QDialogButtonBox *>()) {
            for (QAbstractButton *button : buttons->buttons()) {
                if (buttons->buttonRole(button) == QDialogButtonBox::YesRole && button->isEnabled())
                    button->click();
            }
        }
    }

    QTimer timer;
};

QString writePicture(const QString &path, int seed)
{
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(qRgb(40 * seed % 256, 90, 200 - 30 * seed % 200));
    QPainter(&picture).fillRect(100 + 20 * seed, 80, 200, 160, Qt::white);
    picture.save(path);
    return path;
}

QString writeGif(const QString &path, int frames)
{
    GifWriter gif;
    for (int i = 0; i < frames; ++i)
        gif.addFrame(GifWriter::solidFrame(QSize(200, 150), qRgb(25 * i, 255 - 25 * i, 90)));
    gif.save(path);
    return path;
}

// One cycle: three pictures and a ten-frame GIF imported, the sequence played
// for a second, the pictures reordered, the playlist downloaded, then every
// row deleted.
void cycle(MainWindow &window, const QStringList &pictures, const QString &gif, const QString &card)
{
    window.importPictures(pictures);
    window.importGif(gif);

    window.pressMediaWidget(window.sequenceModel()->index(0, 0));
    window.onBtnPlayClick();
    QTest::qWait(1000);
    window.onBtnStopClick();

    ImageObject *first = window.pictureList().first();
    window.onImageIndexChanged(first, first->index(), first->index() + 2);
    window.pressImageWidget(window.pictureModel()->index(1, 0));

    window.startDownload(card);

    while (window.pictureModel()->rowCount() > 0) {
        window.pressImageWidget(window.pictureModel()->index(0, 0));
        window.onBtnDelImage();
    }
    while (window.sequenceModel()->rowCount() > 0) {
        window.pressMediaWidget(window.sequenceModel()->index(0, 0));
        window.onBtnDelMedia();
    }
    QCoreApplication::processEvents();
}

struct Sample {
    long resident;
    long descriptors;
    long scratch;
};

void BM_Soak(benchmark::State &state)
{
    TestWorkDir work;
    const QString inputs = work.filePath(QStringLiteral("inputs"));
    QDir().mkpath(inputs);
    const QStringList pictures{writePicture(inputs + "/a.png", 1), writePicture(inputs + "/b.jpg", 2),
                               writePicture(inputs + "/c.png", 3)};
    const QString gif = writeGif(inputs + "/ten.gif", 10);
    const QString card = work.filePath(QStringLiteral("card.bin"));

    for (auto _ : state) {
        MainWindow window;
        window.show();
        ModalDriver driver;
        QList<Sample> samples;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < g_soakSeconds * 1000LL || samples.size() < 2) {
            cycle(window, pictures, gif, card);
            samples.append({ProcessStats::residentKb(), ProcessStats::openDescriptors(),
                            ProcessStats::folderKb(WorkDirectory::tempDir())});
        }
        auto largest = [&samples](long Sample::*field) {
            const auto top = std::max_element(samples.cbegin(), samples.cend(),
                                              [field](const Sample &a, const Sample &b) { return a.*field < b.*field; });
            return double((*top).*field);
        };
        state.counters["cycles"] = double(samples.size());
        state.counters["rss_first_kb"] = double(samples.first().resident);
        state.counters["rss_last_kb"] = double(samples.last().resident);
        state.counters["rss_max_kb"] = largest(&Sample::resident);
        state.counters["fds_first"] = double(samples.first().descriptors);
        state.counters["fds_last"] = double(samples.last().descriptors);
        state.counters["fds_max"] = largest(&Sample::descriptors);
        state.counters["scratch_first_kb"] = double(samples.first().scratch);
        state.counters["scratch_last_kb"] = double(samples.last().scratch);
        state.counters["scratch_max_kb"] = largest(&Sample::scratch);
    }
}
BENCHMARK(BM_Soak)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith("--soak_seconds="))
            g_soakSeconds = arg.mid(15).toInt();
    }
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
