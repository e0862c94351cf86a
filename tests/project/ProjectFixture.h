#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class ImageObject;
class MediaObject;

// A playlist made the way the program makes one: source copies in the temp
// folder, pictures and GIF frames converted by polar sampling, so that their
// thumbnails, previews and LED line data are the real thing. Owns its records
// until they are taken.
class ProjectFixture
{
public:
    ProjectFixture() = default;
    ProjectFixture(const ProjectFixture &) = delete;
    ProjectFixture &operator=(const ProjectFixture &) = delete;
    ~ProjectFixture();

    // A picture of its own, told apart by seed.
    static QImage picture(QSize size, int seed);

    ImageObject *addPicture(QSize size, int seed, double seconds);
    MediaObject *addGif(int frameCount, int loopCount);
    // A picture as the card reader makes it: raw LED samples, no source.
    ImageObject *addCardPicture(int rawLength, double seconds);

    // The card the program downloads for this playlist.
    QByteArray card(const QString &path) const;
    void clear();

    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;
};

// What the record shows and plays, for comparing a record with its copy read back.
struct RecordState {
    int index = 0;
    int type = 0;
    double displayTime = 0;
    float captureTime = 0;
    float contrast = 0;
    QRect crop;
    QByteArray source;
    QByteArray thumbnail;
    QByteArray preview;
    QByteArray led;

    static RecordState of(ImageObject *record);
    bool operator==(const RecordState &other) const;
};

QByteArray readBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);
