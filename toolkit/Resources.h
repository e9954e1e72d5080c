#pragma once
// The program's embedded resources (pictures, sounds, icon, cursors), found by
// name without regard to case under the Qt resource prefix ":/res/".
#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

class TImageList;

// Raw bytes of resource `name` of resource type `type` ("WAVE", "CURSOR",
// "ICON", "IMAGE"); both compared without case. Empty when there is none: the
// sounds exist only as "WAVE", so any other type finds nothing for them.
QByteArray FindResourceData(const QString& name, const QString& type);

// A grid cursor ("HORZSPLIT", "ROLL", ...) with its hot spot; the arrow cursor
// when the name is unknown.
QCursor LoadResourceCursor(const QString& name);

// A picture by name ("ABOUT", "DEFAULTLOGO", "IMAGELIST1", a header glyph);
// null when unknown or unreadable.
QImage LoadResourceImage(const QString& name);

// ImageList1: the 110 country flags (0 a basketball, 25 the European Union).
void LoadFlagImages(TImageList& list);
// ImageList2: the 13 tab icons (0 empty).
void LoadTabImages(TImageList& list);

// "MAINICON": the basketball emblem at 16, 32 and 48 pixels.
QIcon LoadMainIcon();

// The four column-header glyphs; each is drawn with its bottom-left pixel as
// the transparent colour.
enum class THeaderGlyph { hgCheck, hgFlag, hgVideo, hgArrow };

inline constexpr const char* HeaderGlyphName(THeaderGlyph glyph)
{
    switch (glyph) {
    case THeaderGlyph::hgCheck: return "GLYPH_CHECK";
    case THeaderGlyph::hgFlag: return "GLYPH_FLAG";
    case THeaderGlyph::hgVideo: return "GLYPH_VIDEO";
    case THeaderGlyph::hgArrow: return "GLYPH_ARROW";
    }
    return "";
}

// 16 x 16, 24 bits per pixel (QImage::Format_RGB888); null when missing.
QImage LoadHeaderGlyph(THeaderGlyph glyph);

// Flag and tab list sizes, as the window's grids and page controls index them.
inline constexpr int FlagImageCount = 110;
inline constexpr int TabImageCount = 13;
