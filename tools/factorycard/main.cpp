// rotavue-factorycard: writes the factory content, "default.bin", a legacy
// card for a display of 36 LEDs and 360 lines, from pictures drawn here.
// Usage: rotavue-factorycard -o FILE
#include "FactoryPictures.h"
#include "LegacyCardWriter.h"

#include "card/FactoryContent.h"
#include "card/LegacyCardLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Display times in units of 0.2 s.
constexpr int welcomeTime = 25;  // 5 s
constexpr int patternTime = 50;  // 10 s

} // namespace

int main(int argc, char **argv)
{
    // Text is drawn without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2 || args.at(0) != QLatin1String("-o")) {
        std::fprintf(stderr, "usage: rotavue-factorycard -o FILE\n");
        return 2;
    }
    const QString path = args.at(1);
    QDir().mkpath(QFileInfo(path).absolutePath());

    const int leds = FactoryContent::ledCount;
    const int lines = FactoryContent::lineCount;
    const FactoryPictures pictures(leds, lines);
    LegacyCardWriter card(LegacyCardLayout::blockSize(leds, lines));
    card.addPicture(pictures.welcome(), welcomeTime);
    card.addPicture(pictures.spokes(), patternTime);
    card.addPicture(pictures.rings(), patternTime);
    card.addPicture(pictures.colourRamps(), patternTime);
    card.addPicture(pictures.primaries(), patternTime);
    card.addSequence(pictures.sweep(24), 3);
    card.addSequence(pictures.pulse(12), 2);
    const QString problem = card.save(path);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "rotavue-factorycard: %s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}
