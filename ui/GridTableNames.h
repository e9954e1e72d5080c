#pragma once
// Short names that keep the column tables one row per column.
#include "ui/GridLayout.h"

namespace gridtable {

inline constexpr auto Text = TColumnKind::ckText;
inline constexpr auto Check = TColumnKind::ckCheckBox;
inline constexpr auto Image = TColumnKind::ckImage;

inline constexpr auto L = taLeftJustify;
inline constexpr auto C = taCenter;

inline constexpr bool Shown = true;
inline constexpr bool Hidden = false;
inline constexpr bool Enabled = true;
inline constexpr bool Disabled = false;

inline constexpr auto CheckGlyph = THeaderGlyph::hgCheck;
inline constexpr auto FlagGlyph = THeaderGlyph::hgFlag;
inline constexpr auto VideoGlyph = THeaderGlyph::hgVideo;
inline constexpr auto ArrowGlyph = THeaderGlyph::hgArrow;

inline constexpr TColor Orange = 0x4080FF;
inline constexpr TColor LightOrange = 0x44A8FF;
inline constexpr TColor DeepOrange = 0x0080FF;
inline constexpr TColor Grey = 0xA0A0A0;
inline constexpr TColor SteelBlue = 0xD78D4A;
inline constexpr TColor LightGrey = 0xD4D4D5;
inline constexpr TColor VeryLightGrey = 0xDFDFDF;
inline constexpr TColor Yellow = 0x00FFFF;
inline constexpr TColor LightYellow = 0x80FFFF;
inline constexpr TColor Purple = 0x800080;
inline constexpr TColor Maroon = 0x000080;
inline constexpr TColor Blue = 0xFF0000;
inline constexpr TColor Black = 0x000000;
inline constexpr TColor Rose = 0x8000FF;
inline constexpr TColor LightPeach = 0xBBD1FF;
inline constexpr TColor LightGreen = 0xB7FFB7;
inline constexpr TColor BrightGreen = 0x80FF80;
inline constexpr TColor PaleGreen = 0xAED0C1;
inline constexpr TColor Teal = 0x808040;
inline constexpr TColor Pink = 0xFF80FF;
inline constexpr TColor PalePink = 0xFFD2FF;
inline constexpr TColor LightPink = 0xFFCCFF;

inline constexpr TColumnFont Arial12{12, 0, clBtnText};
inline constexpr TColumnFont Arial12Bold{12, fsBold, clBtnText};
inline constexpr TColumnFont Arial14{14, 0, clBtnText};
inline constexpr TColumnFont Arial14Bold{14, fsBold, clBtnText};
inline constexpr TColumnFont Arial15Bold{15, fsBold, clBtnText};

inline constexpr TGridOptions NoOptions = 0;
inline constexpr TColumnOptions Default = 0;  // the kind's own set

}  // namespace gridtable
