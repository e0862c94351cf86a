#pragma once

#include "CommandLine.h"
#include "import/PictureLoader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class ImageObject;
class MediaObject;

// Turns pictures, GIF files and video clips into LED line data and card files with the
// program's own conversion and card writer. Pictures are converted on all
// cores; the card keeps the order given.
class CardBuilder
{
    Q_DECLARE_TR_FUNCTIONS(CardBuilder)
public:
    // keepDamaged: convert what can be read of cut or damaged input instead of failing.
    explicit CardBuilder(bool keepDamaged = false);
    ~CardBuilder();

    // Empty on success; otherwise a message naming the file and the reason.
    // An output that is one of the inputs, or not a regular file, is refused.
    QString writeLedData(const QString &picture, const QString &output);
    QString buildCard(const QList<CommandLine::Item> &items, const QString &output);
    // Damaged input that was converted in part, one sentence per file.
    QStringList warnings() const { return notes; }

private:
    QString buildFromProject(const QString &project, const QString &output);
    QString writeCard(const QString &output);
    QString convertPictures(const QList<CommandLine::Item> &pictures);
    QString convertGif(const CommandLine::Item &item);
    QString convertVideo(const CommandLine::Item &item);
    static QString saveFile(const QString &path, const QByteArray &bytes);
    PictureLoader::Damaged damagePolicy() const;

    bool keepDamaged;
    QStringList notes;

    QList<ImageObject *> pictureRecords;
    QList<MediaObject *> sequenceRecords;
};
