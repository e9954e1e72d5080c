#pragma once
// Font descriptions as the window definitions give them (name, Windows height,
// style, colour) and their conversion to QFont.
#include "toolkit/Graphics.h"

#include <QFont>
#include <QString>
#include <cstdint>

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;  // set of TFontStyle bits

struct TFontDesc {
    QString Name = QStringLiteral("Arial");
    int Height = 14;  // > 0: cell height in pixels, < 0: character height
    TFontStyles Style = 0;
    TColor Color = clWindowText;

    bool operator==(const TFontDesc&) const = default;
};

// "Arial", "MS Sans Serif" and "Tahoma" all resolve to Liberation Sans.
QString ResolveFontFamily(const QString& name);
// A QFont whose pixel metrics follow the Windows height rule.
QFont MakeFont(const TFontDesc& desc);
QFont MakeFont(const QString& name, int height, TFontStyles style = 0);
// Sets the application font to the program's default ("Arial" 14).
void InstallDefaultApplicationFont();
