#pragma once
// A team logo as received from the service: a small PNG. The size in its
// header is checked before any pixel is decoded, so a tiny file that claims
// a huge picture cannot take the program's memory.
#include <QImage>

#include <string_view>

// Far above any logo the service sends (they are well under 200 pixels).
constexpr int kMaxLogoSide = 1024;

// The picture, or a null image when the bytes are no PNG, hold a chunk longer
// than the bytes themselves or claim a side longer than kMaxLogoSide.
QImage DecodeTeamLogo(std::string_view bytes);
