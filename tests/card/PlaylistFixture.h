#pragma once

#include <QByteArray>
#include <QList>

class ImageObject;
class MediaObject;

// A playlist of records whose buffer files hold recognisable data. Owns them.
class PlaylistFixture
{
public:
    PlaylistFixture() = default;
    PlaylistFixture(const PlaylistFixture &) = delete;
    PlaylistFixture &operator=(const PlaylistFixture &) = delete;
    ~PlaylistFixture();

    // A picture whose LED line data is stored in its buffer file.
    ImageObject *addPicture(double seconds, int blockLength);
    MediaObject *addSequence(int frameCount, int loopCount, int blockLength);

    // Distinct bytes for every seed, so that a block out of place shows.
    static QByteArray pattern(int seed, int length);

    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;

private:
    static ImageObject *storedRecord(int index, double seconds, int blockLength);
};
