#include "gifwriter.h"

#include <QSaveFile>

namespace GifWriter {

namespace {

constexpr int kTransparent = 0; // palette index of transparent pixels
constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
// Literals between two clear codes: the decoder's table then never grows past
// 9-bit codes, so every code can be written as a plain 9-bit literal.
constexpr int kLiteralsPerClear = 250;

void putWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

int cubeLevel(int channel)
{
    return (channel * 5 + 127) / 255;
}

int paletteIndex(QRgb pixel)
{
    if (qAlpha(pixel) < 128)
        return kTransparent;
    return 1 + cubeLevel(qRed(pixel)) * 36 + cubeLevel(qGreen(pixel)) * 6 + cubeLevel(qBlue(pixel));
}

// LZW-coded pixel indices of a frame, in data sub-blocks of at most 255 bytes.
QByteArray imageData(const QImage& frame)
{
    QByteArray packed;
    quint32 bits = 0;
    int bitCount = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            packed.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
    int sinceClear = kLiteralsPerClear;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (sinceClear == kLiteralsPerClear) {
                put(kClearCode);
                sinceClear = 0;
            }
            put(paletteIndex(line[x]));
            ++sinceClear;
        }
    }
    put(kEndCode);
    if (bitCount > 0)
        packed.append(char(bits & 0xff));

    QByteArray blocks;
    blocks.append(char(8)); // minimum code size
    for (int at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        blocks.append(char(block.size()));
        blocks.append(block);
    }
    blocks.append(char(0));
    return blocks;
}

} // namespace

QVector<QImage> framesOfStrip(const QImage& strip)
{
    QVector<QImage> frames;
    const int side = strip.height();
    if (side <= 0)
        return frames;
    for (int x = 0; x + side <= strip.width(); x += side)
        frames.append(strip.copy(x, 0, side, side));
    return frames;
}

bool writeAnimation(const QVector<QImage>& frames, int delay, const QString& path)
{
    if (frames.isEmpty())
        return false;
    const QSize size = frames.first().size();

    QByteArray gif("GIF89a");
    putWord(gif, size.width());
    putWord(gif, size.height());
    gif.append(char(0xf7)); // global colour table of 256 entries
    gif.append(char(kTransparent));
    gif.append(char(0));
    QByteArray palette(256 * 3, char(0));
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                const int at = (1 + r * 36 + g * 6 + b) * 3;
                palette[at] = char(r * 51);
                palette[at + 1] = char(g * 51);
                palette[at + 2] = char(b * 51);
            }
        }
    }
    gif.append(palette);
    // Loop for ever.
    gif.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    putWord(gif, 0);
    gif.append(char(0));

    for (const QImage& frame : frames) {
        // Graphic control: restore to background after the frame, transparent index.
        gif.append("\x21\xf9\x04", 3);
        gif.append(char(0x09));
        putWord(gif, delay);
        gif.append(char(kTransparent));
        gif.append(char(0));
        gif.append(char(0x2c));
        putWord(gif, 0);
        putWord(gif, 0);
        putWord(gif, size.width());
        putWord(gif, size.height());
        gif.append(char(0));
        gif.append(imageData(frame.size() == size ? frame : frame.scaled(size)));
    }
    gif.append(char(0x3b));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(gif);
    return file.commit();
}

} // namespace GifWriter
