#pragma once

#include "card/CardBlockLayout.h"

#include <QByteArray>
#include <QList>

class ImageObject;
class MediaObject;
class QThread;

// The pictures and sequences a card reader rebuilt, owned until taken. Each
// record keeps its block unchanged as its LED line data, so downloading it
// again writes the same bytes.
class CardRecords
{
public:
    // Records are handed to home, the thread the playlist lives on (null: the
    // thread that reads).
    explicit CardRecords(QThread *home = nullptr);
    ~CardRecords(); // deletes the records not taken
    CardRecords(const CardRecords &) = delete;
    CardRecords &operator=(const CardRecords &) = delete;

    // A picture (type 4) or frame (type 5) for the block: LED line data, preview
    // and thumbnail. The caller owns it until it is appended.
    ImageObject *makeRecord(int index, double seconds, int type, const QByteArray &block,
                            const CardBlockLayout &layout) const;
    // An empty sequence; the caller owns it until it is appended.
    MediaObject *makeSequence(int index, int loopCount) const;

    void appendPicture(ImageObject *picture) { pictures.append(picture); }
    void appendSequence(MediaObject *sequence) { sequences.append(sequence); }
    const QList<ImageObject *> &pictureList() const { return pictures; }
    const QList<MediaObject *> &sequenceList() const { return sequences; }
    bool isEmpty() const { return pictures.isEmpty() && sequences.isEmpty(); }

    // The records, now the caller's.
    QList<ImageObject *> takePictures();
    QList<MediaObject *> takeSequences();
    void clear();

private:
    QThread *home;
    QList<ImageObject *> pictures;
    QList<MediaObject *> sequences;
};
