#include "CommandLine.h"

#include <cmath>

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage:\n"
        "  rotavue-card led PICTURE -o FILE [--leds N] [--lines M]\n"
        "      Writes the LED line data of PICTURE, as a picture import stores it.\n"
        "  rotavue-card build -o CARD [--leds N] [--lines M] ITEM...\n"
        "      Writes a card file. An ITEM is a picture (PNG, JPG), a GIF file or a\n"
        "      video clip (AVI, RMVB, MP4, MKV), which becomes one frame per 100 ms\n"
        "      of its stretch, cut as the video import cuts it with the crop untouched.\n"
        "      -t SECONDS  display time of the pictures that follow (default 5)\n"
        "      -r LOOPS    loop count of the GIFs and clips that follow (default 1)\n"
        "      --from SECONDS, --to SECONDS  the stretch of the next clip\n"
        "                  (default: the whole clip)\n"
        "      Pictures come first in the card, in the order given, then the GIFs\n"
        "      and clips, in the order given.\n"
        "      A project file (NAME.rotavue) as the only ITEM gives the card Rotavue\n"
        "      downloads for that project, with the project's display parameters.\n"
        "      --keep-damaged  convert what can be read of cut or damaged pictures\n"
        "                      and GIFs (also for led) instead of failing\n"
        "  rotavue-card info CARD [--leds N] [--lines M]\n"
        "      Prints the card's table of contents as JSON.\n"
        "  rotavue-card info --legacy FILE [--leds N] [--lines M]\n"
        "      Prints what a legacy card file (\"Z1.bin\", \"default.bin\") holds as JSON.\n"
        "  rotavue-card legacy FILE -o CARD [--leds N] [--lines M]\n"
        "      Writes the card that reading the legacy FILE and downloading it would write.\n"
        "  rotavue-card preview FILE -o DIR [--leds N] [--lines M]\n"
        "      Writes one PNG preview per block of a card or legacy FILE, in card order.\n"
        "  rotavue-card --help | --version\n"
        "\n"
        "  --leds N   LEDs along the bar, 1 to 500 (default 112)\n"
        "  --lines M  lines per revolution, 1 to 600 (default 450)\n"
        "\n"
        "Exit status: 0 success, 1 bad input, 2 bad usage.\n");
}

bool CommandLine::fail(const QString &why)
{
    problem = why;
    return false;
}

bool CommandLine::readNumber(const QStringList &args, int &i, const QString &option, double low, double high,
                             double &value)
{
    if (i + 1 >= args.size())
        return fail(QStringLiteral("%1 needs a value").arg(option));
    bool ok = false;
    const QString text = args.at(++i);
    value = text.trimmed() == text ? text.toDouble(&ok) : 0;
    // toDouble() takes "nan" and "inf"; neither is a time.
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return fail(QStringLiteral("%1 %2: expected a number from %3 to %4").arg(option, text).arg(low).arg(high));
    return true;
}

bool CommandLine::readWholeNumber(const QStringList &args, int &i, const QString &option, int low, int high,
                                  int &value)
{
    if (i + 1 >= args.size())
        return fail(QStringLiteral("%1 needs a value").arg(option));
    bool ok = false;
    const QString text = args.at(++i);
    const qlonglong number = text.trimmed() == text ? text.toLongLong(&ok, 10) : 0;
    if (!ok || number < low || number > high)
        return fail(QStringLiteral("%1 %2: expected a whole number from %3 to %4").arg(option, text).arg(low).arg(high));
    value = int(number);
    return true;
}

bool CommandLine::parse(const QStringList &arguments)
{
    const QStringList args = arguments.mid(1);
    if (args.isEmpty())
        return fail(QStringLiteral("no command given"));
    const QString command = args.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        action = Action::Help;
        return true;
    }
    if (command == QLatin1String("--version")) {
        action = Action::Version;
        return true;
    }
    return parseCommand(command, args.mid(1));
}

bool CommandLine::parseCommand(const QString &command, const QStringList &args)
{
    if (command == QLatin1String("led"))
        action = Action::Led;
    else if (command == QLatin1String("build"))
        action = Action::Build;
    else if (command == QLatin1String("info"))
        action = Action::Info;
    else if (command == QLatin1String("legacy"))
        action = Action::Legacy;
    else if (command == QLatin1String("preview"))
        action = Action::Preview;
    else
        return fail(QStringLiteral("unknown command '%1'").arg(command));

    double seconds = 5;
    int loops = 1;
    double from = -1;
    double to = -1;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("-o")) {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("-o needs a file name"));
            output = args.at(++i);
        } else if (arg == QLatin1String("--leds")) {
            if (!readWholeNumber(args, i, arg, 1, 500, leds))
                return false;
        } else if (arg == QLatin1String("--lines")) {
            if (!readWholeNumber(args, i, arg, 1, 600, lines))
                return false;
        } else if (arg == QLatin1String("--keep-damaged") && action != Action::Info) {
            keepDamaged = true;
        } else if (arg == QLatin1String("-t") && action == Action::Build) {
            if (!readNumber(args, i, arg, 0, 100, seconds))
                return false;
        } else if (arg == QLatin1String("-r") && action == Action::Build) {
            if (!readWholeNumber(args, i, arg, 1, 255, loops))
                return false;
        } else if (arg == QLatin1String("--from") && action == Action::Build) {
            if (!readNumber(args, i, arg, 0, 86400, from))
                return false;
        } else if (arg == QLatin1String("--to") && action == Action::Build) {
            if (!readNumber(args, i, arg, 0, 86400, to))
                return false;
        } else if (arg == QLatin1String("--legacy") && action == Action::Info) {
            legacyInfo = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return fail(QStringLiteral("unknown option '%1'").arg(arg));
        } else if (action == Action::Build) {
            Item item;
            item.path = arg;
            item.seconds = seconds;
            item.loops = loops;
            item.fromMs = from < 0 ? -1 : qRound64(from * 1000);
            item.toMs = to < 0 ? -1 : qRound64(to * 1000);
            if (item.fromMs >= 0 && item.toMs >= 0 && item.toMs < item.fromMs)
                return fail(QStringLiteral("%1: --to comes before --from").arg(arg));
            from = to = -1; // a stretch belongs to one clip
            items.append(item);
        } else {
            positional.append(arg);
        }
    }

    if (action == Action::Build) {
        if (from >= 0 || to >= 0)
            return fail(QStringLiteral("--from and --to must come before a video clip"));
        if (output.isEmpty())
            return fail(QStringLiteral("build needs -o CARD"));
        return true;
    }
    const char *what = action == Action::Led ? "PICTURE" : action == Action::Info && !legacyInfo ? "CARD" : "FILE";
    if (positional.size() != 1)
        return fail(QStringLiteral("%1 needs exactly one %2").arg(command, what));
    input = positional.first();
    if (action != Action::Info && output.isEmpty())
        return fail(QStringLiteral("%1 needs -o %2").arg(command, action == Action::Preview ? "DIR" : action == Action::Legacy ? "CARD" : "FILE"));
    return true;
}
