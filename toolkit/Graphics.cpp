#include "toolkit/Graphics.h"

#include <array>

namespace {
// Index -> RGB of the classic "Windows Standard" scheme.
constexpr std::array<QRgb, 31> kClassic = {
    0xD4D0C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8,
    0x808080, 0x808080, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000,
    0xFFFFE1, 0xB5B5B5, 0x000080, 0xA6CAF0, 0xC0C0C0, 0x316AC5, 0xECE9D8,
};
}  // namespace

QColor SysColor(int index)
{
    if (index < 0 || index >= int(kClassic.size()))
        return QColor(Qt::black);
    return QColor(kClassic[std::size_t(index)]);
}

QColor ColorToQColor(TColor c)
{
    if (IsSysColor(c))
        return SysColor(int(c & 0xFF));
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor QColorToColor(const QColor& c)
{
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}
