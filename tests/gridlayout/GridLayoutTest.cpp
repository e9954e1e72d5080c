// The window's grids as their tables configure them.
#include "toolkit/ImageList.h"
#include "toolkit/Resources.h"
#include "ui/GridLayout.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

constexpr TColumnOptions TextDefault = DefaultColumnOptions | coShowTextFitHint;

// A grid configured by name, with a flag list of its own.
struct Configured {
    TImageList flags;
    TDataGrid grid;

    explicit Configured(const char* name) { ApplyGridLayout(grid, name, TGridImages{&flags}); }
    TDgCustomColumn& Column(int i) { return *grid.Columns()[i]; }
    // Shown, so that the automatic widths get a client width to share.
    void Show(int width)
    {
        grid.resize(width, 120);
        grid.show();
        QCoreApplication::processEvents();
    }
};

std::vector<const TGridLayout*> AllLayouts()
{
    std::vector<const TGridLayout*> all;
    for (const TGridLayout& l : StatsGridLayouts())
        all.push_back(&l);
    for (const TGridLayout& l : LiveGridLayouts())
        all.push_back(&l);
    return all;
}

} // namespace

TEST(GridLayout, EveryGridGetsItsColumnsAndHiddenOnesTakeNoWidth)
{
    struct Case {
        const char* grid;
        int count;
        std::set<int> hidden;
        int shownWidth;
    };
    const Case cases[] = {
        {"RX", 19, {0, 1, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, 365},
        {"MatchGrid", 7, {0}, 635},
        {"TableName1", 3, {2}, 246},
        {"TableName2", 3, {2}, 246},
        {"Table1", 6, {}, 244},
        {"Table2", 6, {}, 244},
        {"KFGrid", 2, {}, 128},
        {"LG1", 6, {}, 208},
        {"LG2", 6, {}, 208},
        {"LG3", 6, {}, 198},
        {"SG", 11, {}, 565},
        {"Buk", 7, {}, 560},
        {"LGrid1", 7, {}, 635},
        {"LGrid2", 7, {}, 636},
        {"HX", 7, {}, 635},
        // The three wide grids just fit the page at design size.
        {"LG", 28, {0}, 993},
        {"LGG", 19, {0}, 991},
        {"RG", 23, {0}, 984},
    };
    std::set<std::string> covered;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        covered.insert(c.grid);
        Configured g(c.grid);
        ASSERT_EQ(g.grid.Columns().Count(), c.count);
        int shown = 0;
        for (int i = 0; i < c.count; ++i) {
            TDgCustomColumn& col = g.Column(i);
            SCOPED_TRACE(i);
            const bool hidden = c.hidden.count(i) > 0;
            EXPECT_EQ(col.Visible(), !hidden);
            EXPECT_EQ(col.VisibleIndex() < 0, hidden);
            EXPECT_EQ(col.Position(), i);
            EXPECT_EQ(col.DefaultWidth(), col.Width());
            EXPECT_FALSE(col.ParentFont());
            EXPECT_EQ(col.Font().Name, "Arial");
            if (!hidden)
                shown += col.Width();
        }
        EXPECT_EQ(shown, c.shownWidth);
        EXPECT_EQ(g.grid.Columns().TotalWidth(), c.shownWidth);
    }
    for (const TGridLayout* layout : AllLayouts())
        EXPECT_TRUE(covered.count(layout->Name)) << layout->Name << " has no expectations";
}

TEST(GridLayout, GlyphHeadersShowOnlyTheGlyphWithItsTransparentColour)
{
    using G = THeaderGlyph;
    const std::map<std::string, std::map<int, G>> glyphs = {
        {"RX", {{1, G::hgCheck}, {2, G::hgFlag}, {9, G::hgVideo}, {10, G::hgArrow}}},
        {"LGrid1", {{1, G::hgFlag}}}, {"LGrid2", {{1, G::hgFlag}}}, {"HX", {{1, G::hgFlag}}},
        {"LG", {{1, G::hgFlag}}},     {"LGG", {{1, G::hgFlag}}},    {"RG", {{1, G::hgFlag}}},
    };
    const std::map<G, TColor> transparent = {
        {G::hgCheck, 0xFFFFFF},
        {G::hgFlag, 0xFFFFFF},
        {G::hgVideo, 0x9FC9F4},  // red 244, green 201, blue 159
        {G::hgArrow, 0x9EDAFB},  // red 251, green 218, blue 158
    };
    for (const TGridLayout* layout : AllLayouts()) {
        Configured g(layout->Name);
        const auto found = glyphs.find(layout->Name);
        for (int i = 0; i < g.grid.Columns().Count(); ++i) {
            SCOPED_TRACE(std::string(layout->Name) + " column " + std::to_string(i));
            const TColumnHeader& header = g.Column(i).Header();
            const bool hasGlyph = found != glyphs.end() && found->second.count(i);
            if (!hasGlyph) {
                EXPECT_EQ(header.DisplayMode(), dmTextOnly);
                EXPECT_TRUE(header.Glyph().isNull());
                continue;
            }
            const G glyph = found->second.at(i);
            EXPECT_EQ(header.DisplayMode(), dmImageOnly);
            ASSERT_EQ(header.Glyph().size(), QSize(16, 16));
            EXPECT_EQ(header.Glyph(), LoadHeaderGlyph(glyph));
            EXPECT_EQ(header.TransparentColor(), transparent.at(glyph));
        }
    }
    // The video glyph keeps its caption beside it, unseen.
    EXPECT_EQ(Configured("RX").Column(9).Header().Caption(), "TV");
}

TEST(GridLayout, CaptionsAndHeaderHintsAreExact)
{
    struct Case {
        const char* grid;
        int col;
        const char* caption;
        const char* hint;
    };
    const Case cases[] = {
        {"LGG", 16, "Precent", ""},
        {"LGG", 18, "Recoming Bets Live", ""},
        {"LG", 16, "%", ""},
        {"LG", 18, "RB", "Recoming Bets"},
        {"LG", 26, "U", "Total Under"},
        {"LG", 27, "O", "Total Over"},
        {"RG", 21, "U", ""},  // only LG explains its totals
        {"RG", 13, "LG1", "Latest Home Match"},
        {"RG", 15, "H2H", "Head-To-Head"},
        {"Table1", 0, "№", ""},
        {"Table2", 0, "№", ""},
        {"SG", 1, "Win,%", ""},
        {"RG", 11, "PR1,%", ""},
        {"MatchGrid", 3, "Flag", ""},
        {"RX", 12, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.grid) + " column " + std::to_string(c.col));
        Configured g(c.grid);
        EXPECT_EQ(g.Column(c.col).Header().Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(g.Column(c.col).Header().Hint(), QString::fromUtf8(c.hint));
    }
    EXPECT_EQ(Configured("Table1").Column(0).Header().Caption(), QString(QChar(0x2116)));
}

TEST(GridLayout, ColumnsTakeTheirKindFontColoursOptionsAndSort)
{
    enum Kind { Text, Check, Image };
    struct Case {
        const char* grid;
        int col;
        Kind kind;
        int width;
        TAlignment align;
        TAlignment headerAlign;
        bool enabled;
        TFontDesc font;
        TColor color;
        TColor headerColor;
        TColumnOptions options;
        TSortType sort;
        TCursor cursor;
        bool flagImages;
    };
    auto font = [](int height, TFontStyles style, TColor color) {
        return TFontDesc{QStringLiteral("Arial"), height, style, color};
    };
    const Case cases[] = {
        {"RX", 1, Check, 20, taCenter, taCenter, true, font(14, 0, clBtnText), clWindow, 0x44A8FF,
         DefaultColumnOptions | coEditing, stBoolean, crHandPoint, false},
        {"RX", 2, Image, 26, taCenter, taCenter, true, font(14, 0, clBtnText), clWindow, 0x44A8FF,
         DefaultColumnOptions, stNumeric, crDefault, true},
        // An image column under a text column's name, with no pictures.
        {"RX", 9, Image, 25, taCenter, taCenter, true, font(14, 0, clBtnText), clWindow, 0x44A8FF,
         DefaultColumnOptions | coShowTextFitHint, stNumeric, crHandPoint, false},
        {"RX", 5, Text, 87, taLeftJustify, taCenter, true, font(14, 0, clBtnText), clWindow,
         0x44A8FF, TextDefault | coAutoSize, stAlphabetic, crDefault, false},
        {"RX", 7, Text, 34, taCenter, taCenter, true, font(14, 0, clBtnText), cl3DLight, 0x44A8FF,
         TextDefault, stAlphabetic, crDefault, false},
        {"MatchGrid", 6, Text, 40, taCenter, taLeftJustify, true, font(14, fsBold, 0x00FFFF),
         clWindow, 0x00FFFF, TextDefault, stAlphabetic, crDefault, false},
        {"TableName1", 0, Image, 25, taCenter, taCenter, false, font(14, 0, clBtnText), clWindow,
         clBtnFace, DefaultColumnOptions, stNumeric, crDefault, true},
        {"TableName2", 2, Image, 25, taCenter, taLeftJustify, true, font(14, 0, clBtnText),
         clWindow, clBtnFace, DefaultColumnOptions, stNumeric, crHandPoint, false},
        {"Table1", 0, Text, 50, taCenter, taCenter, false, font(14, fsBold, clBtnText), 0x00FFFF,
         0x44A8FF, TextDefault | coAutoSize, stAlphabetic, crDefault, false},
        {"KFGrid", 1, Text, 64, taCenter, taCenter, false, font(18, fsBold, 0x8000FF), clWindow,
         0x0080FF, TextDefault | coAutoSize, stAlphabetic, crDefault, false},
        {"LG1", 5, Text, 32, taCenter, taCenter, false, font(10, fsBold, 0x000000), clWindow,
         0x44A8FF, TextDefault | coAutoSize, stAlphabetic, crDefault, false},
        {"LG3", 2, Text, 38, taCenter, taCenter, false, font(10, fsBold, clBtnText), clWindow,
         0x44A8FF, TextDefault | coAutoSize, stAlphabetic, crDefault, false},
        {"SG", 1, Text, 40, taCenter, taCenter, true, font(15, fsBold, clBtnText), 0x00FFFF,
         0x44A8FF, TextDefault, stAlphabetic, crDefault, false},
        {"SG", 0, Text, 120, taLeftJustify, taCenter, true, font(14, fsBold, clBtnText), clWindow,
         0x44A8FF, TextDefault, stAlphabetic, crDefault, false},
        {"HX", 1, Image, 25, taCenter, taCenter, true, font(14, 0, clBtnText), clWindow, 0x44A8FF,
         DefaultColumnOptions, stNumeric, crHandPoint, true},
        {"HX", 6, Text, 35, taCenter, taCenter, true, font(14, 0, 0x800080), clWindow, 0x44A8FF,
         TextDefault, stAlphabetic, crDefault, false},
        {"LGrid2", 5, Text, 193, taCenter, taCenter, true, font(14, 0, clBtnText), 0xBBD1FF,
         0x44A8FF, TextDefault, stAlphabetic, crDefault, false},
        {"LG", 3, Text, 25, taCenter, taCenter, true, font(14, 0, clHighlight), 0x80FFFF, 0x44A8FF,
         TextDefault, stAlphabetic, crDefault, false},
        {"LG", 18, Text, 22, taLeftJustify, taCenter, true, font(14, 0, clBtnText), 0xB7FFB7,
         0x80FF80, TextDefault, stAlphabetic, crDefault, false},
        {"LG", 21, Text, 35, taCenter, taCenter, true, font(12, fsBold, clBtnText), 0xFFD2FF,
         0xFF80FF, TextDefault, stAlphabetic, crDefault, false},
        {"LGG", 18, Text, 210, taLeftJustify, taCenter, true, font(14, 0, clBtnText), 0xFFCCFF,
         0xFF80FF, TextDefault, stAlphabetic, crDefault, false},
        {"RG", 1, Image, 25, taCenter, taCenter, true, font(14, 0, clBtnText), clWindow, 0x44A8FF,
         DefaultColumnOptions, stNumeric, crDefault, true},
        {"RG", 17, Text, 28, taCenter, taCenter, true, font(12, 0, clBtnText), 0xAED0C1, 0x808040,
         TextDefault, stAlphabetic, crDefault, false},
        {"RG", 15, Text, 30, taCenter, taCenter, true, font(14, fsBold, 0xFF0000), 0x80FFFF,
         0x44A8FF, TextDefault, stAlphabetic, crDefault, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.grid) + " column " + std::to_string(c.col));
        Configured g(c.grid);
        TDgCustomColumn& col = g.Column(c.col);
        auto* image = dynamic_cast<TDgImageColumn*>(&col);
        switch (c.kind) {
        case Text: EXPECT_NE(dynamic_cast<TDgTextColumn*>(&col), nullptr); break;
        case Check: EXPECT_NE(dynamic_cast<TDgCheckBoxColumn*>(&col), nullptr); break;
        case Image: ASSERT_NE(image, nullptr); break;
        }
        EXPECT_EQ(col.Width(), c.width);
        EXPECT_EQ(col.Alignment(), c.align);
        EXPECT_EQ(col.Header().Alignment(), c.headerAlign);
        EXPECT_EQ(col.VerticalAlignment(), taVerticalCenter);
        EXPECT_EQ(col.Enabled(), c.enabled);
        EXPECT_EQ(col.Font(), c.font);
        EXPECT_EQ(col.Color(), c.color);
        EXPECT_EQ(col.Header().Color(), c.headerColor);
        EXPECT_EQ(col.Options(), c.options);
        EXPECT_EQ(col.SortType(), c.sort);
        EXPECT_EQ(col.Cursor(), c.cursor);
        if (image) {
            EXPECT_EQ(image->Images(), c.flagImages ? &g.flags : nullptr);
            EXPECT_EQ(col.DefaultValue(), "0");
        }
    }
}

TEST(GridLayout, GridSettingsFollowTheTables)
{
    struct Case {
        const char* grid;
        TGridOptions options;
        TGridLinesStyle linesStyle;
        TColor linesColor;
        TBorderStyle border;
        TColor color;
    };
    const Case cases[] = {
        {"RX", goGrid | goHeader | goRowResizing | goSelectFullRow, lsActiveRows, 0x4080FF, bsSingle,
         clWindow},
        {"MatchGrid", goGrid, lsActiveRows, 0xA0A0A0, bsSingle, clWindow},
        {"TableName1", 0, lsNormal, clBtnFace, bsSingle, clWindow},  // no header, no lines
        {"KFGrid", goGrid | goHeader, lsActiveRows, 0xA0A0A0, bsSingle, clWindow},
        {"SG", goGrid | goHeader, lsActiveRows, 0xA0A0A0, bsNone, 0xD4D4D5},
        {"Buk", goGrid | goHeader, lsActiveRows, 0xA0A0A0, bsNone, 0xD4D4D5},
        {"LGrid1", goGrid | goHeader | goSelectFullRow, lsActiveRows, 0xD78D4A, bsSingle, clWindow},
        {"LGrid2", goGrid | goHeader | goSelectFullRow, lsActiveRows, 0xA0A0A0, bsSingle, clWindow},
        {"LGG", goGrid | goHeader, lsActiveRows, 0x4080FF, bsSingle, clWindow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        Configured g(c.grid);
        EXPECT_EQ(g.grid.Options(), c.options);
        EXPECT_EQ(g.grid.GridLinesStyle(), c.linesStyle);
        EXPECT_EQ(g.grid.GridLinesColor(), c.linesColor);
        EXPECT_EQ(g.grid.HeaderStyle(), hsFlatBorders);
        EXPECT_EQ(g.grid.BorderStyle(), c.border);
        EXPECT_EQ(g.grid.Color(), c.color);
        EXPECT_EQ(g.grid.Font(), (TFontDesc{QStringLiteral("Arial"), 14, 0, clBtnText}));
        // Defaults the tables leave alone.
        EXPECT_EQ(g.grid.RowSize(), 16);
        EXPECT_EQ(g.grid.HeaderSize(), 18);
        EXPECT_EQ(g.grid.focusPolicy(), Qt::StrongFocus);
    }
}

TEST(GridLayout, UnknownNamesLeaveTheGridAloneAndAKnownOneReplacesItsColumns)
{
    Configured g("RX");
    g.grid.AddRow(2);
    for (const char* unknown : {"", "rx", "Form1", "LG4"}) {
        ApplyGridLayout(g.grid, unknown, TGridImages{&g.flags});
        EXPECT_EQ(g.grid.Columns().Count(), 19) << unknown;
        EXPECT_EQ(g.grid.Options(), goGrid | goHeader | goRowResizing | goSelectFullRow);
    }
    EXPECT_EQ(g.grid.RowCount(), 2);

    ApplyGridLayout(g.grid, "TableName2", TGridImages{nullptr});
    ASSERT_EQ(g.grid.Columns().Count(), 3);
    EXPECT_EQ(g.grid.Options(), TGridOptions(0));
    // No flag list given: the flag column stays without pictures.
    EXPECT_EQ(dynamic_cast<TDgImageColumn&>(g.Column(0)).Images(), nullptr);
}

TEST(GridLayout, AutoSizeColumnsFillWhatTheFixedOnesLeave)
{
    for (const char* name : {"RX", "MatchGrid", "Table1", "KFGrid", "LG3", "LGrid1", "HX"}) {
        SCOPED_TRACE(name);
        Configured g(name);
        g.Show(700);
        const TGridLayout& layout = *FindGridLayout(QString::fromLatin1(name));
        int shown = 0;
        for (int i = 0; i < g.grid.Columns().Count(); ++i) {
            const TDgCustomColumn& col = g.Column(i);
            if (!(layout.Columns[i].AddedOptions & coAutoSize)) {
                EXPECT_EQ(col.Width(), layout.Columns[i].Width) << "fixed column " << i;
            }
            if (col.Visible())
                shown += col.Width();
        }
        // Rounding each share may leave the sum a pixel off.
        EXPECT_NEAR(shown, g.grid.ClientWidth(), 1);
    }
    // Home and away split their room evenly in the recent-results grids.
    Configured results("LGrid1");
    results.Show(700);
    EXPECT_EQ(results.Column(2).Width(), results.Column(3).Width());
}
