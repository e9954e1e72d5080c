#pragma once
// The column base, its header and footer parts, and the grid's columns
// collection (index order and display order).
#include "grid/DgCells.h"
#include "toolkit/Controls.h"
#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TColumnDisplay;
class TColumnPlay;
class TDgColumns;
class TDgCustomColumn;

enum TVerticalAlignment : std::uint8_t { taAlignTop, taAlignBottom, taVerticalCenter };
enum TDrawingOptions : std::uint8_t { doNormal, doBackgroundOnly, doCustom, doCustomOnly };
enum TSortKind : std::uint8_t { skAscending, skDescending };
enum TSortType : std::uint8_t {
    stAlphabetic,
    stBoolean,
    stCaseInsensitive,
    stCustom,
    stNumeric,
    stDate,
    stIP
};
enum TWrapKind : std::uint8_t { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };
enum TDisplayMode : std::uint8_t { dmImageOnly, dmTextAndImage, dmTextOnly };
enum THeaderOrientation : std::uint8_t { hoHorizontal, hoVertical };
enum TFormulaKind : std::uint8_t {
    fkNone,
    fkAverage,
    fkCount,
    fkDistinct,
    fkMaximum,
    fkMinimum,
    fkSum,
    fkCustom
};

enum TColumnOption : std::uint32_t {
    coAutoSize = 1u << 0,
    coCanClick = 1u << 1,
    coCanInput = 1u << 2,
    coCanSort = 1u << 3,
    coDisableMoving = 1u << 4,
    coDontHighlight = 1u << 5,
    coEditing = 1u << 6,
    coEditorAutoSelect = 1u << 7,
    coFixedSize = 1u << 8,
    coImageForIcon = 1u << 9,
    coTextForCaption = 1u << 10,
    coPublicUsing = 1u << 11,
    coFullResort = 1u << 12,
    coSearchColumn = 1u << 13,
    coShowTextFitHint = 1u << 14,
};
using TColumnOptions = std::uint32_t;  // set of TColumnOption bits

inline constexpr TColumnOptions DefaultColumnOptions =
    coCanClick | coCanInput | coCanSort | coPublicUsing;

// What changed on a column; the grid repaints or recomputes accordingly.
enum class TColumnChange {
    Strip,      // the column's whole strip (header and cells)
    HeaderCell, // only its header cell
    DataCells,  // only its data cells
    InputCell,
    Position,
    Visible,
    Width,
    Sort,       // Sorted became true, or SortKind/SortType changed while sorted
    Unsorted,   // Sorted became false
    Options,    // carries the old options (automatic widths)
};

// The grid side of a column: implemented by the grid control.
class TDgColumnsOwner {
public:
    virtual void ColumnChanged(TDgCustomColumn* column, TColumnChange change,
                               std::uint32_t oldValue) = 0;
    virtual void ColumnInserted(TDgCustomColumn* column) = 0;
    virtual void ColumnRemoved(int index) = 0;
    virtual TFontDesc GridFont() const = 0;

protected:
    ~TDgColumnsOwner() = default;
};

// Common base of the header and footer parts.
class TColumnPart {
public:
    explicit TColumnPart(TDgCustomColumn* column) : column_(column) {}
    virtual ~TColumnPart() = default;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TDgCustomColumn* Column() const { return column_; }

protected:
    void Changed(TColumnChange change);

    TDgCustomColumn* column_;
    TAlignment alignment_ = taLeftJustify;
    TColor color_ = clBtnFace;
};

class TColumnHeader : public TColumnPart {
public:
    using TColumnPart::TColumnPart;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TDisplayMode value);
    // The picture as given; drawn with its bottom-left pixel's colour left out.
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& value);
    // The glyph ready to draw (transparent colour turned into alpha).
    const QImage& MaskedGlyph() const { return masked_; }
    TColor TransparentColor() const { return transparentColor_; }
    bool HideArrow() const { return hideArrow_; }
    void SetHideArrow(bool value);
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& value) { hint_ = value; }
    // What a screen reader announces for a picture-only header without caption or hint.
    const QString& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const QString& value) { accessibleName_ = value; }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    THeaderOrientation Orientation() const { return orientation_; }
    void SetOrientation(THeaderOrientation value);

    // Fired when DisplayMode or Glyph changes.
    std::function<void(TColumnHeader* Sender)> OnChange;

private:
    QString caption_;
    TDisplayMode displayMode_ = dmTextOnly;
    QImage glyph_;
    QImage masked_;
    TColor transparentColor_ = clNone;
    bool hideArrow_ = true;
    QString hint_;
    QString accessibleName_;
    bool multiLine_ = false;
    THeaderOrientation orientation_ = hoHorizontal;
};

// Stored footer settings (the program shows no footers).
class TColumnFooter : public TColumnPart {
public:
    explicit TColumnFooter(TDgCustomColumn* column) : TColumnPart(column) { color_ = clWindow; }

    TFormulaKind FormulaKind() const { return formulaKind_; }
    void SetFormulaKind(TFormulaKind value) { formulaKind_ = value; }
    QString FormatMask;
    int FormatMaskKind = 0;
    QString TextBefore;
    QString TextAfter;

private:
    TFormulaKind formulaKind_ = fkNone;
};

// Base of every column kind.
class TDgCustomColumn {
public:
    virtual ~TDgCustomColumn();
    TDgCustomColumn(const TDgCustomColumn&) = delete;
    TDgCustomColumn& operator=(const TDgCustomColumn&) = delete;

    // Index order place, display place, and the derived geometry.
    int Index() const;
    int Position() const { return position_; }
    void SetPosition(int value);
    int Left() const { return left_; }
    int VisibleIndex() const { return visibleIndex_; }
    TDgColumns* Collection() const { return columns_; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    const QString& DefaultValue() const { return defaultValue_; }
    void SetDefaultValue(const QString& value) { defaultValue_ = value; }
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value) { defaultWidth_ = value; }
    TDrawingOptions DrawingOptions() const { return drawingOptions_; }
    void SetDrawingOptions(TDrawingOptions value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& value);  // also makes ParentFont false
    TColumnFooter& Footer() { return footer_; }
    const TColumnFooter& Footer() const { return footer_; }
    TColumnHeader& Header() { return header_; }
    const TColumnHeader& Header() const { return header_; }
    QWidget* InplaceEdit() const { return inplaceEdit_; }
    void SetInplaceEdit(QWidget* value) { inplaceEdit_ = value; }
    const QString& InputCaption() const { return inputCaption_; }
    void SetInputCaption(const QString& value) { inputCaption_ = value; }
    const QString& InputValue() const { return inputValue_; }
    void SetInputValue(const QString& value);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value);
    TColumnOptions Options() const { return options_; }
    void SetOptions(TColumnOptions value);
    int Padding() const { return padding_; }
    void SetPadding(int value);
    bool ParentCellColor() const { return parentCellColor_; }
    void SetParentCellColor(bool value);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    const QString& SlideCaption() const { return slideCaption_; }
    void SetSlideCaption(const QString& value) { slideCaption_ = value; }
    QRect SlideBounds() const { return slideBounds_; }
    void SetSlideBounds(const QRect& value);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TSortKind SortKind() const { return sortKind_; }
    void SetSortKind(TSortKind value);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType value);
    const QString& StyleClass() const { return styleClass_; }
    void SetStyleClass(const QString& value) { styleClass_ = value; }
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TWrapKind WrapKind() const { return wrapKind_; }
    void SetWrapKind(TWrapKind value);

    // What the kind declares and answers.
    virtual int ColumnType() const = 0;
    TColumnDisplay& Display() const { return *display_; }
    TColumnPlay* Play() const { return play_.get(); }
    // The text painted for a cell, also the text of a text-fit hint.
    virtual QString GetDrawText(const TCellInfo& info) const;
    virtual bool IsMultiLine() const { return false; }
    virtual bool IsValidKey(QChar) const { return false; }
    virtual bool HasEditor() const { return false; }
    // Cell editing allowed (coEditing) and input allowed (coCanInput).
    void CanEdit(bool& editing, bool& input) const;

    // Called by the grid when its font changes.
    void GridFontChanged(const TFontDesc& font);

protected:
    explicit TDgCustomColumn(TDgColumns* columns);
    void SetDisplay(std::unique_ptr<TColumnDisplay> display);
    void SetPlay(std::unique_ptr<TColumnPlay> play);
    void Changed(TColumnChange change, std::uint32_t oldValue = 0);

    TColumnOptions options_ = DefaultColumnOptions;
    TSortType sortType_ = stAlphabetic;
    QString defaultValue_;

private:
    friend class TDgColumns;
    friend class TColumnPart;

    TDgColumns* columns_;
    std::unique_ptr<TColumnDisplay> display_;
    std::unique_ptr<TColumnPlay> play_;
    TColumnHeader header_{this};
    TColumnFooter footer_{this};
    TFontDesc font_;
    TAlignment alignment_ = taLeftJustify;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TColor color_ = clWindow;
    TCursor cursor_ = crDefault;
    int defaultWidth_ = 80;
    TDrawingOptions drawingOptions_ = doNormal;
    bool enabled_ = true;
    QWidget* inplaceEdit_ = nullptr;
    QString inputCaption_;
    QString inputValue_;
    int minWidth_ = 8;
    int padding_ = 0;
    bool parentCellColor_ = false;
    bool parentFont_ = true;
    int position_ = 0;
    QString slideCaption_;
    QRect slideBounds_{8, 8, 80, 16};
    bool sorted_ = false;
    TSortKind sortKind_ = skAscending;
    QString styleClass_;
    int tag_ = 0;
    TVerticalAlignment verticalAlignment_ = taVerticalCenter;
    bool visible_ = true;
    int width_ = 80;
    TWrapKind wrapKind_ = wkEllipsis;
    int left_ = 0;
    int visibleIndex_ = -1;
};

// The grid's columns, kept in index order (the order they were added) and in
// display order (`Position`).
class TDgColumns {
public:
    explicit TDgColumns(TDgColumnsOwner* owner) : owner_(owner) {}
    ~TDgColumns();
    TDgColumns(const TDgColumns&) = delete;
    TDgColumns& operator=(const TDgColumns&) = delete;

    int Count() const { return int(items_.size()); }
    TDgCustomColumn* operator[](int index) const { return items_[std::size_t(index)].get(); }
    TDgCustomColumn* Items(int index) const { return (*this)[index]; }
    // The column at display place `position`.
    TDgCustomColumn* ByPosition(int position) const { return order_[std::size_t(position)]; }
    int IndexOf(const TDgCustomColumn* column) const;

    // Appends a column of kind T at the end of both orders.
    template <class T>
    T* Add()
    {
        auto* column = new T(this);
        Append(std::unique_ptr<TDgCustomColumn>(column));
        return column;
    }
    // Removes and frees the column at `index` (index order).
    void Delete(int index);
    void Clear();

    // Sum of the widths of the visible columns, and of the first `fixedCols`
    // columns in display order.
    int TotalWidth() const { return totalWidth_; }
    int FixedWidth() const { return fixedWidth_; }
    // Recomputes Left, VisibleIndex and the two sums; `dataLeft` is the data
    // area's left edge (12 with an indicator column).
    void Recalculate(int dataLeft, int fixedCols);

    TDgColumnsOwner* Owner() const { return owner_; }

private:
    friend class TDgCustomColumn;
    void Append(std::unique_ptr<TDgCustomColumn> column);
    void Move(TDgCustomColumn* column, int position);
    void Renumber();

    TDgColumnsOwner* owner_;
    std::vector<std::unique_ptr<TDgCustomColumn>> items_;
    std::vector<TDgCustomColumn*> order_;
    int totalWidth_ = 0;
    int fixedWidth_ = 0;
};
