// Picture bytes from outside the program: the first byte picks a skin bitmap
// (its header checks and the BMP reader) or a team logo as received (PNG).
// Decoding needs no application object.
#include "app/TeamLogo.h"
#include "skin/SkinPackage.h"

#include <QImage>
#include <string_view>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    QImage picture;
    if (data[0] & 1)
        picture = DecodeSkinBmp(bytes);
    else
        picture = DecodeTeamLogo(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!picture.isNull())
        (void)picture.pixel(picture.width() - 1, picture.height() - 1);
    return 0;
}
