#include "toolkit/Resources.h"

#include "toolkit/ImageList.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPixmap>
#include <QtEndian>

#include <vector>

namespace {

// type (lower case) -> NAME (upper case) -> resource path; built once, the
// resource tree never changes while the program runs.
using ResourceIndex = QHash<QString, QHash<QString, QString>>;

const ResourceIndex& Index()
{
    static const ResourceIndex index = [] {
        ResourceIndex result;
        QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            const QString type = QFileInfo(info.path()).fileName().toLower();
            result[type].insert(info.completeBaseName().toUpper(), info.filePath());
        }
        return result;
    }();
    return index;
}

QString ResourcePath(const QString& name, const QString& type)
{
    const auto byType = Index().constFind(type.toLower());
    if (byType == Index().constEnd())
        return {};
    return byType->value(name.toUpper());
}

quint16 Word(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 DWord(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// One image of an icon or cursor file: its stored bytes and, for cursors, the
// hot spot kept in the directory entry.
struct TIconEntry {
    QByteArray image;
    QPoint hotSpot;
};

// The entries of an .ico / .cur file; entries that point outside the file are
// dropped rather than read past its end.
std::vector<TIconEntry> IconEntries(const QByteArray& data)
{
    std::vector<TIconEntry> entries;
    if (data.size() < 6 || Word(data, 0) != 0 || (Word(data, 2) != 1 && Word(data, 2) != 2))
        return entries;
    const int count = Word(data, 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype dir = 6 + qsizetype(i) * 16;
        if (dir + 16 > data.size())
            break;
        const quint32 size = DWord(data, dir + 8);
        const quint32 offset = DWord(data, dir + 12);
        if (offset > quint32(data.size()) || size > quint32(data.size()) - offset)
            continue;
        entries.push_back({data.mid(offset, size), QPoint(Word(data, dir + 4), Word(data, dir + 6))});
    }
    return entries;
}

// Decodes a bottom-up icon bitmap (colour rows, then the AND mask) of 1 or 32
// bits per pixel. Set mask bits are transparent; 1-bit "invert" pixels (mask 1,
// colour 1) show as black, which is what they look like over a light window.
QImage DecodeIconBitmap(const QByteArray& dib)
{
    if (dib.size() < 40 || DWord(dib, 0) < 40)
        return {};
    const int width = qint32(DWord(dib, 4));
    const int height = qint32(DWord(dib, 8)) / 2;
    const int bits = Word(dib, 14);
    if (width <= 0 || width > 256 || height <= 0 || height > 256 || (bits != 1 && bits != 32))
        return {};
    const qsizetype colours = bits == 1 ? 2 : 0;
    const qsizetype pixelsAt = DWord(dib, 0) + colours * 4;
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype maskAt = pixelsAt + stride * height;
    if (maskAt + maskStride * height > dib.size())
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(dib.constData());
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* row = bytes + pixelsAt + stride * (height - 1 - y);
        const uchar* mask = bytes + maskAt + maskStride * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool masked = mask[x / 8] & (0x80 >> (x % 8));
            if (bits == 32) {
                const uchar* p = row + x * 4;
                out[x] = masked ? 0 : qRgba(p[2], p[1], p[0], p[3]);
                continue;
            }
            const bool set = row[x / 8] & (0x80 >> (x % 8));
            const uchar* c = bytes + DWord(dib, 0) + (set ? 4 : 0);
            out[x] = masked ? (set ? qRgba(0, 0, 0, 255) : 0) : qRgba(c[2], c[1], c[0], 255);
        }
    }
    return image;
}

QImage DecodeIconImage(const QByteArray& stored)
{
    if (stored.startsWith("\x89PNG"))
        return QImage::fromData(stored, "PNG");
    return DecodeIconBitmap(stored);
}

} // namespace

QByteArray FindResourceData(const QString& name, const QString& type)
{
    const QString path = ResourcePath(name, type);
    if (path.isEmpty())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QCursor LoadResourceCursor(const QString& name)
{
    const auto entries = IconEntries(FindResourceData(name, QStringLiteral("CURSOR")));
    if (entries.empty())
        return QCursor(Qt::ArrowCursor);
    const QImage image = DecodeIconImage(entries.front().image);
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    const QPoint hot = entries.front().hotSpot;
    return QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
}

QImage LoadResourceImage(const QString& name)
{
    const QString path = ResourcePath(name, QStringLiteral("IMAGE"));
    return path.isEmpty() ? QImage() : QImage(path);
}

void LoadFlagImages(TImageList& list)
{
    list.LoadStrip(LoadResourceImage(QStringLiteral("IMAGELIST1")), 4, FlagImageCount);
}

void LoadTabImages(TImageList& list)
{
    list.LoadStrip(LoadResourceImage(QStringLiteral("IMAGELIST2")), 4, TabImageCount);
}

QIcon LoadMainIcon()
{
    QIcon icon;
    for (const TIconEntry& entry : IconEntries(FindResourceData(QStringLiteral("MAINICON"), QStringLiteral("ICON")))) {
        const QImage image = DecodeIconImage(entry.image);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QImage LoadHeaderGlyph(THeaderGlyph glyph)
{
    const QImage image = LoadResourceImage(QString::fromLatin1(HeaderGlyphName(glyph)));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB888);
}
