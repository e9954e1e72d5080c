#pragma once
// The settings and column tables of the main window's grids, kept as data and
// applied to a TDataGrid by name.
#include "grid/DgGrid.h"
#include "toolkit/Controls.h"
#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"
#include "toolkit/Resources.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <span>
#include <string_view>

class TImageList;

enum class TColumnKind : std::uint8_t { ckText, ckCheckBox, ckImage };

struct TColumnFont {
    int Height;
    TFontStyles Style;
    TColor Color;
};

// One column; the column's index is its place in the table.
struct TColumnLayout {
    const char* Name;
    TColumnKind Kind;
    const char* Caption;                // UTF-8; stored even when only the glyph shows
    std::optional<THeaderGlyph> Glyph;  // set: the header shows only this glyph
    TAlignment HeaderAlignment;
    int Width;
    TAlignment Alignment;
    bool Visible;
    bool Enabled;
    TColumnFont Font;  // always "Arial"
    TColor Color;
    TColor HeaderColor;
    TColumnOptions AddedOptions;  // on top of the kind's default set
    TSortType SortType;
    // Rarely set; trailing so that most rows can leave them out.
    bool FlagImages = false;  // Images = ImageList1
    const char* DefaultValue = nullptr;
    TCursor Cursor = crDefault;
    const char* HeaderHint = "";
};

// True when column `column` of `table` has `caption`: ties a column's name to
// its row of the table at compile time.
template <std::size_t N>
constexpr bool ColumnIs(const TColumnLayout (&table)[N], int column, std::string_view caption)
{
    return column >= 0 && std::size_t(column) < N && std::string_view(table[column].Caption) == caption;
}

// A grid's own settings; everything not listed keeps the control's default.
struct TGridLayout {
    const char* Name;
    TGridOptions Options;
    TGridLinesStyle GridLinesStyle;
    TColor GridLinesColor;
    THeaderStyle HeaderStyle;
    std::span<const TColumnLayout> Columns;
    TBorderStyle BorderStyle = bsSingle;
    TColor Color = clWindow;
};

struct TGridImages {
    TImageList* ImageList1;
};

// Gives `grid` the settings and columns of the main window's grid named `gridName`
// ("RX", "LG", "KFGrid", ...), replacing any columns it had. Unknown names leave
// the grid unchanged.
void ApplyGridLayout(TDataGrid& grid, const QString& gridName, const TGridImages& images);

// The table of a grid by its exact name; nullptr when there is none.
const TGridLayout* FindGridLayout(QStringView gridName);

// The fifteen grids of the Stats page, and LG, LGG and RG.
std::span<const TGridLayout> StatsGridLayouts();
std::span<const TGridLayout> LiveGridLayouts();
