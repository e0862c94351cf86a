#include "import/ImageIntegrity.h"

#include <QIODevice>

#include <array>
#include <cstring>

namespace {

// Reads a device front to back in large pieces; a byte or a run of bytes at a time.
class ByteCursor
{
public:
    explicit ByteCursor(QIODevice &device) : device(device) {}

    // -1 at the end of the data.
    int next()
    {
        if (at == buffer.size() && !refill())
            return -1;
        return quint8(buffer.at(at++));
    }
    // False when the data ends first.
    bool read(char *to, qint64 length)
    {
        while (length > 0) {
            if (at == buffer.size() && !refill())
                return false;
            const qint64 n = qMin<qint64>(length, buffer.size() - at);
            std::memcpy(to, buffer.constData() + at, size_t(n));
            at += n;
            to += n;
            length -= n;
        }
        return true;
    }
    bool skip(qint64 length)
    {
        while (length > 0) {
            if (at == buffer.size() && !refill())
                return false;
            const qint64 n = qMin<qint64>(length, buffer.size() - at);
            at += n;
            length -= n;
        }
        return true;
    }
    // Skips to just after the next 0xFF byte; false when there is none.
    bool skipPastFF()
    {
        for (;;) {
            if (at == buffer.size() && !refill())
                return false;
            const void *found = std::memchr(buffer.constData() + at, 0xFF, size_t(buffer.size() - at));
            if (found) {
                at = static_cast<const char *>(found) - buffer.constData() + 1;
                return true;
            }
            at = buffer.size();
        }
    }
    int word16BigEndian()
    {
        const int high = next();
        const int low = next();
        return high < 0 || low < 0 ? -1 : (high << 8) | low;
    }

private:
    bool refill()
    {
        buffer = device.read(64 * 1024);
        at = 0;
        return !buffer.isEmpty();
    }

    QIODevice &device;
    QByteArray buffer;
    qint64 at = 0;
};

ImageIntegrity::Finding whole(int frames)
{
    ImageIntegrity::Finding finding;
    finding.wholeFrames = frames;
    return finding;
}

ImageIntegrity::Finding broken(const QString &reason, int wholeFrames = 0)
{
    ImageIntegrity::Finding finding;
    finding.damaged = true;
    finding.reason = reason;
    finding.wholeFrames = wholeFrames;
    return finding;
}

// Puts the device back where the readers expect it, whatever the walk did.
class Rewind
{
public:
    explicit Rewind(QIODevice &device) : device(device) { device.seek(0); }
    ~Rewind() { device.seek(0); }

private:
    QIODevice &device;
};

quint32 crc32Of(const char *data, qint64 length, quint32 crc)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    for (qint64 i = 0; i < length; ++i)
        crc = table[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return crc;
}

bool isRestartMarker(int marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Entropy-coded data after a start of scan: runs to the next marker that is
// not a stuffed zero, a fill byte or a restart marker. Returns that marker, or
// -1 when the data ends first; restart markers out of order are damage (-2).
int skipScan(ByteCursor &cursor)
{
    int expectedRestart = 0xD0;
    for (;;) {
        if (!cursor.skipPastFF())
            return -1;
        int marker = cursor.next();
        while (marker == 0xFF)
            marker = cursor.next();
        if (marker < 0)
            return -1;
        if (marker == 0x00)
            continue;
        if (!isRestartMarker(marker))
            return marker;
        if (marker != expectedRestart)
            return -2;
        expectedRestart = expectedRestart == 0xD7 ? 0xD0 : expectedRestart + 1;
    }
}

// A damaged chunk type may hold any byte; only letters are shown as they are.
QString chunkName(const QByteArray &type)
{
    for (const char c : type) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return QString::fromLatin1(type.toHex());
    }
    return QString::fromLatin1(type);
}

} // namespace

ImageIntegrity::Finding ImageIntegrity::check(QIODevice &device, const QByteArray &format)
{
    if (format == "jpeg" || format == "jpg")
        return jpeg(device);
    if (format == "png")
        return png(device);
    if (format == "gif")
        return gif(device);
    return whole(1);
}

ImageIntegrity::Finding ImageIntegrity::jpeg(QIODevice &device)
{
    const Rewind rewind(device);
    ByteCursor cursor(device);
    const QString cut = tr("the JPEG data stops before its end marker, so the file was cut short.");
    if (cursor.next() != 0xFF || cursor.next() != 0xD8)
        return broken(tr("it does not start like a JPEG file."));
    bool sawFrame = false;
    int marker = -1;
    for (;;) {
        if (marker < 0) {
            const int ff = cursor.next();
            if (ff < 0)
                return broken(cut);
            if (ff != 0xFF)
                return broken(tr("the JPEG data is damaged: a header segment is broken."));
            marker = cursor.next();
            while (marker == 0xFF)
                marker = cursor.next();
            if (marker < 0)
                return broken(cut);
        }
        if (marker == 0xD9)
            return sawFrame ? whole(1) : broken(tr("the JPEG data holds no picture."));
        if (isRestartMarker(marker) || marker == 0x01) {
            marker = -1;
            continue;
        }
        const int length = cursor.word16BigEndian();
        if (length < 0)
            return broken(cut);
        if (length < 2)
            return broken(tr("the JPEG data is damaged: a header segment is broken."));
        if (!cursor.skip(length - 2))
            return broken(cut);
        if ((marker >= 0xC0 && marker <= 0xCF) && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            sawFrame = true;
        if (marker != 0xDA) {
            marker = -1;
            continue;
        }
        marker = skipScan(cursor);
        if (marker == -1)
            return broken(cut);
        if (marker == -2)
            return broken(tr("the JPEG data is damaged: its picture data is out of order."));
    }
}

ImageIntegrity::Finding ImageIntegrity::png(QIODevice &device)
{
    const Rewind rewind(device);
    ByteCursor cursor(device);
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    char head[8];
    if (!cursor.read(head, 8) || std::memcmp(head, signature, 8) != 0)
        return broken(tr("it does not start like a PNG file."));
    const QString cut = tr("the PNG data stops before its end chunk, so the file was cut short.");
    QByteArray data;
    for (;;) {
        char lengthAndType[8];
        if (!cursor.read(lengthAndType, 8))
            return broken(cut);
        const quint32 length = (quint32(quint8(lengthAndType[0])) << 24) | (quint32(quint8(lengthAndType[1])) << 16)
                               | (quint32(quint8(lengthAndType[2])) << 8) | quint32(quint8(lengthAndType[3]));
        if (length > 0x7FFFFFFFu)
            return broken(tr("the PNG data is damaged: a chunk has an impossible length."));
        const QByteArray type(lengthAndType + 4, 4);
        quint32 crc = crc32Of(lengthAndType + 4, 4, 0xFFFFFFFFu);
        // Chunk data in pieces, so that a lying length cannot make us allocate gigabytes.
        qint64 left = length;
        char piece[16384];
        while (left > 0) {
            const qint64 n = qMin<qint64>(left, sizeof piece);
            if (!cursor.read(piece, n))
                return broken(cut);
            crc = crc32Of(piece, n, crc);
            left -= n;
        }
        char stored[4];
        if (!cursor.read(stored, 4))
            return broken(cut);
        const quint32 expected = (quint32(quint8(stored[0])) << 24) | (quint32(quint8(stored[1])) << 16)
                                 | (quint32(quint8(stored[2])) << 8) | quint32(quint8(stored[3]));
        if ((crc ^ 0xFFFFFFFFu) != expected)
            return broken(tr("the PNG data is damaged: the checksum of its %1 chunk does not match.").arg(chunkName(type)));
        if (type == "IEND")
            return whole(1);
    }
}

ImageIntegrity::Finding ImageIntegrity::gif(QIODevice &device)
{
    const Rewind rewind(device);
    ByteCursor cursor(device);
    char head[13];
    if (!cursor.read(head, 6) || (std::memcmp(head, "GIF87a", 6) != 0 && std::memcmp(head, "GIF89a", 6) != 0))
        return broken(tr("it does not start like a GIF file."));
    if (!cursor.read(head + 6, 7))
        return broken(tr("the file ends before its first frame."));
    const auto colourTable = [](int packed) { return (packed & 0x80) ? 3 * (2 << (packed & 0x07)) : 0; };
    int frames = 0;
    const auto endsAfterFrames = [&frames] {
        return frames == 0 ? broken(tr("the file ends before its first frame."))
                           : broken(tr("the file ends after frame %1 without its end marker.").arg(frames), frames);
    };
    const auto endsInsideFrame = [&frames] {
        return broken(tr("the file ends inside frame %1.").arg(frames + 1), frames);
    };
    // Sub-blocks: a length byte, that many bytes, until a zero length.
    const auto skipSubBlocks = [&cursor] {
        for (;;) {
            const int size = cursor.next();
            if (size < 0)
                return false;
            if (size == 0)
                return true;
            if (!cursor.skip(size))
                return false;
        }
    };
    if (!cursor.skip(colourTable(quint8(head[10]))))
        return endsAfterFrames();
    for (;;) {
        const int introducer = cursor.next();
        if (introducer < 0)
            return endsAfterFrames();
        if (introducer == 0x3B)
            return frames > 0 ? whole(frames) : broken(tr("the GIF data holds no frame."));
        if (introducer == 0x21) {
            if (cursor.next() < 0 || !skipSubBlocks())
                return endsInsideFrame();
            continue;
        }
        if (introducer != 0x2C)
            return broken(frames == 0 ? tr("the GIF data is damaged before its first frame.")
                                      : tr("the GIF data is damaged after frame %1.").arg(frames),
                          frames);
        char descriptor[9];
        if (!cursor.read(descriptor, 9) || !cursor.skip(colourTable(quint8(descriptor[8]))) || cursor.next() < 0
            || !skipSubBlocks())
            return endsInsideFrame();
        ++frames;
    }
}
