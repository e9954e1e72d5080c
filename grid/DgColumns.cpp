#include "grid/DgColumns.h"

#include "grid/DgColumnClasses.h"
#include "grid/DgDisplays.h"

#include <QPainter>
#include <algorithm>

// --- header and footer parts ----------------------------------------------

void TColumnPart::Changed(TColumnChange change)
{
    column_->Changed(change);
}

void TColumnPart::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Changed(TColumnChange::HeaderCell);
}

void TColumnPart::SetColor(TColor value)
{
    color_ = value;
    Changed(TColumnChange::HeaderCell);
}

void TColumnHeader::SetCaption(const QString& value)
{
    caption_ = value;
    Changed(TColumnChange::Strip);
}

void TColumnHeader::SetDisplayMode(TDisplayMode value)
{
    displayMode_ = value;
    Changed(TColumnChange::Strip);
    if (OnChange)
        OnChange(this);
}

void TColumnHeader::SetGlyph(const QImage& value)
{
    glyph_ = value;
    masked_ = QImage();
    transparentColor_ = clNone;
    if (!glyph_.isNull()) {
        // The bottom-left pixel names the colour that stays see-through.
        const QRgb key = glyph_.pixel(0, glyph_.height() - 1) | 0xFF000000u;
        transparentColor_ = QColorToColor(QColor(key));
        masked_ = glyph_.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < masked_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked_.scanLine(y));
            for (int x = 0; x < masked_.width(); ++x)
                if ((line[x] | 0xFF000000u) == key)
                    line[x] = 0;
        }
    }
    Changed(TColumnChange::Strip);
    if (OnChange)
        OnChange(this);
}

void TColumnHeader::SetHideArrow(bool value)
{
    hideArrow_ = value;
    Changed(TColumnChange::HeaderCell);
}

void TColumnHeader::SetMultiLine(bool value)
{
    multiLine_ = value;
    Changed(TColumnChange::HeaderCell);
}

void TColumnHeader::SetOrientation(THeaderOrientation value)
{
    orientation_ = value;
    Changed(TColumnChange::HeaderCell);
}

// --- column ---------------------------------------------------------------

TDgCustomColumn::TDgCustomColumn(TDgColumns* columns) : columns_(columns)
{
    if (columns_ && columns_->Owner())
        font_ = columns_->Owner()->GridFont();
}

TDgCustomColumn::~TDgCustomColumn() = default;

void TDgCustomColumn::SetDisplay(std::unique_ptr<TColumnDisplay> display)
{
    display_ = std::move(display);
}

void TDgCustomColumn::SetPlay(std::unique_ptr<TColumnPlay> play)
{
    play_ = std::move(play);
}

void TDgCustomColumn::Changed(TColumnChange change, std::uint32_t oldValue)
{
    if (columns_ && columns_->Owner() && columns_->IndexOf(this) >= 0)
        columns_->Owner()->ColumnChanged(this, change, oldValue);
}

int TDgCustomColumn::Index() const
{
    return columns_ ? columns_->IndexOf(this) : -1;
}

void TDgCustomColumn::SetPosition(int value)
{
    if (!columns_ || value == position_)
        return;
    const int old = position_;
    columns_->Move(this, value);
    Changed(TColumnChange::Position, std::uint32_t(old));
}

void TDgCustomColumn::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetBiDiMode(TBiDiMode value)
{
    biDiMode_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetColor(TColor value)
{
    color_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetCursor(TCursor value)
{
    cursor_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetDrawingOptions(TDrawingOptions value)
{
    drawingOptions_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetFont(const TFontDesc& value)
{
    font_ = value;
    parentFont_ = false;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetInputValue(const QString& value)
{
    inputValue_ = value;
    Changed(TColumnChange::InputCell);
}

void TDgCustomColumn::SetMinWidth(int value)
{
    minWidth_ = value;
    if (width_ < minWidth_)
        SetWidth(minWidth_);
}

void TDgCustomColumn::SetOptions(TColumnOptions value)
{
    const TColumnOptions old = options_;
    options_ = value;
    // Type-ahead searches one column only.
    if ((value & coSearchColumn) && columns_)
        for (int i = 0; i < columns_->Count(); ++i)
            if ((*columns_)[i] != this)
                (*columns_)[i]->options_ &= ~TColumnOptions(coSearchColumn);
    Changed(TColumnChange::Options, old);
}

void TDgCustomColumn::SetPadding(int value)
{
    padding_ = std::max(0, value);
    Changed(TColumnChange::DataCells);
}

void TDgCustomColumn::SetParentCellColor(bool value)
{
    parentCellColor_ = value;
    Changed(TColumnChange::DataCells);
}

void TDgCustomColumn::SetParentFont(bool value)
{
    parentFont_ = value;
    if (value && columns_ && columns_->Owner()) {
        font_ = columns_->Owner()->GridFont();
        Changed(TColumnChange::Strip);
    }
}

void TDgCustomColumn::GridFontChanged(const TFontDesc& font)
{
    if (!parentFont_)
        return;
    font_ = font;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetSlideBounds(const QRect& value)
{
    slideBounds_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetSorted(bool value)
{
    if (value == sorted_)
        return;
    sorted_ = value;
    if (value && columns_)
        for (int i = 0; i < columns_->Count(); ++i) {
            TDgCustomColumn* other = (*columns_)[i];
            if (other != this && other->sorted_) {
                other->sorted_ = false;
                other->Changed(TColumnChange::Unsorted);
            }
        }
    Changed(value ? TColumnChange::Sort : TColumnChange::Unsorted);
}

void TDgCustomColumn::SetSortKind(TSortKind value)
{
    if (value == sortKind_)
        return;
    sortKind_ = value;
    Changed(sorted_ ? TColumnChange::Sort : TColumnChange::HeaderCell);
}

void TDgCustomColumn::SetSortType(TSortType value)
{
    if (value == sortType_)
        return;
    sortType_ = value;
    if (sorted_)
        Changed(TColumnChange::Sort);
}

void TDgCustomColumn::SetVerticalAlignment(TVerticalAlignment value)
{
    verticalAlignment_ = value;
    Changed(TColumnChange::Strip);
}

void TDgCustomColumn::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Changed(TColumnChange::Visible);
}

void TDgCustomColumn::SetWidth(int value)
{
    const int old = width_;
    width_ = std::max(value, minWidth_);
    Changed(TColumnChange::Width, std::uint32_t(old));
}

void TDgCustomColumn::SetWrapKind(TWrapKind value)
{
    wrapKind_ = value;
    Changed(TColumnChange::DataCells);
}

QString TDgCustomColumn::GetDrawText(const TCellInfo& info) const
{
    return info.AsString;
}

void TDgCustomColumn::CanEdit(bool& editing, bool& input) const
{
    const bool possible = enabled_ && (HasEditor() || inplaceEdit_);
    editing = possible && (options_ & coEditing);
    input = possible && (options_ & coCanInput);
}

// --- collection -------------------------------------------------------------

TDgColumns::~TDgColumns() = default;

int TDgColumns::IndexOf(const TDgCustomColumn* column) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == column)
            return int(i);
    return -1;
}

void TDgColumns::Append(std::unique_ptr<TDgCustomColumn> column)
{
    TDgCustomColumn* raw = column.get();
    items_.push_back(std::move(column));
    order_.push_back(raw);
    Renumber();
    if (owner_)
        owner_->ColumnInserted(raw);
}

void TDgColumns::Delete(int index)
{
    if (index < 0 || index >= Count())
        RaiseListError(index);
    std::unique_ptr<TDgCustomColumn> column = std::move(items_[std::size_t(index)]);
    items_.erase(items_.begin() + index);
    order_.erase(std::find(order_.begin(), order_.end(), column.get()));
    Renumber();
    if (owner_)
        owner_->ColumnRemoved(index);
}

void TDgColumns::Clear()
{
    while (Count() > 0)
        Delete(Count() - 1);
}

void TDgColumns::Move(TDgCustomColumn* column, int position)
{
    position = std::clamp(position, 0, Count() - 1);
    order_.erase(std::find(order_.begin(), order_.end(), column));
    order_.insert(order_.begin() + position, column);
    Renumber();
}

void TDgColumns::Renumber()
{
    for (std::size_t i = 0; i < order_.size(); ++i)
        order_[i]->position_ = int(i);
}

void TDgColumns::Recalculate(int dataLeft, int fixedCols)
{
    int x = dataLeft;
    int visibleIndex = 0;
    fixedWidth_ = 0;
    for (std::size_t p = 0; p < order_.size(); ++p) {
        TDgCustomColumn* c = order_[p];
        c->left_ = x;
        c->visibleIndex_ = c->visible_ ? visibleIndex++ : -1;
        if (!c->visible_)
            continue;
        x += c->width_;
        if (int(p) < fixedCols)
            fixedWidth_ += c->width_;
    }
    totalWidth_ = x - dataLeft;
}
