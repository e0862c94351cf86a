#include "CardReadCommands.h"

#include "app/WorkDirectory.h"
#include "card/CardReader.h"
#include "card/CardRecords.h"
#include "card/CardTableOfContents.h"
#include "card/CardWriter.h"
#include "card/LegacyCardLayout.h"
#include "card/LegacyCardReader.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <atomic>

namespace {

const std::atomic<bool> &always()
{
    static const std::atomic<bool> yes{true};
    return yes;
}

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QJsonArray numbers(const quint8 *values, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(values[i]);
    return array;
}

bool isOurCard(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)
           && CardTableOfContents::hasMarkers(file.read(CardTableOfContents::size));
}

} // namespace

bool CardReadCommands::handles(const CommandLine &command)
{
    return command.action == CommandLine::Action::Legacy || command.action == CommandLine::Action::Preview
           || (command.action == CommandLine::Action::Info && command.legacyInfo);
}

QString CardReadCommands::run(const CommandLine &command, QString &output)
{
    // The records' scratch files live and die with this run.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return tr("cannot create a temporary folder: %1").arg(scratch.errorString());
    WorkDirectory::initPrivate(scratch.path());
    if (command.action == CommandLine::Action::Legacy)
        return legacyToCard(command);
    if (command.action == CommandLine::Action::Preview)
        return writePreviews(command);
    return describeLegacy(command, output);
}

QString CardReadCommands::outputProblem(const QString &input, const QString &output)
{
    const QFileInfo out(output);
    if (out.exists() && out.canonicalFilePath() == QFileInfo(input).canonicalFilePath())
        return tr("%1: the output would replace the input.").arg(output);
    return QString();
}

QString CardReadCommands::readLegacy(const CommandLine &command, CardRecords &records)
{
    return LegacyCardReader(always()).read(command.input, command.leds, command.lines, records);
}

QString CardReadCommands::readAny(const CommandLine &command, CardRecords &records)
{
    if (!isOurCard(command.input))
        return readLegacy(command, records);
    const CardReader::Probe probe = CardReader::probe(command.input, command.leds, command.lines);
    if (!probe.ok())
        return probe.problem;
    if (!probe.fits && probe.layout)
        return tr("The card %1 does not fit a display of %2 LEDs and %3 lines; it was made for %4 LEDs and %5 "
                  "lines: give --leds %4 --lines %5.")
            .arg(command.input)
            .arg(command.leds)
            .arg(command.lines)
            .arg(probe.layout->ledCount)
            .arg(probe.layout->lineCount);
    if (!probe.fits)
        return tr("The card %1 does not fit a display of %2 LEDs and %3 lines, nor any other display.")
            .arg(command.input)
            .arg(command.leds)
            .arg(command.lines);
    return CardReader(always()).read(command.input, *probe.layout, records);
}

QString CardReadCommands::legacyToCard(const CommandLine &command)
{
    const QString refused = outputProblem(command.input, command.output);
    if (!refused.isEmpty())
        return refused;
    CardRecords records;
    const QString problem = readLegacy(command, records);
    if (!problem.isEmpty())
        return problem;
    const CardWriteResult result = CardWriter().write(records.pictureList(), records.sequenceList(), command.output);
    if (!result.complete())
        return result.message.isEmpty() ? tr("%1: the card file was not written.").arg(command.output)
                                        : result.message;
    return QString();
}

QString CardReadCommands::writePreviews(const CommandLine &command)
{
    CardRecords records;
    const QString problem = readAny(command, records);
    if (!problem.isEmpty())
        return problem;
    const QFileInfo folder(command.output);
    if (folder.exists() && !folder.isDir())
        return tr("%1: not a folder.").arg(command.output);
    if (!QDir().mkpath(command.output))
        return tr("%1: cannot create the folder.").arg(command.output);
    QList<ImageObject *> blocks = records.pictureList();
    for (const MediaObject *sequence : records.sequenceList())
        blocks.append(sequence->frames());
    for (int b = 0; b < blocks.size(); ++b) {
        const QString name = QDir(command.output).filePath(QStringLiteral("block-%1.png").arg(b + 1, 4, 10, QLatin1Char('0')));
        if (!blocks.at(b)->previewImage().save(name, "PNG"))
            return tr("%1: cannot write the preview.").arg(name);
    }
    return QString();
}

QString CardReadCommands::describeLegacy(const CommandLine &command, QString &output)
{
    CardRecords records;
    const QString problem = readLegacy(command, records);
    if (!problem.isEmpty())
        return problem;
    QFile file(command.input);
    LegacyCardLayout::Header header;
    if (!file.open(QIODevice::ReadOnly) || !LegacyCardLayout::Header::parse(file.read(LegacyCardLayout::headerSize), header))
        return tr("%1: the file changed while it was read.").arg(command.input);

    QJsonArray pictures;
    for (ImageObject *picture : records.pictureList()) {
        const int slot = picture->index() - 1;
        pictures.append(QJsonObject{{QStringLiteral("slot"), slot},
                                    {QStringLiteral("timeByte"), header.timeBytes[slot]},
                                    {QStringLiteral("seconds"), picture->displayTime()},
                                    {QStringLiteral("sha256"), sha256(picture->ledData())}});
    }
    QJsonArray sequences;
    for (MediaObject *sequence : records.sequenceList()) {
        QJsonArray frames;
        for (ImageObject *frame : sequence->frames())
            frames.append(sha256(frame->ledData()));
        sequences.append(QJsonObject{{QStringLiteral("slot"), sequence->index()},
                                     {QStringLiteral("loopCount"), sequence->loopCount()},
                                     {QStringLiteral("frameCount"), sequence->frameCount()},
                                     {QStringLiteral("frames"), frames}});
    }
    const QJsonObject headerJson{
        {QStringLiteral("frameCounts"), numbers(header.frameCounts.data(), LegacyCardLayout::sequenceSlots)},
        {QStringLiteral("loopCounts"), numbers(header.loopCounts.data(), LegacyCardLayout::sequenceSlots)},
        {QStringLiteral("pictureCount"), header.pictureCount},
        {QStringLiteral("timeBytes"), numbers(header.timeBytes.data(), LegacyCardLayout::pictureSlots)}};
    const QJsonObject json{{QStringLiteral("file"), command.input},
                           {QStringLiteral("fileSize"), file.size()},
                           {QStringLiteral("blockSize"), LegacyCardLayout::blockSize(command.leds, command.lines)},
                           {QStringLiteral("header"), headerJson},
                           {QStringLiteral("pictures"), pictures},
                           {QStringLiteral("sequences"), sequences}};
    output = QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    return QString();
}
