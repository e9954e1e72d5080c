#include "app/TeamLogo.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>

namespace {

std::uint32_t BigEndian32(const unsigned char* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// Every chunk's declared length must lie inside the bytes: the decoder would
// otherwise spend seconds skipping a gigabyte that never comes.
bool ChunksFit(std::string_view bytes)
{
    constexpr std::size_t kSignature = 8;
    constexpr std::size_t kFrame = 12; // length, type and checksum
    if (bytes.size() < kSignature)
        return false;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t at = kSignature; at < bytes.size();) {
        if (bytes.size() - at < kFrame)
            return false;
        const std::uint32_t length = BigEndian32(data + at);
        if (length > bytes.size() - at - kFrame)
            return false;
        at += kFrame + length;
    }
    return true;
}

} // namespace

QImage DecodeTeamLogo(std::string_view bytes)
{
    if (!ChunksFit(bytes))
        return {};
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxLogoSide || size.height() > kMaxLogoSide)
        return {};
    QImage picture;
    return reader.read(&picture) ? picture : QImage();
}
