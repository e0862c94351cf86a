#pragma once

#include <QByteArray>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QRect>
#include <QString>

// One picture of the playlist or one frame of a sequence. Its heavy data lives
// in three scratch files in the temp directory, named by its process-wide id:
// "<id>_1.png" thumbnail, "<id>_2.png" preview, "<id>.buf" LED line data.
class ImageObject : public QObject
{
    Q_OBJECT
public:
    enum Type {
        PictureFile = 0,
        VideoFrame = 1,
        DiyPicture = 2,
        GifFrame = 3,
        CardPicture = 4,
        CardFrame = 5,
    };

    ImageObject(int index, const QString &sourcePath, double displayTime, int type);
    // The same, with the source file already decoded by the caller: the
    // thumbnail is made from that picture instead of reading the file again.
    ImageObject(int index, const QString &sourcePath, double displayTime, int type, const QImage &decodedSource);
    ~ImageObject() override;

    int type() const { return imageType; }
    int index() const { return imageIndex; }
    void setIndex(int index) { imageIndex = index; }
    QString sourcePath() const { return source; }
    void setSourcePath(const QString &path) { source = path; }
    // The source file is a copy the program made in this run's scratch
    // folder: it goes with the record's other scratch files, so that
    // importing and deleting leaves the scratch folder as it was.
    void setSourceIsScratch(bool scratch) { sourceIsScratch = scratch; }
    double displayTime() const { return time; }
    void setDisplayTime(double seconds) { time = seconds; }
    float captureTime() const { return capture; }
    void setCaptureTime(float ms) { capture = ms; }
    float contrast() const { return contrastFactor; }
    void setContrast(float factor) { contrastFactor = factor; }
    QRect cropRect() const { return crop; }
    void setCropRect(const QRect &rect) { crop = rect; }
    int id() const { return objectId; }

    void makeThumbnail();
    void makeThumbnail(const QImage &decodedSource);
    int setThumbnail(const QImage &picture);
    int setPreviewImage(const QImage &picture);
    QImage thumbnail();
    QImage previewImage();
    // The thumbnail or preview file as stored (empty when there is none), and
    // the same bytes put back, neither decoded nor encoded again: a project
    // carries them from one run to the next.
    enum class Scratch { Thumbnail, Preview };
    QByteArray scratchPicture(Scratch which);
    bool setScratchPicture(Scratch which, const QByteArray &png);

    // Replaces the in-memory LED line data (conversion, card reader).
    void setLedData(const QByteArray &data);
    void saveLedData();
    QByteArray ledData();
    // Length of the LED line data in memory (0 once stored to the buffer file).
    int memoryLedDataLength();
    // Length of the block this record contributes to a card file.
    int ledDataLength();
    void removeTempFiles();

    QString bufferPath();
    QString thumbnailPath() const;
    QString previewPath() const;

    // The next id that a new record will take (for tests and diagnostics).
    static int peekNextId();

private:
    int savePng(const QImage &picture, const QString &path);

    int imageType;
    int imageIndex;
    QString source;
    QByteArray led;
    double time;
    float capture = 0;
    float contrastFactor = 1.0f;
    QRect crop;
    int objectId;
    QMutex fileLock; // serialises the scratch files and the LED line data
    bool sourceIsScratch = false;
    QString bufferFile;
    int storedLength = 0;
};
