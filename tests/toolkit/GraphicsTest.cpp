#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(Graphics, DirectColoursAreBlueGreenRed)
{
    struct Case { TColor value; QColor expected; };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0xB8A9ED, QColor(0xED, 0xA9, 0xB8)},
        {clWindow, QColor(255, 255, 255)},
        {clBtnFace, QColor(0xD4, 0xD0, 0xC8)},
        {clWindowText, QColor(0, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToQColor(c.value), c.expected) << std::hex << c.value;
        if (!IsSysColor(c.value)) {
            EXPECT_EQ(QColorToColor(c.expected), c.value);
        }
    }
}

TEST(Fonts, WindowsHeightRule)
{
    // Negative: character height in pixels; positive: the whole cell height.
    EXPECT_EQ(MakeFont("Arial", -11).pixelSize(), 11);
    const QFontMetrics cell(MakeFont("Arial", 14));
    EXPECT_NEAR(cell.ascent() + cell.descent(), 14, 1);
    EXPECT_EQ(MakeFont("MS Sans Serif", -11).family(), MakeFont("Arial", -11).family());
    EXPECT_TRUE(MakeFont("Arial", 16, fsBold).bold());
}
