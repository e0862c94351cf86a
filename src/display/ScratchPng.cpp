#include "display/ScratchPng.h"

#include <QIODevice>
#include <QtEndian>

#include <array>

namespace {

constexpr std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

quint32 crc32(const QByteArray &bytes)
{
    static constexpr std::array<quint32, 256> table = crcTable();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendWord(QByteArray &out, quint32 value)
{
    char word[4];
    qToBigEndian<quint32>(value, word);
    out.append(word, 4);
}

void appendChunk(QByteArray &out, const char *type, const QByteArray &data)
{
    appendWord(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data; // the CRC covers type and data
    out.append(typed);
    appendWord(out, crc32(typed));
}

constexpr int fastestDeflate = 1;

} // namespace

QByteArray ScratchPng::encode(const QImage &picture)
{
    if (picture.isNull())
        return QByteArray();
    const bool alpha = picture.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QImage pixels = picture.format() == format ? picture : picture.convertToFormat(format);
    const int w = pixels.width();
    const int h = pixels.height();
    const int channels = alpha ? 4 : 3;
    const qint64 rowBytes = 1 + qint64(channels) * w; // a filter byte (0: none) before each row
    if (pixels.isNull() || rowBytes * h > qint64(INT_MAX) / 2)
        return QByteArray();

    QByteArray raw(qsizetype(rowBytes * h), Qt::Uninitialized);
    char *out = raw.data();
    for (int y = 0; y < h; ++y) {
        *out++ = 0;
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x];
            *out++ = char(qRed(c));
            *out++ = char(qGreen(c));
            *out++ = char(qBlue(c));
            if (alpha)
                *out++ = char(qAlpha(c));
        }
    }
    QByteArray deflated = qCompress(raw, fastestDeflate);
    if (deflated.size() <= 4)
        return QByteArray();
    deflated.remove(0, 4); // qCompress's length prefix: the rest is the zlib stream PNG wants

    QByteArray header;
    appendWord(header, quint32(w));
    appendWord(header, quint32(h));
    header.append(char(8));                 // bits per channel
    header.append(char(alpha ? 6 : 2));     // RGBA or RGB
    header.append(3, char(0));              // deflate, adaptive filtering (all none), no interlace

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(png.size() + deflated.size() + 64);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

bool ScratchPng::write(const QImage &picture, QIODevice &device)
{
    const QByteArray png = encode(picture);
    return !png.isEmpty() && device.write(png) == png.size();
}
