#include "skin/SkinPackage.h"

#include "skin/SkinIni.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <zlib.h>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kCoreHeaderSize = 12;
constexpr int kMaxSide = 16384;  // far beyond any skin picture
constexpr qsizetype kMaxInflated = 64 << 20;  // a real skin is a few hundred KB

void AppendInt32(QByteArray& out, int value)
{
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    out.append(bytes, 4);
}

void AppendSlot(QByteArray& out, const std::optional<QByteArray>& picture)
{
    out.append(char(picture ? 0 : 1));
    if (picture)
        out.append(*picture);
}

quint32 Le32(const char* p) { return qFromLittleEndian<quint32>(p); }
qint32 Le32s(const char* p) { return qFromLittleEndian<qint32>(p); }

}  // namespace

QByteArray InflateSkinStream(const QByteArray& compressed)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        throw EDecompressionError();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    z.avail_in = uInt(compressed.size());
    QByteArray out;
    // Skin pictures pack well; start near the usual ratio instead of growing from nothing.
    out.reserve(std::min<qsizetype>(compressed.size() * 32, kMaxInflated));
    char chunk[4096];
    int rc = Z_OK;
    do {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        rc = inflate(&z, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) {
            inflateEnd(&z);
            throw EDecompressionError();
        }
        out.append(chunk, qsizetype(sizeof chunk - z.avail_out));
        if (out.size() > kMaxInflated) {
            inflateEnd(&z);
            throw EDecompressionError();
        }
        // No progress with input left over means the stream stopped short.
        if (rc == Z_OK && z.avail_out != 0 && z.avail_in == 0) {
            inflateEnd(&z);
            throw EDecompressionError();
        }
    } while (rc != Z_STREAM_END);
    inflateEnd(&z);
    return out;
}

QByteArray DeflateSkinStream(const QByteArray& data, int level)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()),
                  level) != Z_OK)
        throw ECompressionError();
    out.resize(qsizetype(size));
    return out;
}

QByteArray EncodeSkinPackage(const TskSkinPackage& p)
{
    QByteArray out;
    AppendInt32(out, p.Version);
    AppendSlot(out, p.Picture);
    if (p.Version == 2 || p.Version == 3)
        AppendSlot(out, p.InactivePicture);
    AppendSlot(out, p.Mask);
    if (p.Version == 1 || p.Version == 2) {
        AppendSlot(out, p.RollUpPicture);
        AppendSlot(out, p.RollUpMask);
    }
    AppendInt32(out, int(p.ActivePictures.size()));
    for (const QByteArray& bmp : p.ActivePictures)
        out.append(bmp);
    out.append(p.Text);
    return out;
}

bool TskPackageReader::ReadInt32(int& out)
{
    if (Remaining() < 4)
        return false;
    out = Le32s(data_.constData() + pos_);
    pos_ += 4;
    return true;
}

bool TskPackageReader::ReadBmp(QByteArray& out)
{
    if (Remaining() < kFileHeaderSize)
        return false;
    const char* p = data_.constData() + pos_;
    if (p[0] != 'B' || p[1] != 'M')
        return false;
    quint32 size = Le32(p + 2);
    if (size < quint32(kFileHeaderSize + kCoreHeaderSize) || size > quint64(Remaining()))
        return false;
    out = data_.mid(pos_, qsizetype(size));
    pos_ += qsizetype(size);
    return true;
}

bool TskPackageReader::ReadPictureSlot(std::optional<QByteArray>& out)
{
    out.reset();
    if (Remaining() < 1)
        return false;
    const bool empty = data_[pos_] != 0;
    ++pos_;
    if (empty)
        return true;
    QByteArray bmp;
    if (!ReadBmp(bmp))
        return false;
    out = std::move(bmp);
    return true;
}

QByteArray TskPackageReader::ReadRest()
{
    QByteArray rest = data_.mid(pos_);
    pos_ = data_.size();
    return rest;
}

QImage DecodeSkinBmp(const QByteArray& bmp)
{
    // The file header's size is already checked against the package; here the
    // info header must fit inside it and uncompressed pixels must too.
    if (bmp.size() < kFileHeaderSize + 16)
        return {};
    const char* p = bmp.constData();
    const quint32 offBits = Le32(p + 10);
    const quint32 infoSize = Le32(p + 14);
    if (infoSize >= 40 && kFileHeaderSize + qsizetype(infoSize) <= bmp.size()) {
        const qint64 width = Le32s(p + 18);
        const qint64 height = std::abs(qint64(Le32s(p + 22)));
        const int bits = qFromLittleEndian<quint16>(p + 28);
        const quint32 compression = Le32(p + 30);
        if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
            return {};
        if (compression == 0) {
            const qint64 stride = ((width * bits + 31) / 32) * 4;
            if (offBits > quint32(bmp.size()) || qint64(offBits) + stride * height > bmp.size())
                return {};
        }
    }
    QBuffer buffer;
    buffer.setData(bmp);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QImage image;
    if (!reader.read(&image))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray BuildSkinPackageFromFolder(const QString& iniPath, int version)
{
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    TskIniFile ini(std::string_view(text.constData(), size_t(text.size())));
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.SectionExists(section))
            return {};

    const QString folder = QFileInfo(iniPath).absolutePath();
    bool missing = false;
    auto readFile = [&](const std::string& name) -> QByteArray {
        QFile f(folder + '/' + QString::fromStdString(name));
        if (!f.open(QIODevice::ReadOnly)) {
            missing = true;
            return {};
        }
        return f.readAll();
    };
    auto slot = [&](const char* key) -> std::optional<QByteArray> {
        const std::string name = ini.ReadString("PICTURES", key);
        if (name.empty())
            return std::nullopt;
        return readFile(name);
    };

    TskSkinPackage package;
    package.Version = version;
    package.Picture = slot("picture");
    package.InactivePicture = slot("inactivepicture");
    package.Mask = slot("mask");
    package.RollUpPicture = slot("rolluppicture");
    package.RollUpMask = slot("rollupmask");
    const int count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
    for (int i = 0; i < count; ++i)
        package.ActivePictures.append(readFile(ini.ReadString("PICTURES", std::to_string(i))));
    package.Text = text;
    return missing ? QByteArray() : EncodeSkinPackage(package);
}
