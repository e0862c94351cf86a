#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// Writes a legacy card file: header, the 100 picture slots (unused ones
// black), then the frames of the sequence slots. Saved through a temporary
// file, so a failed write leaves no half file under the name.
class LegacyCardWriter
{
    Q_DECLARE_TR_FUNCTIONS(LegacyCardWriter)
public:
    explicit LegacyCardWriter(qint64 blockSize) : block(blockSize) {}

    // A picture shown for timeUnits x 0.2 s.
    void addPicture(const QByteArray &samples, int timeUnits);
    void addSequence(const QList<QByteArray> &frames, int loopCount);

    // Empty on success; otherwise a message naming the file and the reason.
    QString save(const QString &path) const;

private:
    qint64 block;
    QList<QByteArray> pictures;
    QList<int> times;
    QList<QList<QByteArray>> sequences;
    QList<int> loops;
};
