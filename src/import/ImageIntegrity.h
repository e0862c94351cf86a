#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QIODevice;

// Walks the structure of JPEG, PNG and GIF data. Qt's readers decode a cut or
// damaged file as far as they can and say nothing (a JPEG cut in half becomes
// a half-grey picture, a cut GIF loses its last frames); this walk finds where
// the data stops being whole. It checks structure only: markers, chunk
// lengths and checksums, block chains, end markers; not the compressed pixels.
class ImageIntegrity
{
    Q_DECLARE_TR_FUNCTIONS(ImageIntegrity)
public:
    struct Finding {
        bool damaged = false;
        // The end of a sentence such as "the file ends inside frame 3.";
        // empty when the data is whole.
        QString reason;
        // GIF: frames whose data is whole, counted from the first; JPEG and
        // PNG: 1 when the picture's data is whole, else 0.
        int wholeFrames = 0;
    };

    // Reads device from its start; leaves it positioned at the start again.
    // format is the reader's name for it ("jpeg", "png", "gif"); other formats
    // are not checked and come back whole.
    static Finding check(QIODevice &device, const QByteArray &format);

    static Finding jpeg(QIODevice &device);
    static Finding png(QIODevice &device);
    static Finding gif(QIODevice &device);
};
