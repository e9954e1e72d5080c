#include "AssetGen.h"

#include <QtEndian>

namespace {

void Put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

int Stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

QByteArray InfoHeader(int width, int height, int bits, int imageBytes, int colours)
{
    QByteArray h;
    Put32(h, 40);
    Put32(h, width);
    Put32(h, height * 2);   // colour rows and mask rows
    Put16(h, 1);
    Put16(h, bits);
    Put32(h, 0);
    Put32(h, imageBytes);
    Put32(h, 0);
    Put32(h, 0);
    Put32(h, colours);
    Put32(h, 0);
    return h;
}

// The AND mask, bottom-up: a set bit is a transparent pixel.
QByteArray AndMask(const QImage& argb)
{
    const int stride = Stride(argb.width(), 1);
    QByteArray mask(stride * argb.height(), '\0');
    for (int y = 0; y < argb.height(); ++y) {
        char* row = mask.data() + stride * (argb.height() - 1 - y);
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    return mask;
}

QByteArray Bitmap32(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray pixels;
    for (int y = argb.height() - 1; y >= 0; --y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            pixels.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(qAlpha(c)));
        }
    const QByteArray mask = AndMask(argb);
    return InfoHeader(argb.width(), argb.height(), 32, pixels.size() + mask.size(), 0) + pixels + mask;
}

// Black, white and transparent only; white pixels are colour index 1.
QByteArray Bitmap1(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int stride = Stride(argb.width(), 1);
    QByteArray bits(stride * argb.height(), '\0');
    for (int y = 0; y < argb.height(); ++y) {
        char* row = bits.data() + stride * (argb.height() - 1 - y);
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) != 0 && qGray(c) >= 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    const QByteArray mask = AndMask(argb);
    QByteArray palette;
    Put32(palette, 0x000000);
    Put32(palette, 0xFFFFFF);
    return InfoHeader(argb.width(), argb.height(), 1, bits.size() + mask.size(), 2) + palette + bits + mask;
}

QByteArray Directory(int type, const std::vector<QByteArray>& entries, const std::vector<QImage>& images,
                     const std::vector<QPoint>& hotSpots)
{
    QByteArray out;
    Put16(out, 0);
    Put16(out, quint16(type));
    Put16(out, quint16(entries.size()));
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const QImage& image = images[i];
        out.append(char(image.width() & 0xFF)).append(char(image.height() & 0xFF));
        out.append(char(type == 2 ? 2 : 0)).append('\0');
        Put16(out, quint16(type == 2 ? hotSpots[i].x() : 1));
        Put16(out, quint16(type == 2 ? hotSpots[i].y() : 32));
        Put32(out, quint32(entries[i].size()));
        Put32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& e : entries)
        out += e;
    return out;
}

} // namespace

QByteArray IconFile(const std::vector<QImage>& images)
{
    std::vector<QByteArray> entries;
    for (const QImage& image : images)
        entries.push_back(Bitmap32(image));
    return Directory(1, entries, images, {});
}

QByteArray CursorFile(const QImage& image, QPoint hotSpot)
{
    return Directory(2, {Bitmap1(image)}, {image}, {hotSpot});
}
