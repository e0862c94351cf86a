#pragma once

#include "CommandLine.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class ImageObject;
class MediaObject;

// Turns pictures and GIF files into LED line data and card files with the
// program's own conversion and card writer. Pictures are converted on all
// cores; the card keeps the order given.
class CardBuilder
{
    Q_DECLARE_TR_FUNCTIONS(CardBuilder)
public:
    CardBuilder();
    ~CardBuilder();

    // Empty on success; otherwise a message naming the file and the reason.
    QString writeLedData(const QString &picture, const QString &output);
    QString buildCard(const QList<CommandLine::Item> &items, const QString &output);

private:
    QString buildFromProject(const QString &project, const QString &output);
    QString writeCard(const QString &output);
    QString convertPictures(const QList<CommandLine::Item> &pictures);
    QString convertGif(const CommandLine::Item &item);
    static QString saveFile(const QString &path, const QByteArray &bytes);

    QList<ImageObject *> pictureRecords;
    QList<MediaObject *> sequenceRecords;
};
