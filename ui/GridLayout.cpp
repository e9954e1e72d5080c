#include "ui/GridLayout.h"

#include "toolkit/ImageList.h"

namespace {

// Every grid takes the page control's font; header captions are drawn with it.
const TFontDesc GridFont{QStringLiteral("Arial"), 14, 0, clBtnText};

TDgCustomColumn* AddColumn(TDataGrid& grid, TColumnKind kind)
{
    switch (kind) {
    case TColumnKind::ckCheckBox: return grid.Columns().Add<TDgCheckBoxColumn>();
    case TColumnKind::ckImage: return grid.Columns().Add<TDgImageColumn>();
    case TColumnKind::ckText: break;
    }
    return grid.Columns().Add<TDgTextColumn>();
}

// Words a screen reader says for a header that shows only its picture.
QString GlyphHeaderName(THeaderGlyph glyph)
{
    switch (glyph) {
    case THeaderGlyph::hgCheck: return QStringLiteral("Selected");
    case THeaderGlyph::hgFlag: return QStringLiteral("Country");
    case THeaderGlyph::hgVideo: return QStringLiteral("Video");
    case THeaderGlyph::hgArrow: return QStringLiteral("Trend");
    }
    return {};
}

void ApplyHeader(TColumnHeader& header, const TColumnLayout& layout)
{
    header.SetCaption(QString::fromUtf8(layout.Caption));
    header.SetAlignment(layout.HeaderAlignment);
    header.SetColor(layout.HeaderColor);
    header.SetHint(QString::fromUtf8(layout.HeaderHint));
    if (layout.Glyph) {
        header.SetGlyph(LoadHeaderGlyph(*layout.Glyph));
        header.SetDisplayMode(dmImageOnly);
        header.SetAccessibleName(GlyphHeaderName(*layout.Glyph));
    }
}

void ApplyColumn(TDgCustomColumn& column, const TColumnLayout& layout, const TGridImages& images)
{
    column.SetWidth(layout.Width);
    column.SetDefaultWidth(layout.Width);
    column.SetAlignment(layout.Alignment);
    column.SetEnabled(layout.Enabled);
    column.SetFont(TFontDesc{QStringLiteral("Arial"), layout.Font.Height, layout.Font.Style,
                             layout.Font.Color});
    column.SetColor(layout.Color);
    column.SetOptions(column.Options() | layout.AddedOptions);
    column.SetSortType(layout.SortType);
    column.SetCursor(layout.Cursor);
    if (layout.DefaultValue)
        column.SetDefaultValue(QString::fromUtf8(layout.DefaultValue));
    if (auto* imageColumn = dynamic_cast<TDgImageColumn*>(&column); imageColumn && layout.FlagImages)
        imageColumn->SetImages(images.ImageList1);
    ApplyHeader(column.Header(), layout);
    column.SetVisible(layout.Visible);
}

const TGridLayout* FindIn(std::span<const TGridLayout> layouts, QStringView name)
{
    for (const TGridLayout& layout : layouts) {
        if (name == QLatin1String(layout.Name))
            return &layout;
    }
    return nullptr;
}

}  // namespace

const TGridLayout* FindGridLayout(QStringView gridName)
{
    if (const TGridLayout* layout = FindIn(StatsGridLayouts(), gridName))
        return layout;
    return FindIn(LiveGridLayouts(), gridName);
}

void ApplyGridLayout(TDataGrid& grid, const QString& gridName, const TGridImages& images)
{
    const TGridLayout* layout = FindGridLayout(gridName);
    if (!layout)
        return;

    grid.setFocusPolicy(Qt::StrongFocus);  // TabStop
    grid.SetFont(GridFont);
    grid.SetOptions(layout->Options);
    grid.SetGridLinesStyle(layout->GridLinesStyle);
    grid.SetGridLinesColor(layout->GridLinesColor);
    grid.SetHeaderStyle(layout->HeaderStyle);
    grid.SetBorderStyle(layout->BorderStyle);
    grid.SetColor(layout->Color);

    grid.Columns().Clear();
    for (const TColumnLayout& column : layout->Columns)
        ApplyColumn(*AddColumn(grid, column.Kind), column, images);
}
