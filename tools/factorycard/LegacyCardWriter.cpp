#include "LegacyCardWriter.h"

#include "card/LegacyCardLayout.h"

#include <QSaveFile>

void LegacyCardWriter::addPicture(const QByteArray &samples, int timeUnits)
{
    pictures.append(samples);
    times.append(timeUnits);
}

void LegacyCardWriter::addSequence(const QList<QByteArray> &frames, int loopCount)
{
    sequences.append(frames);
    loops.append(loopCount);
}

QString LegacyCardWriter::save(const QString &path) const
{
    using namespace LegacyCardLayout;
    if (pictures.size() > pictureLimit || sequences.size() > sequenceSlots)
        return tr("%1: too many pictures or sequences for a legacy card.").arg(path);
    Header header;
    header.pictureCount = quint8(pictures.size());
    for (int s = 0; s < pictures.size(); ++s)
        header.timeBytes[s] = quint8(qBound(0, times.at(s), 255));
    for (int j = 0; j < sequences.size(); ++j) {
        if (sequences.at(j).size() > 255)
            return tr("%1: sequence %2 has more than 255 frames.").arg(path).arg(j + 1);
        header.frameCounts[j] = quint8(sequences.at(j).size());
        header.loopCounts[j] = quint8(qBound(0, loops.at(j), 255));
    }

    QList<QByteArray> blocks;
    for (int s = 0; s < pictureSlots; ++s)
        blocks.append(s < pictures.size() ? pictures.at(s) : QByteArray(block, '\0'));
    for (const QList<QByteArray> &frames : sequences)
        blocks.append(frames);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("%1: cannot create the file: %2").arg(path, file.errorString());
    bool written = file.write(header.toBytes()) == headerSize;
    for (const QByteArray &data : blocks) {
        if (data.size() != block)
            return tr("%1: a block has %2 bytes instead of %3.").arg(path).arg(data.size()).arg(block);
        written = written && file.write(data) == block;
    }
    if (!written || !file.commit())
        return tr("%1: cannot write the file: %2").arg(path, file.errorString());
    return QString();
}
