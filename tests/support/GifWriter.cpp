#include "GifWriter.h"

#include <QHash>
#include <QSaveFile>

namespace {

constexpr int minCodeSize = 8;
constexpr int clearCode = 1 << minCodeSize;
constexpr int endCode = clearCode + 1;
constexpr int codeWidth = minCodeSize + 1;
// The decoder adds a table entry per code; a clear well before 512 entries keeps codes 9 bits wide.
constexpr int literalsPerClear = 250;

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs codes least significant bit first, as GIF wants.
class BitPacker
{
public:
    void put(int code)
    {
        acc |= quint32(code) << bits;
        bits += codeWidth;
        while (bits >= 8) {
            bytes.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (bits > 0)
            bytes.append(char(acc & 0xFF));
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 acc = 0;
    int bits = 0;
};

QByteArray lzw(const QByteArray &indexes)
{
    BitPacker packer;
    packer.put(clearCode);
    int sinceClear = 0;
    for (char index : indexes) {
        if (sinceClear == literalsPerClear) {
            packer.put(clearCode);
            sinceClear = 0;
        }
        packer.put(quint8(index));
        ++sinceClear;
    }
    packer.put(endCode);
    return packer.finish();
}

void putSubBlocks(QByteArray &out, const QByteArray &data)
{
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray chunk = data.mid(at, 255);
        out.append(char(chunk.size()));
        out.append(chunk);
    }
    out.append('\0');
}

} // namespace

void GifWriter::addFrame(const QImage &frame, int delayCentiseconds)
{
    frameList.append({frame.convertToFormat(QImage::Format_RGB32), delayCentiseconds});
}

QImage GifWriter::solidFrame(const QSize &size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray GifWriter::toByteArray() const
{
    if (frameList.isEmpty())
        return {};
    const QSize size = frameList.first().image.size();
    QHash<QRgb, int> palette;
    QList<QByteArray> indexed;
    for (const Frame &f : frameList) {
        if (f.image.size() != size)
            return {};
        QByteArray pixels;
        pixels.reserve(qsizetype(size.width()) * size.height());
        for (int y = 0; y < size.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(f.image.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                const QRgb c = line[x] | 0xFF000000u;
                auto it = palette.constFind(c);
                if (it == palette.constEnd()) {
                    if (palette.size() == 256)
                        return {};
                    it = palette.insert(c, int(palette.size()));
                }
                pixels.append(char(it.value()));
            }
        }
        indexed.append(pixels);
    }

    QByteArray out("GIF89a");
    putWord(out, size.width());
    putWord(out, size.height());
    out.append(char(0xF7)); // global table of 256 entries, 8 bits per primary
    out.append('\0');       // background colour index
    out.append('\0');       // no aspect ratio
    QByteArray table(256 * 3, '\0');
    for (auto it = palette.constBegin(); it != palette.constEnd(); ++it) {
        table[it.value() * 3] = char(qRed(it.key()));
        table[it.value() * 3 + 1] = char(qGreen(it.key()));
        table[it.value() * 3 + 2] = char(qBlue(it.key()));
    }
    out.append(table);
    if (loopForever && frameList.size() > 1) {
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putWord(out, 0);
        out.append('\0');
    }
    for (int i = 0; i < frameList.size(); ++i) {
        out.append("\x21\xF9\x04\x04", 4); // graphic control: keep the frame, no transparency
        putWord(out, frameList[i].delay);
        out.append('\0');
        out.append('\0');
        out.append(char(0x2C));
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, size.width());
        putWord(out, size.height());
        out.append('\0'); // no local table, not interlaced
        out.append(char(minCodeSize));
        putSubBlocks(out, lzw(indexed[i]));
    }
    out.append(char(0x3B));
    return out;
}

bool GifWriter::save(const QString &path) const
{
    const QByteArray bytes = toByteArray();
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

QByteArray GifWriter::truncatedInFrame(const QByteArray &gif, int frame)
{
    const QByteArray control("\x21\xF9\x04", 3); // graphic control extension, one per frame
    qsizetype at = -1;
    for (int i = 0; i <= frame; ++i)
        at = gif.indexOf(control, at + 1);
    return gif.left(at + 20);
}
